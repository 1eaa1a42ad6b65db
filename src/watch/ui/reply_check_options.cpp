#include "watch/ui/reply_check_options.h"

#include "watch/check_schedule.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quillbox {

ReplyCheckOptions::ReplyCheckOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReplyOptions"));
    setWindowTitle(QStringLiteral("Reply Check Settings"));

    scheduleBox = new QCheckBox(QStringLiteral("Check for new replies every"), this);
    scheduleBox->setObjectName(QStringLiteral("chkSchedule"));
    hoursBox = new QSpinBox(this);
    hoursBox->setObjectName(QStringLiteral("spnHours"));
    hoursBox->setRange(CheckSchedule::kMinHours, CheckSchedule::kMaxHours);
    hoursBox->setValue(3);
    hoursBox->setEnabled(false);
    auto* hoursLabel = new QLabel(QStringLiteral("hours"), this);
    connect(scheduleBox, &QCheckBox::toggled, hoursBox, &QSpinBox::setEnabled);

    loggedInBox = new QCheckBox(QStringLiteral("Check threads as the logged-in user"), this);
    loggedInBox->setObjectName(QStringLiteral("chkLoggedIn"));
    loggedInBox->setToolTip(QStringLiteral(
        "Send the cookies of the built-in browser with each check, so threads that only members "
        "can read are measured as you see them. Re-record the sizes after changing this."));

    auto* note = new QLabel(QStringLiteral("Checks run while Quillbox is open, without message "
                                           "boxes; a notification names the threads with new "
                                           "replies."),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(scheduleBox);
    row->addWidget(hoursBox);
    row->addWidget(hoursLabel);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(loggedInBox);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void ReplyCheckOptions::setIntervalHours(int hours) {
    scheduleBox->setChecked(hours > 0);
    if (hours > 0)
        hoursBox->setValue(hours);
}

int ReplyCheckOptions::intervalHours() const {
    return scheduleBox->isChecked() ? hoursBox->value() : 0;
}

void ReplyCheckOptions::setCheckAsLoggedIn(bool on) {
    loggedInBox->setChecked(on);
}

bool ReplyCheckOptions::checkAsLoggedIn() const {
    return loggedInBox->isChecked();
}

} // namespace quillbox
