#include "widgets/undoable_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace quillbox {

void replaceText(QPlainTextEdit* box, const QString& text) {
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::Start);
    box->setTextCursor(cursor);
}

void replaceText(QLineEdit* box, const QString& text) {
    if (box->text() == text)
        return;
    box->selectAll();
    box->insert(text);
    box->setCursorPosition(0);
}

} // namespace quillbox
