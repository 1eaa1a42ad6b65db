#pragma once

#include <QObject>

class QWebEngineProfile;

namespace quillbox {

class Program;

// Keeps the checks' cookies a copy of a browser profile's cookie store: the program is told of
// every cookie the store holds at the start, and of each one added or removed afterwards.
class CookieMirror final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CookieMirror)
public:
    CookieMirror(QWebEngineProfile* profile, Program& program, QObject* parent = nullptr);
};

} // namespace quillbox
