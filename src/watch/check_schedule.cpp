#include "watch/check_schedule.h"

#include <algorithm>

namespace quillbox {

void CheckSchedule::setIntervalHours(int hours, const QDateTime& now) {
    const bool wasEnabled = enabled();
    m_hours = hours <= 0 ? 0 : std::min(hours, kMaxHours);
    if (enabled() && (!wasEnabled || !m_last.isValid()))
        m_last = now;
}

QDateTime CheckSchedule::nextDue() const {
    if (!enabled() || !m_last.isValid())
        return {};
    return m_last.addSecs(qint64(m_hours) * 3600);
}

bool CheckSchedule::isDue(const QDateTime& now) {
    if (!enabled())
        return false;
    if (!m_last.isValid() || now < m_last) {
        m_last = now;
        return false;
    }
    return now >= nextDue();
}

} // namespace quillbox
