#pragma once

#include <QJsonValue>
#include <QtGlobal>
#include <optional>

namespace quillbox {

// A size as the program's JSON keeps it: a whole number of bytes from 0 to 2^53, where a JSON
// number stops being exact. Anything else is no size.
inline std::optional<qint64> jsonSize(const QJsonValue& value) {
    const double d = value.toDouble(-1);
    if (!value.isDouble() || d < 0 || d > 9007199254740992.0 || d != double(qint64(d)))
        return std::nullopt;
    return qint64(d);
}

} // namespace quillbox
