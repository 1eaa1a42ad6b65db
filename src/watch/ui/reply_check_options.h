#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace quillbox {

// The reply check's options: "Check for new replies every" 15, 30 or 45 minutes or 1 to 24
// hours (or off), and "Check threads as the logged-in user".
class ReplyCheckOptions final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReplyCheckOptions)
public:
    explicit ReplyCheckOptions(QWidget* parent = nullptr);

    // 0 when off. An interval that is none of the choices (stored by hand) is offered as it is.
    void setIntervalMinutes(int minutes);
    int intervalMinutes() const;
    void setCheckAsLoggedIn(bool on);
    bool checkAsLoggedIn() const;

private:
    QCheckBox* scheduleBox = nullptr;
    QComboBox* intervalBox = nullptr;
    QCheckBox* loggedInBox = nullptr;
};

} // namespace quillbox
