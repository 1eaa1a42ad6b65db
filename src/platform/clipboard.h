#pragma once

#include <QString>

namespace quillbox {

// The system clipboard, as far as the program writes to it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
};

} // namespace quillbox
