#pragma once

#include "support/scripted_http_server.h"

namespace quillbox::test {

// Serves fixed pages and redirects on 127.0.0.1; anything else is "404 Not Found".
class PageServer : public ScriptedHttpServer {
public:
    explicit PageServer(QObject* parent = nullptr);

    void addPage(const QByteArray& path, const QByteArray& html,
                 const QByteArray& contentType = "text/html; charset=utf-8");
    void addRedirect(const QByteArray& path, const QString& location);

    static QByteArray response(const QByteArray& status, const QByteArray& headers,
                               const QByteArray& body);
};

} // namespace quillbox::test
