#include "platform/qt/desktop_notifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QVariantMap>

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
        QDBusInterface service(kService, kPath, kService, bus);
        const QDBusReply<QStringList> caps = service.call(QStringLiteral("GetCapabilities"));
        m_bodyMarkup = caps.isValid() && caps.value().contains(QStringLiteral("body-markup"));
    }
    return true;
}

bool DesktopNotifier::notifyOverBus(const QString& title, const QString& body) {
    if (!serviceAvailable())
        return false;
    QDBusInterface service(kService, kPath, kService, QDBusConnection::sessionBus());
    // Addresses may hold "&" or "<"; a service that reads markup must not take them for it.
    QString text = m_bodyMarkup ? body.toHtmlEscaped() : body;
    const QDBusReply<uint> reply = service.call(
        QStringLiteral("Notify"), QApplication::applicationName(), m_lastId, m_iconName, title,
        text, QStringList{QStringLiteral("default"), QStringLiteral("Show")}, QVariantMap(),
        int(-1));
    if (!reply.isValid())
        return false;
    m_lastId = reply.value();
    return true;
}

void DesktopNotifier::notifyInTray(const QString& title, const QString& body) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(QIcon(QStringLiteral(":/quillbox/quillbox.png")));
        m_tray->setToolTip(QApplication::applicationName());
        connect(m_tray, &QSystemTrayIcon::messageClicked, this, [this] { activated(); });
        connect(m_tray, &QSystemTrayIcon::activated, this, [this] { activated(); });
    }
    m_tray->show();
    m_tray->showMessage(title, body, QSystemTrayIcon::Information);
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
