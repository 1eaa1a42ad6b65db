#pragma once

#include "platform/notifier.h"

#include <QObject>
#include <QPointer>
#include <optional>

class QSystemTrayIcon;

namespace quillbox {

// Notifications through the desktop's notification service (org.freedesktop.Notifications on
// the session bus); where no service answers, through a tray icon's message balloon; where
// there is neither, not at all. Activating a notification runs the activation handler.
class DesktopNotifier final : public QObject, public Notifier {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopNotifier)
public:
    explicit DesktopNotifier(const QString& iconName, QObject* parent = nullptr);
    ~DesktopNotifier() override;

    void notify(const QString& title, const QString& body) override;
    void showUnread(const QString& text) override;

private slots:
    // The service's signals, connected by name as D-Bus requires.
    void onActionInvoked(uint id, const QString& actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    bool serviceAvailable();
    bool notifyOverBus(const QString& title, const QString& body);
    void sendOverBus(const QString& title, const QString& body);
    void notifyInTray(const QString& title, const QString& body);

    struct Waiting {
        QString title;
        QString body;
    };

    QString m_iconName;
    uint m_lastId = 0;
    bool m_connected = false;
    bool m_bodyMarkup = false;
    bool m_capabilitiesKnown = false;
    std::optional<Waiting> m_waiting;
    QPointer<QSystemTrayIcon> m_tray;
    QString m_unreadText; // the tray's tooltip once there are unread replies
};

} // namespace quillbox
