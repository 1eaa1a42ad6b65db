#include "watch/ui/reply_check_options.h"

#include "watch/check_schedule.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quillbox {

namespace {

QString intervalText(int minutes) {
    if (minutes % 60 != 0)
        return QCoreApplication::translate("quillbox::ReplyCheckOptions", "%1 minutes")
            .arg(minutes);
    return minutes == 60 ? QCoreApplication::translate("quillbox::ReplyCheckOptions", "1 hour")
                         : QCoreApplication::translate("quillbox::ReplyCheckOptions", "%1 hours")
                               .arg(minutes / 60);
}

} // namespace

ReplyCheckOptions::ReplyCheckOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReplyOptions"));
    setWindowTitle(tr("Reply Check Settings"));

    scheduleBox = new QCheckBox(tr("Check for new replies every"), this);
    scheduleBox->setObjectName(QStringLiteral("chkSchedule"));
    intervalBox = new QComboBox(this);
    intervalBox->setObjectName(QStringLiteral("cmbInterval"));
    for (int minutes : {15, 30, 45})
        intervalBox->addItem(intervalText(minutes), minutes);
    for (int hours = 1; hours * 60 <= CheckSchedule::kMaxMinutes; ++hours)
        intervalBox->addItem(intervalText(hours * 60), hours * 60);
    intervalBox->setCurrentIndex(intervalBox->findData(3 * 60));
    intervalBox->setEnabled(false);
    connect(scheduleBox, &QCheckBox::toggled, intervalBox, &QComboBox::setEnabled);

    loggedInBox = new QCheckBox(tr("Check threads as the logged-in user"), this);
    loggedInBox->setObjectName(QStringLiteral("chkLoggedIn"));
    loggedInBox->setToolTip(
        tr("Send the cookies of the built-in browser with each check, so threads that only members "
           "can read are measured as you see them. Re-record the sizes after changing this."));

    auto* note = new QLabel(tr("Checks run while Quillbox is open, without message "
                               "boxes; a notification names the threads with new "
                               "replies."),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(scheduleBox);
    row->addWidget(intervalBox);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(loggedInBox);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void ReplyCheckOptions::setIntervalMinutes(int minutes) {
    minutes = CheckSchedule::boundedMinutes(minutes);
    scheduleBox->setChecked(minutes > 0);
    if (minutes <= 0)
        return;
    int index = intervalBox->findData(minutes);
    if (index < 0) {
        // In its place among the choices, so the list stays in order.
        index = 0;
        while (index < intervalBox->count() && intervalBox->itemData(index).toInt() < minutes)
            ++index;
        intervalBox->insertItem(index, intervalText(minutes), minutes);
    }
    intervalBox->setCurrentIndex(index);
}

int ReplyCheckOptions::intervalMinutes() const {
    return scheduleBox->isChecked() ? intervalBox->currentData().toInt() : 0;
}

void ReplyCheckOptions::setCheckAsLoggedIn(bool on) {
    loggedInBox->setChecked(on);
}

bool ReplyCheckOptions::checkAsLoggedIn() const {
    return loggedInBox->isChecked();
}

} // namespace quillbox
