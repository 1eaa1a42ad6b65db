#include "widgets/long_line_wrap.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>

namespace quillbox {

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

namespace {

// Lives as a child of the view and watches its document.
class LongLineWrap : public QObject {
public:
    explicit LongLineWrap(QPlainTextEdit* view)
        : QObject(view), m_view(view), m_normal(view->wordWrapMode()) {
        QTextDocument* document = view->document();
        connect(document, &QTextDocument::contentsChange, this, &LongLineWrap::check);
        check(0, 0, document->characterCount());
    }

private:
    // Called before the view lays out the changed text, so a long stretch is never laid out
    // with word wrap first.
    void check(int position, int /*removed*/, int added) {
        QTextDocument* document = m_view->document();
        const int last = std::min(position + added, document->characterCount() - 1);
        bool anywhere = holdsLongRun(document->findBlock(position), document->findBlock(last));
        // Only a look at the whole text tells whether the change took away the last long
        // stretch.
        if (!anywhere && m_anywhere)
            anywhere = holdsLongRun(document->firstBlock(), document->lastBlock());
        if (anywhere == m_anywhere)
            return;
        m_anywhere = anywhere;
        m_view->setWordWrapMode(anywhere ? QTextOption::WrapAnywhere : m_normal);
    }

    static bool holdsLongRun(QTextBlock block, const QTextBlock& last) {
        for (; block.isValid(); block = block.next()) {
            if (block.length() > longestWordWrappedRun &&
                longestUnbrokenRun(block.text()) > longestWordWrappedRun)
                return true;
            if (block == last)
                break;
        }
        return false;
    }

    QPlainTextEdit* m_view;
    QTextOption::WrapMode m_normal;
    bool m_anywhere = false;
};

} // namespace

void keepLongLinesQuick(QPlainTextEdit* view) {
    new LongLineWrap(view);
}

} // namespace quillbox
