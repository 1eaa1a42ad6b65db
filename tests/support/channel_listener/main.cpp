// Listens where a program's single-instance channel would be, as the user it is run as, and
// tells on standard output of every connection and every byte it receives: the channel tests run
// it as another user, to show that nothing reaches it.
#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <cstdio>

namespace {

void say(const QByteArray& line) {
    std::fputs(QByteArray(line + '\n').constData(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QLocalServer server;
    server.setSocketOptions(QLocalServer::WorldAccessOption);
    if (!server.listen(QString::fromLocal8Bit(argv[1]))) {
        say("cannot listen: " + server.errorString().toLocal8Bit());
        return 1;
    }
    QObject::connect(&server, &QLocalServer::newConnection, &server, [&server] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            say("connected");
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                say("received " + QByteArray::number(socket->readAll().size()) + " bytes");
                // Whatever came, it answers as the program would.
                socket->write("ok\nmarked 1\n");
            });
        }
    });
    say("listening");
    return app.exec();
}
