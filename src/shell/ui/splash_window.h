#pragma once

#include "shell/branding.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace quillbox {

class SkinControl;

// The first window of the program. It carries the program's shared skin object and starts the
// skin engine; after 75 ticks of its timer it asks for the main window and hides. It stays
// loaded, hidden, while the main window is open, because the skin object is its.
class SplashWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplashWindow)

public:
    // Timer2 ticks every 2 ms, counting 2 a tick; at 150 the main window is due.
    static constexpr int tickInterval = 2;
    static constexpr int countPerTick = 2;
    static constexpr int countWhenDue = 150;

    ~SplashWindow() override;

    // The loaded splash window; null when it is not loaded.
    static SplashWindow* loaded();
    // Loads the splash window unless it is loaded: branding, the shared skin object, the skin
    // on itself, the skin engine attached and started, the timer enabled. Not shown yet.
    static SplashWindow* load();
    // Unloads it: the shared skin object goes with it.
    static void unload();

    // One tick of the timer (the timer calls it; tests may too).
    void tick();
    int count() const { return m_count; }
    bool timerEnabled() const;
    void stopTimer();
    SkinControl* skin() const { return m_skin; }

signals:
    // The 75th tick: load and show the main window now. Emitted once.
    void mainWindowDue();

private:
    SplashWindow();
    void runLoad();
    // applySkin's way back to the shared skin object: the splash loaded without its start-up.
    static void recoverSharedSkin();

    Branding m_branding;
    SkinControl* m_skin = nullptr;
    QLabel* m_picture = nullptr;
    QTimer* m_timer = nullptr;
    qint16 m_count = 0;
    bool m_due = false;
};

} // namespace quillbox
