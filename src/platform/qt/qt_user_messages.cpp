#include "platform/qt/qt_user_messages.h"

#include "widgets/long_line_wrap.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quillbox {

namespace {

// A box lays out its whole text to find its size, which for a long text takes far longer than
// the text is long (34 s for a megabyte). A text this long does not fit a box on any common
// screen, so it goes straight into the scrolling view without being measured.
constexpr qsizetype longestBoxedText = 10000;

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

void prepare(QMessageBox& box, const QString& title, const QString& text, MessageIcon icon) {
    box.setWindowTitle(title);
    box.setText(text);
    // Text from messages, pages and lists must appear as typed, never rendered as markup.
    box.setTextFormat(Qt::PlainText);
    box.setIcon(boxIcon(icon));
}

// A message too long for the screen (a long preview) goes into a box that scrolls, so its OK
// button stays within reach.
void showScrolling(QWidget* parent, const QString& title, const QString& text,
                   const QString& informativeText, const QRect& screen) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("scrollingMessageBox"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPlainTextEdit(&dialog);
    view->setObjectName(QStringLiteral("messageText"));
    view->setReadOnly(true);
    keepLongLinesQuick(view);
    layout->addWidget(view);
    if (!informativeText.isEmpty()) {
        auto* detail = new QLabel(informativeText, &dialog);
        detail->setTextFormat(Qt::PlainText);
        detail->setWordWrap(true);
        layout->addWidget(detail);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    const QSize size(std::min(screen.width() * 3 / 4, 900), screen.height() * 3 / 4);
    dialog.resize(size);
    dialog.move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
    // Shown before it takes the text, so that the view lays the text out once, at its width.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    setPlainTextQuickly(view, text);
    dialog.exec();
}

} // namespace

void QtUserMessages::showMessage(const QString& title, const QString& text, MessageIcon icon,
                                 const QString& informativeText) {
    const QScreen* screen = m_parent ? m_parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    if (text.size() > longestBoxedText) {
        showScrolling(m_parent, title, text, informativeText, available);
        return;
    }
    QMessageBox box(m_parent);
    prepare(box, title, text, icon);
    if (box.sizeHint().height() > available.height() * 9 / 10 ||
        box.sizeHint().width() > available.width() * 9 / 10) {
        showScrolling(m_parent, title, text, informativeText, available);
        return;
    }
    if (!informativeText.isEmpty()) {
        box.setInformativeText(informativeText);
        // The informative label guesses its format on its own; an address is never markup.
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

int QtUserMessages::askChoice(const QString& title, const QString& text, const QStringList& buttons,
                              MessageIcon icon) {
    QMessageBox box(m_parent);
    prepare(box, title, text, icon);
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons)
        added.append(box.addButton(caption, QMessageBox::ActionRole));
    if (!added.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        box.setEscapeButton(added.last());
    }
    box.exec();
    const int chosen = int(added.indexOf(box.clickedButton()));
    return chosen >= 0 ? chosen : int(buttons.size()) - 1;
}

} // namespace quillbox
