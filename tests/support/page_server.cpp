#include "support/page_server.h"

namespace quillbox::test {

PageServer::PageServer(QObject* parent) : ScriptedHttpServer(parent) {
    setDefaultScript(whole(response("404 Not Found", "Content-Type: text/plain\r\n", "Not Found")));
}

QByteArray PageServer::response(const QByteArray& status, const QByteArray& headers,
                                const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\n" + headers +
           "Content-Length: " + QByteArray::number(body.size()) +
           "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
}

void PageServer::addPage(const QByteArray& path, const QByteArray& html,
                         const QByteArray& contentType) {
    setScript(path, whole(response("200 OK", "Content-Type: " + contentType + "\r\n", html)));
}

void PageServer::addRedirect(const QByteArray& path, const QString& location) {
    setScript(path, whole(response("302 Found", "Location: " + location.toUtf8() + "\r\n", {})));
}

} // namespace quillbox::test
