// A termination signal at any moment of start-up ends the program the ordinary way, never as a
// crash; once started, it asks the window to close.
#include "app/termination_signals.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace quillbox;

namespace {

// The child: catches the signals, is in start-up or not as told, and sends itself SIGTERM.
int child(int argc, char** argv, bool startingWhenSignalled) {
    QCoreApplication app(argc, argv);
    TerminationSignals termination;
    termination.setStarting(true);
    if (!startingWhenSignalled)
        termination.setStarting(false);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app, [] {
        std::fputs("close requested\n", stdout);
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(0, &app, [] { std::raise(SIGTERM); });
    return app.exec();
}

} // namespace

class TestTerminationSignals : public QObject {
    Q_OBJECT
private slots:
    void signalEndsOrClosesByPhase_data();
    void signalEndsOrClosesByPhase();
};

void TestTerminationSignals::signalEndsOrClosesByPhase_data() {
    QTest::addColumn<QString>("phase");
    QTest::addColumn<bool>("endedBySignal");
    QTest::newRow("starting") << u"--starting"_s << true;
    QTest::newRow("started") << u"--started"_s << false;
}

void TestTerminationSignals::signalEndsOrClosesByPhase() {
    QFETCH(QString, phase);
    QFETCH(bool, endedBySignal);
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {phase});
    QVERIFY(process.waitForFinished());
    if (endedBySignal) {
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(process.exitCode(), SIGTERM); // not SIGSEGV
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
    } else {
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(), QByteArray("close requested\n"));
    }
}

int main(int argc, char** argv) {
    if (argc == 2 && (qstrcmp(argv[1], "--starting") == 0 || qstrcmp(argv[1], "--started") == 0))
        return child(argc, argv, qstrcmp(argv[1], "--starting") == 0);
    QCoreApplication app(argc, argv);
    TestTerminationSignals test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_termination_signals.moc"
