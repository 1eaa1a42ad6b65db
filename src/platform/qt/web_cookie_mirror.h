#pragma once

#include <QObject>

class QWebEngineProfile;

namespace quillbox {

class ThreadCookieJar;

// Keeps the checks' cookie jar a copy of a browser profile's cookie store: every cookie the
// store holds at the start, and each one added or removed afterwards.
class WebCookieMirror : public QObject {
    Q_OBJECT
public:
    WebCookieMirror(QWebEngineProfile* profile, ThreadCookieJar& jar, QObject* parent = nullptr);
};

} // namespace quillbox
