#pragma once

#include <QDateTime>

namespace quillbox {

// The wall-clock time, which also runs while the computer sleeps. The program reads the
// system's; tests advance their own.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};

} // namespace quillbox
