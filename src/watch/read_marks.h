#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace quillbox {

class WatchLists;

// "Mark as read" from the command-line check, handed to the program that holds the lists when
// one runs on the same data folder, so the marks land in its lists instead of being written
// under it (and undone by its next save). A mark applies to a watched thread of that address
// whose recorded size is still the one the check compared with.
struct ReadMark {
    QString address;
    qint64 recorded = 0;
    qint64 measured = 0;
    QString lastPage;                  // the page measured, when the check followed the thread
    std::optional<qint64> highestPost; // the highest post seen there

    bool operator==(const ReadMark&) const = default;
};

// One line: "mark-read " and the marks as JSON.
QString encodeReadMarks(const QList<ReadMark>& marks);
// nullopt for a line that is not a mark-read message, or not a sound one.
std::optional<QList<ReadMark>> decodeReadMarks(const QString& line);
// Records each mark's measured size as its thread's size and takes the thread off the new
// replies; a thread gone, or measured again since, keeps what it has. Returns how many applied.
int applyReadMarks(WatchLists& lists, const QList<ReadMark>& marks);

} // namespace quillbox
