#pragma once

#include <QLabel>

namespace quillbox {

// A panel of a status bar: one line of plain text that, when the panel is too narrow for it,
// ends in an ellipsis and shows the whole text as its tooltip. text() is always the whole text.
class StatusPanel : public QLabel {
    Q_OBJECT

public:
    explicit StatusPanel(QWidget* parent = nullptr);

    // True when the panel shows less than its whole text.
    bool isCut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace quillbox
