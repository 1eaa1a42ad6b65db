#include "compose/saved_message_list.h"

#include "compose/saved_messages.h"

#include <QCoreApplication>

namespace quillbox {

namespace {

constexpr qsizetype summaryBodyLength = 100;

// The start of the body on one line: line breaks and runs of blanks as one space.
QString bodyStart(const QString& body) {
    QString out;
    out.reserve(summaryBodyLength + 1);
    bool pendingSpace = false;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (out.size() >= summaryBodyLength) {
            out += u'…';
            break;
        }
        const QChar c = body[i];
        if (c.isSpace()) {
            pendingSpace = !out.isEmpty();
            continue;
        }
        if (pendingSpace)
            out += u' ';
        pendingSpace = false;
        out += c;
    }
    return out;
}

// The filter never holds a line break, so it cannot match across subject and body.
constexpr char16_t searchSeparator = u'\n';

} // namespace

QString savedMessageSummary(const SavedMessageParts& parts, bool emptyLine) {
    if (emptyLine)
        return QCoreApplication::translate("quillbox::SavedMessageList", "(empty line)");
    const QString subject =
        parts.subject.trimmed().isEmpty()
            ? QCoreApplication::translate("quillbox::SavedMessageList", "(no subject)")
            : parts.subject;
    const QString body = bodyStart(parts.body);
    return subject + QStringLiteral(" — ") +
           (body.isEmpty() ? QCoreApplication::translate("quillbox::SavedMessageList", "(no text)")
                           : body);
}

SavedMessageList::SavedMessageList(QObject* parent) : QAbstractListModel(parent) {}

void SavedMessageList::setLines(const QList<QByteArray>& lines) {
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(lines.size());
    for (const QByteArray& line : lines) {
        const SavedMessageParts parts = splitSavedMessage(QString::fromUtf8(line));
        Entry entry;
        entry.line = line;
        entry.summary = savedMessageSummary(parts, line.isEmpty());
        entry.searchText = parts.subject.toCaseFolded();
        entry.searchText += searchSeparator;
        entry.searchText += parts.body.toCaseFolded();
        m_entries.append(std::move(entry));
    }
    QList<int> all(m_entries.size());
    for (int i = 0; i < int(all.size()); ++i)
        all[i] = i;
    m_shown = m_foldedFilter.isEmpty() ? all : matching(all, m_foldedFilter);
    endResetModel();
}

void SavedMessageList::setFilter(const QString& text) {
    const QString folded = text.toCaseFolded();
    if (text == m_filter)
        return;
    // Typing on narrows what is shown already: only those rows need searching again.
    const bool narrows = !m_foldedFilter.isEmpty() && folded.contains(m_foldedFilter);
    QList<int> candidates;
    if (narrows) {
        candidates = m_shown;
    } else {
        candidates.resize(m_entries.size());
        for (int i = 0; i < int(candidates.size()); ++i)
            candidates[i] = i;
    }
    beginResetModel();
    m_filter = text;
    m_foldedFilter = folded;
    m_shown = folded.isEmpty() ? candidates : matching(candidates, folded);
    endResetModel();
}

QList<int> SavedMessageList::matching(const QList<int>& candidates,
                                      const QString& foldedFilter) const {
    QList<int> out;
    for (int i : candidates) {
        if (m_entries[i].searchText.contains(foldedFilter))
            out.append(i);
    }
    return out;
}

QByteArray SavedMessageList::lineAt(int row) const {
    if (row < 0 || row >= m_shown.size())
        return {};
    return m_entries[m_shown[row]].line;
}

QString SavedMessageList::textAt(int row) const {
    return QString::fromUtf8(lineAt(row));
}

int SavedMessageList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant SavedMessageList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown.size())
        return {};
    const Entry& entry = m_entries[m_shown[index.row()]];
    if (role == Qt::DisplayRole)
        return entry.summary;
    return {};
}

} // namespace quillbox
