#include "widgets/column_border.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace quillbox {

ColumnBorder::ColumnBorder(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SplitHCursor);
    setFocusPolicy(Qt::ClickFocus);
}

void ColumnBorder::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_lastX = qRound(event->globalPosition().x());
}

void ColumnBorder::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    const int x = qRound(event->globalPosition().x());
    if (x != m_lastX)
        emit dragged(x - m_lastX);
    m_lastX = x;
}

void ColumnBorder::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    emit released();
}

void ColumnBorder::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 50 : 10;
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        emit dragged(event->key() == Qt::Key_Left ? -step : step);
        emit released();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ColumnBorder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    option.state |= QStyle::State_Horizontal;
    style()->drawControl(QStyle::CE_Splitter, &option, &painter, this);
}

} // namespace quillbox
