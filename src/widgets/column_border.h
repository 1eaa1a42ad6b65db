#pragma once

#include <QWidget>

namespace quillbox {

// The border between two columns of a window whose controls are placed by hand: dragging it
// tells how far it went, and the window moves the columns. The arrow keys move it too, when it
// has the focus.
class ColumnBorder : public QWidget {
    Q_OBJECT

public:
    explicit ColumnBorder(QWidget* parent = nullptr);

signals:
    // The border was dragged by this many pixels (to the right when positive).
    void dragged(int pixels);
    // The user let go of the border: a good time to keep where it is.
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_lastX = 0;
    bool m_dragging = false;
};

} // namespace quillbox
