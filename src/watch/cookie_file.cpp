#include "watch/cookie_file.h"

#include "platform/logging.h"
#include "store/text_file.h"
#include "watch/forum_cookie_jar.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace quillbox {

namespace {

bool keeps(const QNetworkCookie& cookie, const QDateTime& now) {
    return !cookie.name().isEmpty() && !cookie.isSessionCookie() && cookie.expirationDate() > now;
}

} // namespace

QString cookieFilePath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QString::fromLatin1(kCookieFileName));
}

QByteArray cookieFileBytes(const QList<QNetworkCookie>& cookies, const QDateTime& now) {
    QByteArray out = "# Quillbox: the forum cookies of \"Check threads as the logged-in user\", "
                     "for quillbox-check.\n";
    for (const QNetworkCookie& cookie : cookies) {
        if (!keeps(cookie, now))
            continue;
        const QByteArray line = cookie.toRawForm(QNetworkCookie::Full);
        // A line break inside would split the cookie in two on reading.
        if (std::any_of(line.begin(), line.end(),
                        [](char c) { return c == '\r' || c == '\n' || c == '\0'; }))
            continue;
        out += line + '\n';
    }
    return out;
}

CookieFileRead readCookieFile(const QString& path, const QDateTime& now) {
    CookieFileRead read;
    if (!QFile::exists(path)) {
        qCInfo(logCookies).noquote() << "no cookie file, checking without cookies:" << path;
        return read;
    }
    const ReadBytesResult bytes = readFileBytes(path);
    if (!bytes.status.ok) {
        qCInfo(logCookies).noquote()
            << "cookie file not read, checking without cookies:" << bytes.status.message;
        read.status = bytes.status;
        return read;
    }
    for (const QByteArray& raw : bytes.bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QNetworkCookie> parsed = QNetworkCookie::parseCookies(line);
        if (parsed.size() != 1 || !keeps(parsed.first(), now)) {
            ++read.skipped;
            continue;
        }
        read.cookies.append(parsed.first());
    }
    // How many, never which: a cookie's name or value is the user's login.
    qCInfo(logCookies).noquote() << "read" << read.cookies.size() << "cookies from" << path
                                 << "- passed over" << read.skipped
                                 << "(session cookies, expired or not cookies)";
    return read;
}

CookieFileKeeper::CookieFileKeeper(ForumCookieJar& jar, const QString& path, QObject* parent)
    : QObject(parent), m_jar(jar), m_path(path) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kCoalesceMs);
    connect(&m_timer, &QTimer::timeout, this, &CookieFileKeeper::write);
    connect(&m_jar, &ForumCookieJar::changed, this, [this] {
        if (m_enabled)
            m_timer.start();
    });
}

CookieFileKeeper::~CookieFileKeeper() {
    // A change still waiting is written; whoever heard of failures is going away too.
    blockSignals(true);
    flush();
}

void CookieFileKeeper::setEnabled(bool on) {
    const bool was = m_enabled;
    m_enabled = on;
    if (!on) {
        // Also at start-up: a file left behind (the program ended before it could remove it)
        // must not go on sending cookies the user no longer wants sent.
        m_timer.stop();
        removeFile();
        return;
    }
    // At start-up the jar is still empty, the browser's store handing its cookies over
    // afterwards: the file keeps what it holds until they come.
    if (!was && m_jar.count() > 0)
        m_timer.start();
    else if (!was)
        qCInfo(logCookies) << "cookie file kept as it is until the browser hands over its cookies";
}

void CookieFileKeeper::flush() {
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    write();
}

void CookieFileKeeper::write() {
    if (!m_enabled)
        return;
    const QByteArray bytes = cookieFileBytes(m_jar.cookies(), QDateTime::currentDateTimeUtc());
    const FileResult written = writeFileAtomically(m_path, bytes, true);
    if (!written.ok) {
        qCWarning(logCookies).noquote() << "cookie file not written:" << written.message;
        emit failed(written.message);
        return;
    }
    // The first line is the file's comment.
    qCInfo(logCookies).noquote() << "wrote" << bytes.count('\n') - 1 << "of the jar's"
                                 << m_jar.count() << "cookies (the lasting ones) to" << m_path;
}

void CookieFileKeeper::removeFile() {
    QFile file(m_path);
    if (!file.exists())
        return;
    if (file.remove()) {
        qCInfo(logCookies).noquote() << "checks as the logged-in user are off: removed" << m_path;
        return;
    }
    // A file that cannot go is at least emptied of its cookies.
    const FileResult emptied = writeFileAtomically(m_path, cookieFileBytes({}, {}), true);
    if (!emptied.ok) {
        qCWarning(logCookies).noquote()
            << "cookie file neither removed nor emptied:" << emptied.message;
        emit failed(emptied.message);
        return;
    }
    qCInfo(logCookies).noquote() << "checks as the logged-in user are off: could not remove"
                                 << m_path << "so it was emptied";
}

} // namespace quillbox
