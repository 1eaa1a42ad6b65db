#pragma once

#include <QString>
#include <functional>
#include <utility>

namespace quillbox {

// Desktop notifications. The program shows them through the desktop's notification service
// (or the tray icon where there is none); tests record them.
class Notifier {
public:
    virtual ~Notifier() = default;
    // Shows a notification, replacing the one shown before, if it is still up.
    virtual void notify(const QString& title, const QString& body) = 0;
    // What the program's icon on the desktop (the tray's) says of unread replies, as in
    // "Quillbox (3)"; a notifier with no such icon ignores it.
    virtual void showUnread(const QString& text) { (void)text; }
    // What to do when the user activates (clicks) a notification.
    void setActivationHandler(std::function<void()> handler) { m_onActivated = std::move(handler); }

protected:
    void activated() const {
        if (m_onActivated)
            m_onActivated();
    }

private:
    std::function<void()> m_onActivated;
};

} // namespace quillbox
