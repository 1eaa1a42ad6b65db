#include "shell/ui/help_window.h"

#include "shell/program.h"
#include "skin/ui/apply_skin.h"
#include "store/app_settings.h"
#include "widgets/on_top.h"
#include "widgets/pictures.h"
#include "widgets/window_close.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quillbox {

namespace {

QUrl helpUrl(const QString& file) {
    if (file.startsWith(u':'))
        return QUrl(QStringLiteral("qrc") + file);
    return QUrl::fromLocalFile(file);
}

} // namespace

HelpWindow::HelpWindow(Program& program, const QString& helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), m_program(program), m_helpFile(helpFile) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("Readme/Help"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_QuitOnClose, false);

    helpText = new QTextBrowser(this);
    helpText->setObjectName(QStringLiteral("rtf1"));
    helpText->setOpenExternalLinks(true);
    showAtStartupBox = new QCheckBox(tr("Show at Startup"), this);
    showAtStartupBox->setObjectName(QStringLiteral("Check1"));
    showAtStartupBox->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(helpText, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(showAtStartupBox);
    row->addStretch(1);
    row->addWidget(makeCloseButton(this));
    layout->addLayout(row);
    resize(640, 600);

    // Every change of the box is stored, the one the load makes included.
    connect(showAtStartupBox, &QCheckBox::toggled, this, &HelpWindow::showAtStartupClicked);
}

HelpWindow::~HelpWindow() = default;

QString HelpWindow::defaultHelpFile() {
    return translatedPage(QStringLiteral(":/quillbox/help.html"));
}

bool HelpWindow::load() {
    if (loadBranding().skinEnabled)
        applySkin(this);
    if (!QFileInfo(m_helpFile).isFile()) {
        hide();
        return false;
    }
    helpText->setSource(helpUrl(m_helpFile), QTextDocument::HtmlResource);
    setOnTop(this, true);
    // "0" unticks the box; a value that is not a number leaves it ticked.
    bool number = false;
    const int value = m_program.settings().get(keys::showHelp).trimmed().toInt(&number);
    if (number)
        showAtStartupBox->setChecked(value != 0);
    return true;
}

void HelpWindow::showAtStartupClicked(bool checked) {
    m_program.keepSetting(keys::showHelp, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace quillbox
