#pragma once

#include "platform/clipboard.h"

#include <QStringList>

namespace quillbox::test {

class RecordingClipboard : public Clipboard {
public:
    void setText(const QString& text) override { texts.append(text); }
    QStringList texts;
};

} // namespace quillbox::test
