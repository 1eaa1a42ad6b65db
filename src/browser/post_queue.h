#pragma once

#include "browser/post_log.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace quillbox {

class Clock;

// A forum as the queue posts to it.
struct QueueForum {
    QString address;
    QString name;
    QString format;      // the name of its markup format
    QString postingPage; // "" when none is known

    bool operator==(const QueueForum&) const = default;
};

// Walks the user through posting one message to several forums, one after the other, without
// a browser of its own: it is told of page loads and found threads, and asks for navigations
// and inserts. It never submits anything; the user does. Each forum ends in one PostRecord,
// handed out through recorded() the moment its outcome is known.
//
// Per forum: no posting page → "skipped" and on to the next at once; otherwise Loading (the
// posting page was asked for) → on its load, the insert is asked for and the queue waits for
// the user's submit → the next load means the user submitted (or moved on) and the thread is
// looked for (Watching) → threadFound() records "watched" and moves on. "Next Forum" records
// "not found", "Skip" records "skipped", "Stop" and stop() record "stopped" and end the run.
class PostQueue final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostQueue)

public:
    enum class State {
        Idle,             // no run yet, or the last one has ended
        Loading,          // the posting page is loading
        WaitingForSubmit, // the text is in; the user reviews and submits it
        Watching,         // a page loaded after the insert: the thread is looked for
        Skipped,          // the run ended on a forum that was skipped
    };
    Q_ENUM(State)

    // Asked before the queue posts to a forum: false passes the forum over ("already
    // posted"). The program asks the user when the post log shows the same post there.
    using RepeatCheck = std::function<bool(const QueueForum& forum, const QString& subject,
                                           const QString& message)>;

    explicit PostQueue(const Clock& clock, QObject* parent = nullptr);
    void setRepeatCheck(RepeatCheck check) { m_repeatCheck = std::move(check); }

    // Starts a run over the forums in order; false (and nothing happens) while a run is going
    // on or when there are no forums. Forums without a posting page are recorded as skipped at
    // once, so the run may end within this call.
    bool start(const QList<QueueForum>& forums, const QString& subject, const QString& message);

    bool isRunning() const { return m_current >= 0; }
    State state() const { return m_state; }
    // 1-based position of the forum being posted to, 0 when none, and the run's length.
    int position() const { return m_current + 1; }
    int count() const { return int(m_forums.size()); }
    QueueForum currentForum() const;
    const QString& runId() const { return m_runId; }
    const QList<PostRecord>& records() const { return m_records; }

    // "2 of 5: forum name"; after a run, how it ended ("Done: 3 watched, 1 skipped").
    QString progressText() const;
    // After a run, what became of it: "Posted to 3 of 4 forums: 1 skipped (no posting page)."
    // "" before the first run and while one goes on.
    QString summaryText() const;
    // The forums the last run passed over, in its order, to try again.
    QList<QueueForum> skippedForums() const;
    const QString& subject() const { return m_subject; }
    const QString& message() const { return m_message; }
    // "loading", "waiting for you to submit", "watching", "skipped"; "" when idle.
    QString stateText() const;
    // The last forum passed over without the user's say, and why ("Forum B: no posting
    // page"); "" when none was.
    const QString& skipNote() const { return m_skipNote; }

    static QString stateName(State state);
    static QString noPostingPageReason();
    // The note of a post whose subject found no field of its own in the posting form.
    static QString noSubjectFieldNote();
    // The reason of a forum passed over because the user chose not to post there again.
    static QString alreadyPostedReason();

public slots:
    // The browser pane finished loading a page.
    void pageLoaded();
    // The insert asked for ended; whether the subject went into a field of its own. The forum's
    // record then names the subject only when it did.
    void insertMade(bool subjectInserted);
    // The follow-up of the insert found the post at this address and put it on watch.
    // pageTitle: the title of the thread's page as the browser shows it; the post log keeps it
    // without the forum's name and the page's number.
    void threadFound(const QString& address, const QString& pageTitle = {});
    // "Next Forum": the post was not found (or not made); on to the next forum.
    void nextForum();
    // "Skip": passed over by the user.
    void skip();
    // "Stop", and closing the program mid-run: the forum at hand is recorded as stopped and
    // the run ends. Does nothing when no run is going on.
    void stop();

signals:
    // Navigate the browser pane to the forum's posting page.
    void navigateRequested(const QString& address);
    // Put subject and message into the page shown, converted to this format, as Auto-Insert
    // does.
    void insertRequested(const QString& subject, const QString& message, const QString& format);
    // A forum's outcome, for the post log.
    void recorded(const PostRecord& record);
    // Position, state or note changed.
    void changed();
    // The run ended: every forum done, or stopped.
    void finished();

private:
    void record(const QString& result, const std::optional<QString>& thread = {},
                const QString& note = {}, const QString& threadTitle = {});
    // Moves to the forum after the current one, recording forums without a posting page on the
    // way, and ends the run after the last.
    void advance();
    void finish(State endState);

    const Clock& m_clock;
    RepeatCheck m_repeatCheck;
    QList<QueueForum> m_forums;
    QString m_subject;
    QString m_message;
    QString m_runId;
    QList<PostRecord> m_records;
    QString m_skipNote;
    int m_current = -1;
    bool m_settled = false;                // the current forum's outcome is recorded
    std::optional<bool> m_subjectInserted; // told by insertMade for the current forum
    State m_state = State::Idle;
};

} // namespace quillbox
