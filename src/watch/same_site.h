#pragma once

#include <QUrl>

namespace quillbox {

// Whether a redirect from `from` to `to` stays on the same site: the same host and port, or the
// same host moving from http to https.
bool isSameSite(const QUrl& from, const QUrl& to);

} // namespace quillbox
