#include "watch/check_schedule.h"

#include <algorithm>

namespace quillbox {

int CheckSchedule::boundedMinutes(int minutes) {
    return minutes <= 0 ? 0 : std::clamp(minutes, kMinMinutes, kMaxMinutes);
}

void CheckSchedule::setIntervalMinutes(int minutes, const QDateTime& now) {
    const bool wasEnabled = enabled();
    m_minutes = boundedMinutes(minutes);
    if (!enabled())
        m_from = QDateTime();
    else if (!wasEnabled || !m_from.isValid())
        m_from = now;
}

void CheckSchedule::restore(int minutes, const QDateTime& countsFrom, const QDateTime& now) {
    m_minutes = boundedMinutes(minutes);
    m_from = !enabled() ? QDateTime() : countsFrom.isValid() ? countsFrom : now;
}

QDateTime CheckSchedule::nextDue() const {
    if (!enabled() || !m_from.isValid())
        return {};
    return m_from.addSecs(qint64(m_minutes) * 60);
}

bool CheckSchedule::isDue(const QDateTime& now) {
    if (!enabled())
        return false;
    if (!m_from.isValid() || now < m_from) {
        m_from = now;
        return false;
    }
    return now >= nextDue();
}

void CheckSchedule::checked(const QDateTime& now) {
    if (enabled())
        m_from = now;
}

int storedIntervalMinutes(const QString& minutesValue, const QString& hoursValue) {
    bool ok = false;
    const int minutes = minutesValue.trimmed().toInt(&ok);
    if (ok)
        return CheckSchedule::boundedMinutes(minutes);
    const int hours = hoursValue.trimmed().toInt(&ok);
    if (!ok || hours <= 0)
        return 0;
    return CheckSchedule::boundedMinutes(std::min(hours, CheckSchedule::kMaxMinutes / 60) * 60);
}

} // namespace quillbox
