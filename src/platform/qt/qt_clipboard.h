#pragma once

#include "platform/clipboard.h"

namespace quillbox {

class QtClipboard : public Clipboard {
public:
    void setText(const QString& text) override;
};

} // namespace quillbox
