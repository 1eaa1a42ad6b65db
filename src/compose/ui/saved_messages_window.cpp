#include "compose/ui/saved_messages_window.h"

#include "compose/editor_text.h"
#include "compose/saved_message_list.h"
#include "compose/saved_messages.h"
#include "platform/user_messages.h"
#include "widgets/long_line_wrap.h"
#include "widgets/window_close.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quillbox {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

SavedMessagesWindow::SavedMessagesWindow(const SavedMessages& store, Remove remove,
                                         UserMessages& messages, QString messageTitle,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_remove(std::move(remove)),
      m_messages(messages), m_messageTitle(std::move(messageTitle)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("load a saved message"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* heading = makeLabel(this, "Label2", tr("Saved Messages"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading->setFont(headingFont);
    auto* instruction =
        makeLabel(this, "Label10", tr("double-click the message you wish to load:"));

    filterBox = new QLineEdit(this);
    filterBox->setObjectName(QStringLiteral("txtFilter"));
    filterBox->setPlaceholderText(tr("Filter: subject or text"));
    filterBox->setClearButtonEnabled(true);

    messageList = new QListView(this);
    messageList->setObjectName(QStringLiteral("List1"));
    messageList->setModel(store.listModel());
    messageList->setUniformItemSizes(true);
    messageList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    messageList->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* hint = makeLabel(this, "Label12", tr("click once to view the entire message"));
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* subjectLabel = makeLabel(this, "Label3", tr("Subject:"));
    // The views show a message; changing it there would change nothing stored.
    subjectView = new QLineEdit(this);
    subjectView->setObjectName(QStringLiteral("txtSubject"));
    subjectView->setReadOnly(true);
    bodyView = new QPlainTextEdit(this);
    bodyView->setObjectName(QStringLiteral("Text1"));
    bodyView->setReadOnly(true);
    keepLongLinesQuick(bodyView);
    deleteButton = new QPushButton(tr("delete message"), this);
    deleteButton->setObjectName(QStringLiteral("Command1"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(instruction);
    layout->addWidget(filterBox);
    layout->addWidget(messageList, 3);
    layout->addWidget(hint);
    layout->addWidget(line);
    auto* subjectRow = new QHBoxLayout;
    subjectRow->addWidget(subjectLabel);
    subjectRow->addWidget(subjectView, 1);
    layout->addLayout(subjectRow);
    layout->addWidget(bodyView, 2);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(deleteButton);
    buttonRow->addWidget(makeCloseButton(this));
    layout->addLayout(buttonRow);
    resize(460, 560);

    connect(filterBox, &QLineEdit::textChanged, this, &SavedMessagesWindow::filterChanged);
    // Arrow keys show entries as clicks do.
    connect(messageList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { showEntry(current); });
    connect(messageList, &QListView::clicked, this, &SavedMessagesWindow::showEntry);
    connect(messageList, &QListView::doubleClicked, this, &SavedMessagesWindow::chooseEntry);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter =
            new QShortcut(QKeySequence(key), messageList, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this,
                [this] { chooseEntry(messageList->currentIndex()); });
    }
    connect(deleteButton, &QPushButton::clicked, this, &SavedMessagesWindow::deleteMessage);
}

SavedMessagesWindow::~SavedMessagesWindow() = default;

void SavedMessagesWindow::showRead(const MessagesFile& file) {
    if (!file.exists) {
        m_messages.showMessage(m_messageTitle, tr("you must first save a message before you can "
                                                  "load one"));
        hide();
        return;
    }
    if (!file.status.ok)
        m_messages.showMessage(m_messageTitle, file.status.message, MessageIcon::Exclamation);
}

void SavedMessagesWindow::showEntry(const QModelIndex& index) {
    const QString text = m_store.list().textAt(index.isValid() ? index.row() : -1);
    // An empty entry has nothing to show: the views keep what they showed.
    if (text.isEmpty())
        return;
    const SavedMessageParts parts = splitSavedMessage(text);
    setPlainTextQuickly(bodyView, messageToEditor(parts.body));
    if (parts.hasSubject)
        subjectView->setText(parts.subject);
}

void SavedMessagesWindow::chooseEntry(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const SavedMessageParts parts = splitSavedMessage(m_store.list().textAt(index.row()));
    if (parts.body.isEmpty()) {
        m_messages.showMessage(m_messageTitle, tr("cannot insert a blank message"));
        return;
    }
    emit messageChosen(parts.body, parts.subject, parts.hasSubject);
}

void SavedMessagesWindow::deleteMessage() {
    const QModelIndex current = messageList->currentIndex();
    const bool selected = current.isValid() && messageList->selectionModel()->isSelected(current);
    // With nothing selected the empty text is deleted: the file's empty lines go.
    const QByteArray line = selected ? m_store.list().lineAt(current.row()) : QByteArray();
    const FileResult removed = m_remove(line);
    // A successful rewrite refills the list through the store's change notice.
    if (!removed.ok)
        m_messages.showMessage(m_messageTitle, removed.message, MessageIcon::Exclamation);
}

} // namespace quillbox
