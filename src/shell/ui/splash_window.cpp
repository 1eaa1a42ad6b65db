#include "shell/ui/splash_window.h"

#include "skin/skin.h"
#include "skin/ui/apply_skin.h"
#include "skin/ui/skin_control.h"
#include "skin/ui/skin_engine_start.h"
#include "widgets/pictures.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace quillbox {

namespace {

constexpr QSize artworkSize(480, 300);

QPointer<SplashWindow>& loadedSplash() {
    static QPointer<SplashWindow> splash;
    return splash;
}

} // namespace

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Quillbox"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(artworkSize);

    m_skin = new SkinControl(gemBlue(), this);
    m_skin->setObjectName(QStringLiteral("skn"));

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setProperty("controlType", QStringLiteral("Image"));
    m_picture->setGeometry(QRect(QPoint(0, 0), artworkSize));
    m_picture->setPixmap(picturePixmap(QStringLiteral("splash"), artworkSize, devicePixelRatioF()));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer2"));
    m_timer->setInterval(tickInterval);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::tick);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

SplashWindow::~SplashWindow() = default;

SplashWindow* SplashWindow::loaded() {
    return loadedSplash().data();
}

SplashWindow* SplashWindow::load() {
    if (SplashWindow* splash = loaded())
        return splash;
    auto* splash = new SplashWindow;
    loadedSplash() = splash;
    // A splash window still loaded when the program ends goes before the application.
    if (qApp)
        connect(qApp, &QCoreApplication::aboutToQuit, splash, &QObject::deleteLater);
    splash->runLoad();
    return splash;
}

void SplashWindow::unload() {
    delete loadedSplash().data();
}

void SplashWindow::runLoad() {
    m_branding = loadBranding();
    if (m_branding.skinEnabled) {
        SkinControl::makeShared(m_skin);
        setSharedSkinRecovery(&SplashWindow::recoverSharedSkin);
        applySkin(this);
        attachAndStartSkinEngine(*m_skin);
    }
    m_timer->start();
}

bool SplashWindow::timerEnabled() const {
    return m_timer->isActive();
}

void SplashWindow::stopTimer() {
    m_timer->stop();
}

void SplashWindow::tick() {
    if (m_due)
        return;
    m_count = qint16(m_count + countPerTick);
    if (m_count < countWhenDue)
        return;
    m_due = true;
    m_timer->stop();
    emit mainWindowDue();
    hide();
}

void SplashWindow::recoverSharedSkin() {
    const QPointer<SplashWindow> splash = load();
    // The load enables the timer; the splash's own start-up must not run this time.
    while (splash && !splash->timerEnabled())
        QCoreApplication::processEvents();
    if (!splash)
        return;
    splash->stopTimer();
    splash->hide();
}

} // namespace quillbox
