#pragma once

#include "platform/clock.h"

namespace quillbox::test {

// A clock that stands still until the test moves it.
class ManualClock : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC))
        : m_now(std::move(start)) {}
    QDateTime now() const override { return m_now; }
    void advanceMinutes(qint64 minutes) { m_now = m_now.addSecs(minutes * 60); }
    void advanceHours(qint64 hours) { m_now = m_now.addSecs(hours * 3600); }

private:
    QDateTime m_now;
};

} // namespace quillbox::test
