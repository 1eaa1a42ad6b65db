#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace quillbox {

// The reply check's options: "Check for new replies every N hours" (off, or 1 to 24) and
// "Check threads as the logged-in user".
class ReplyCheckOptions : public QDialog {
    Q_OBJECT
public:
    explicit ReplyCheckOptions(QWidget* parent = nullptr);

    // 0 when off.
    void setIntervalHours(int hours);
    int intervalHours() const;
    void setCheckAsLoggedIn(bool on);
    bool checkAsLoggedIn() const;

private:
    QCheckBox* scheduleBox = nullptr;
    QSpinBox* hoursBox = nullptr;
    QCheckBox* loggedInBox = nullptr;
};

} // namespace quillbox
