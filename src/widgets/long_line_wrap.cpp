#include "widgets/long_line_wrap.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>

namespace quillbox {

namespace {

// The longest stretch of text in which a line may not break, in characters.
qsizetype longestUnbrokenRun(const QString& text) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype longest = 0;
    qsizetype from = 0;
    for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
        longest = std::max(longest, at - from);
        from = at;
    }
    return longest;
}

bool tooLongToWordWrap(const QString& text) {
    return text.size() > longestWordWrappedRun && longestUnbrokenRun(text) > longestWordWrappedRun;
}

// Text this long is taller than any view, at any width.
constexpr int surelyScrollingLength = 100000;

QString guardName() {
    return QStringLiteral("longLineWrap");
}

// Lives as a child of the view and watches its document.
class LongLineWrap : public QObject {
public:
    explicit LongLineWrap(QPlainTextEdit* view)
        : QObject(view), m_view(view), m_normal(view->wordWrapMode()),
          m_normalBar(view->verticalScrollBarPolicy()) {
        setObjectName(guardName());
        QTextDocument* document = view->document();
        connect(document, &QTextDocument::contentsChange, this, &LongLineWrap::check);
        check(0, 0, document->characterCount());
    }

    void setPlainText(const QString& text) {
        const bool anywhere = tooLongToWordWrap(text);
        // Word wrap would first be tried on the old text.
        if (m_anywhere && !anywhere)
            m_view->clear();
        wrapAnywhere(anywhere);
        showScrollBarFor(text.size());
        // As QPlainTextEdit::setPlainText does (a new text, no undo, the view at its start),
        // without laying the new text out on the way: setPlainText lays it out within the
        // change, the view throws that away and lays it out anew to paint, and a view not
        // yet shown lays it out at a width it will not have. Here the view lays it out when it
        // is shown, once. Placing the view's cursor lays out the text it is in, so the cursor
        // goes to the start of the old text, which the removal keeps it at.
        QTextDocument* document = m_view->document();
        if (m_view->textCursor().position() != 0)
            m_view->setTextCursor(QTextCursor(document));
        const bool undo = document->isUndoRedoEnabled();
        document->setUndoRedoEnabled(false);
        m_settingText = true;
        QTextCursor cursor(document);
        cursor.beginEditBlock();
        const int oldEnd = document->characterCount() - 1;
        cursor.setPosition(oldEnd);
        cursor.insertText(text);
        cursor.setPosition(0);
        cursor.setPosition(oldEnd, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.endEditBlock();
        m_settingText = false;
        document->setUndoRedoEnabled(undo);
        // After an empty old text the cursor moved along with the insertion.
        if (m_view->textCursor().position() != 0)
            m_view->setTextCursor(QTextCursor(document));
    }

private:
    // Runs before the view lays out an edit (typing, a paste, an undo), so a long stretch is
    // never laid out with word wrap.
    void check(int position, int /*removed*/, int added) {
        if (m_settingText)
            return;
        QTextDocument* document = m_view->document();
        const int last = std::min(position + added, document->characterCount() - 1);
        bool anywhere = holdsLongRun(document->findBlock(position), document->findBlock(last));
        // Only a look at the whole text tells whether the edit took away the last long stretch.
        if (!anywhere && m_anywhere)
            anywhere = holdsLongRun(document->firstBlock(), document->lastBlock());
        wrapAnywhere(anywhere);
        showScrollBarFor(document->characterCount());
    }

    // A scroll bar that appears once the text is laid out narrows the view, which then lays
    // the text out again: for a long text, the bar it will need is there first.
    void showScrollBarFor(qsizetype length) {
        const bool on = length > surelyScrollingLength;
        if (m_normalBar != Qt::ScrollBarAsNeeded || on == m_barOn)
            return;
        m_barOn = on;
        m_view->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn : m_normalBar);
    }

    void wrapAnywhere(bool anywhere) {
        if (anywhere == m_anywhere)
            return;
        m_anywhere = anywhere;
        m_view->setWordWrapMode(anywhere ? QTextOption::WrapAnywhere : m_normal);
    }

    static bool holdsLongRun(QTextBlock block, const QTextBlock& last) {
        for (; block.isValid(); block = block.next()) {
            if (block.length() > longestWordWrappedRun && tooLongToWordWrap(block.text()))
                return true;
            if (block == last)
                break;
        }
        return false;
    }

    QPlainTextEdit* m_view;
    QTextOption::WrapMode m_normal;
    Qt::ScrollBarPolicy m_normalBar;
    bool m_anywhere = false;
    bool m_barOn = false;
    bool m_settingText = false;
};

LongLineWrap* guardOf(QPlainTextEdit* view) {
    auto* guard = dynamic_cast<LongLineWrap*>(
        view->findChild<QObject*>(guardName(), Qt::FindDirectChildrenOnly));
    return guard ? guard : new LongLineWrap(view);
}

} // namespace

void keepLongLinesQuick(QPlainTextEdit* view) {
    guardOf(view);
}

void setPlainTextQuickly(QPlainTextEdit* view, const QString& text) {
    guardOf(view)->setPlainText(text);
}

} // namespace quillbox
