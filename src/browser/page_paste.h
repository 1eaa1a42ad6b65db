#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace quillbox {

class BrowserPage;

// The password, once it is known: none when it cannot be had.
using PasswordReady = std::function<void(const std::optional<QString>&)>;

// Where the four pasted values come from, read at each press.
struct PasteSources {
    std::function<QString()> subject;  // the subject box, unconverted
    std::function<QString()> userName; // the selected forum's user name
    // Its password, unmasked, which may have to be read (from the keyring) first: the source
    // answers when it has it.
    std::function<void(PasswordReady)> password;
    std::function<QString()> convertedMessage; // the message as pageMessage builds it
    // Told the text of a message the page took (the follow-up of an insert is armed by it).
    std::function<void(const QString& pasted)> messagePasted;
};

// The Paste buttons: one value at a time goes into the field of the page that has the focus,
// at the caret, as typing would put it there. The system clipboard is never used.
class PagePaste {
public:
    enum Index { Subject = 0, UserName = 1, Password = 2, Message = 3 };
    static constexpr int buttonCount = 4;

    PagePaste(BrowserPage& page, PasteSources sources);

    // Pastes the value of the button with this index; any other index does nothing. A page
    // that takes nothing (no field has the focus, no page is loaded) shows nothing either.
    // A message the page took is reported through messagePasted, as an insert would be. The
    // password is pasted when it arrives, and not at all when it cannot be had.
    void pasteIntoPage(int index);

private:
    BrowserPage& m_page;
    PasteSources m_sources;
    // A password arriving after this object is gone is dropped.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace quillbox
