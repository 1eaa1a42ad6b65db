#include "platform/qt/desktop_notifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QVariantMap>
#include <utility>

namespace quillbox {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

DesktopNotifier::DesktopNotifier(const QString& iconName, QObject* parent)
    : QObject(parent), m_iconName(iconName) {}

DesktopNotifier::~DesktopNotifier() {
    delete m_tray;
}

bool DesktopNotifier::serviceAvailable() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(kService).value())
        return false;
    if (!m_connected) {
        m_connected = true;
        bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                    SLOT(onActionInvoked(uint, QString)));
        bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                    SLOT(onNotificationClosed(uint, uint)));
        // Asked once; a slow service must not hold up the window.
        const QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService,
                                                                 QStringLiteral("GetCapabilities"));
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher* w) {
                    const QDBusPendingReply<QStringList> caps = *w;
                    m_bodyMarkup =
                        caps.isValid() && caps.value().contains(QStringLiteral("body-markup"));
                    m_capabilitiesKnown = true;
                    w->deleteLater();
                    if (m_waiting) {
                        const Waiting notice = *std::exchange(m_waiting, std::nullopt);
                        sendOverBus(notice.title, notice.body);
                    }
                });
    }
    return true;
}

bool DesktopNotifier::notifyOverBus(const QString& title, const QString& body) {
    if (!serviceAvailable())
        return false;
    // Whether the body is read as markup decides how it is written: the first notification
    // waits for the answer (a later one replaces it).
    if (!m_capabilitiesKnown) {
        m_waiting = Waiting{title, body};
        return true;
    }
    sendOverBus(title, body);
    return true;
}

void DesktopNotifier::sendOverBus(const QString& title, const QString& body) {
    // Addresses may hold "&" or "<"; a service that reads markup must not take them for it.
    const QString text = m_bodyMarkup ? body.toHtmlEscaped() : body;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << QApplication::applicationName() << m_lastId << m_iconName << title << text
         << QStringList{QStringLiteral("default"), QStringLiteral("Show")} << QVariantMap()
         << int(-1);
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, title, body](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isValid())
                    m_lastId = reply.value();
                else
                    notifyInTray(title, body); // the service went away
                w->deleteLater();
            });
}

void DesktopNotifier::notifyInTray(const QString& title, const QString& body) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(QIcon(QStringLiteral(":/quillbox/quillbox.png")));
        m_tray->setToolTip(m_unreadText.isEmpty() ? QApplication::applicationName() : m_unreadText);
        connect(m_tray, &QSystemTrayIcon::messageClicked, this, [this] { activated(); });
        connect(m_tray, &QSystemTrayIcon::activated, this, [this] { activated(); });
    }
    m_tray->show();
    m_tray->showMessage(title, body, QSystemTrayIcon::Information);
}

void DesktopNotifier::showUnread(const QString& text) {
    m_unreadText = text;
    if (m_tray)
        m_tray->setToolTip(text);
}

void DesktopNotifier::notify(const QString& title, const QString& body) {
    if (!notifyOverBus(title, body))
        notifyInTray(title, body);
}

void DesktopNotifier::onActionInvoked(uint id, const QString& actionKey) {
    if (id == m_lastId && id != 0 && actionKey == QLatin1String("default"))
        activated();
}

void DesktopNotifier::onNotificationClosed(uint id, uint) {
    if (id == m_lastId)
        m_lastId = 0;
}

} // namespace quillbox
