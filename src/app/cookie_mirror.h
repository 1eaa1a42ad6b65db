#pragma once

#include <QObject>

class QWebEngineProfile;

namespace quillbox {

class ForumCookieJar;

// Keeps the checks' cookie jar a copy of a browser profile's cookie store: every cookie the
// store holds at the start, and each one added or removed afterwards.
class CookieMirror final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CookieMirror)
public:
    CookieMirror(QWebEngineProfile* profile, ForumCookieJar& jar, QObject* parent = nullptr);
};

} // namespace quillbox
