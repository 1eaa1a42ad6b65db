#pragma once

#include "store/file_result.h"

#include <QDateTime>
#include <QList>
#include <QNetworkCookie>
#include <QObject>
#include <QString>
#include <QTimer>

namespace quillbox {

class ForumCookieJar;

// The forum cookies the window's checks send, kept for quillbox-check while "Check threads as
// the logged-in user" is on, so that both measure a thread as the same user. One cookie a
// line, as a Set-Cookie header writes it; lines starting with "#" are comments.
//
// Only cookies that outlive the program are kept: a session cookie ends with the browser's
// session, so it is never written, and one found in the file anyway (a hand edit) is not sent.
// Expired cookies are neither written nor sent.
inline constexpr char kCookieFileName[] = "check-cookies.txt";
QString cookieFilePath(const QString& dataFolder);

// The file's bytes for these cookies, as they stand at `now`.
QByteArray cookieFileBytes(const QList<QNetworkCookie>& cookies, const QDateTime& now);

struct CookieFileRead {
    QList<QNetworkCookie> cookies; // the ones to send: persistent and unexpired at `now`
    FileResult status;             // a missing file is no error and holds no cookies
    int skipped = 0;               // lines that are no cookie, or a session cookie
};
CookieFileRead readCookieFile(const QString& path, const QDateTime& now);

// Keeps the cookie file in step with the jar while enabled: a change is written a moment later
// (a burst of changes, such as the browser loading its store, is written once), atomically and
// readable by its owner only. Switched off, the file is removed (emptied when it cannot be).
class CookieFileKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kCoalesceMs = 1000;

    CookieFileKeeper(ForumCookieJar& jar, const QString& path, QObject* parent = nullptr);
    ~CookieFileKeeper() override;

    // On: the jar is written soon, unless it is empty (a start-up before the browser has
    // handed over its cookies must not empty the file). Off: the file goes, also one left
    // behind by an earlier run.
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    // Writes a change still waiting; nothing when none is.
    void flush();
    bool isPending() const { return m_timer.isActive(); }
    QString path() const { return m_path; }

signals:
    // The file could not be written or removed; the message names it and says why.
    void failed(const QString& message);

private:
    void write();
    void removeFile();

    ForumCookieJar& m_jar;
    QString m_path;
    QTimer m_timer;
    bool m_enabled = false;
};

} // namespace quillbox
