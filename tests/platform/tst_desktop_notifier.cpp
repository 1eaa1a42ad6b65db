// The desktop notifier against a notification service of the test's own, on a private
// session bus.
#include "platform/qt/desktop_notifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

using quillbox::DesktopNotifier;

namespace {

class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString summary;
        QString body;
        uint replaces;
        QStringList actions;
    };
    QList<Call> calls;

public slots:
    QStringList GetCapabilities() { return {u"body"_s, u"body-markup"_s, u"actions"_s}; }
    uint Notify(const QString&, uint replaces, const QString&, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap&, int) {
        calls.append({summary, body, replaces, actions});
        return 40 + uint(calls.size());
    }
};

QByteArray busAddress;
long busPid = 0;

// Starts a session bus of the test's own before anything looks for one.
void startPrivateBus() {
    FILE* out =
        ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
    if (!out)
        return;
    char line[512];
    if (std::fgets(line, sizeof line, out))
        busAddress = QByteArray(line).trimmed();
    if (std::fgets(line, sizeof line, out))
        busPid = std::strtol(line, nullptr, 10);
    ::pclose(out);
    if (!busAddress.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress);
}

} // namespace

class TestDesktopNotifier : public QObject {
    Q_OBJECT
private slots:
    void notifiesOverTheBusAndActivatesOnClick();
};

void TestDesktopNotifier::notifiesOverTheBusAndActivatesOnClick() {
    if (busAddress.isEmpty())
        QSKIP("dbus-daemon could not start a private bus");
    // The service lives on a connection of its own, as a desktop's would.
    QDBusConnection service =
        QDBusConnection::connectToBus(QString::fromLatin1(busAddress), u"fake-service"_s);
    QVERIFY(service.isConnected());
    FakeNotifications fake;
    QVERIFY(service.registerObject(u"/org/freedesktop/Notifications"_s, &fake,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService(u"org.freedesktop.Notifications"_s));

    DesktopNotifier notifier(u"quillbox"_s);
    int activations = 0;
    notifier.setActivationHandler([&activations] { ++activations; });
    notifier.notify(u"New replies"_s, u"1 thread has new replies:\nhttp://f/t?a=1&b=<2>"_s);
    QTRY_COMPARE_WITH_TIMEOUT(fake.calls.size(), 1, 30000);
    QCOMPARE(fake.calls[0].summary, u"New replies"_s);
    // The service reads markup: the address must reach it as text.
    QCOMPARE(fake.calls[0].body, u"1 thread has new replies:\nhttp://f/t?a=1&amp;b=&lt;2&gt;"_s);
    QCOMPARE(fake.calls[0].replaces, 0u);
    QVERIFY(fake.calls[0].actions.contains(u"default"_s));

    const auto invoke = [&service](uint id, const QString& action) {
        QDBusMessage signal =
            QDBusMessage::createSignal(u"/org/freedesktop/Notifications"_s,
                                       u"org.freedesktop.Notifications"_s, u"ActionInvoked"_s);
        signal << id << action;
        return service.send(signal);
    };
    // Another program's notification is none of ours.
    QVERIFY(invoke(7, u"default"_s));
    QVERIFY(invoke(41, u"default"_s));
    QTRY_COMPARE_WITH_TIMEOUT(activations, 1, 30000);

    // The next notification replaces the one still shown.
    notifier.notify(u"New replies"_s, u"2 threads"_s);
    QTRY_COMPARE_WITH_TIMEOUT(fake.calls.size(), 2, 30000);
    QCOMPARE(fake.calls[1].replaces, 41u);
    QCOMPARE(activations, 1);
}

int main(int argc, char** argv) {
    startPrivateBus();
    int result = 0;
    {
        QApplication app(argc, argv);
        TestDesktopNotifier test;
        result = QTest::qExec(&test, argc, argv);
    }
    if (busPid > 0)
        ::kill(pid_t(busPid), SIGTERM);
    return result;
}

#include "tst_desktop_notifier.moc"
