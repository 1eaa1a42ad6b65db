#include "widgets/pictures.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QToolButton>
#include <memory>

namespace quillbox {

namespace {

QString resourcePath(const QString& name) {
    return QStringLiteral(":/quillbox/pictures/") + name + QStringLiteral(".svg");
}

QPixmap render(QSvgRenderer& renderer, const QSize& pixels) {
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return pixmap;
}

// Draws the icon from its SVG at each size asked for, once per size and mode.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(QString name) : m_name(std::move(name)) {}

    QIconEngine* clone() const override { return new PictureIconEngine(m_name); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Q_UNUSED(state);
        if (size.isEmpty())
            return {};
        const QString key = QString::number(size.width()) + u'x' + QString::number(size.height()) +
                            u'/' + QString::number(int(mode));
        if (const auto found = m_cache.constFind(key); found != m_cache.constEnd())
            return *found;
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(resourcePath(m_name));
        if (!m_renderer->isValid())
            return {};
        QPixmap pm = render(*m_renderer, size);
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        m_cache.insert(key, pm);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QString key() const override { return QStringLiteral("quillboxPicture"); }
    QString iconName() override { return m_name; }

private:
    QString m_name;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QHash<QString, QPixmap> m_cache;
};

} // namespace

QIcon pictureIcon(const QString& name) {
    return QIcon(new PictureIconEngine(name));
}

QPixmap picturePixmap(const QString& name, const QSize& size, qreal devicePixelRatio) {
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QPixmap pm = render(renderer, (QSizeF(size) * devicePixelRatio).toSize());
    pm.setDevicePixelRatio(devicePixelRatio);
    return pm;
}

QIcon programIcon() {
    return pictureIcon(QStringLiteral("quillbox"));
}

} // namespace quillbox

namespace quillbox {

void fitPictureBesideCaption(QToolButton* button) {
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (button->sizeHint().width() > button->width())
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

} // namespace quillbox
