#include "browser/page_paste.h"

#include "platform/browser_page.h"

namespace quillbox {

PagePaste::PagePaste(BrowserPage& page, PasteSources sources)
    : m_page(page), m_sources(std::move(sources)) {}

void PagePaste::pasteIntoPage(int index) {
    if (index == Password) {
        if (!m_sources.password)
            return;
        const std::weak_ptr<bool> alive = m_alive;
        m_sources.password([this, alive](const std::optional<QString>& password) {
            if (password && alive.lock())
                m_page.insertAtFocus(*password, [](bool) {});
        });
        return;
    }
    const std::function<QString()>* source = nullptr;
    switch (index) {
    case Subject:
        source = &m_sources.subject;
        break;
    case UserName:
        source = &m_sources.userName;
        break;
    case Message:
        source = &m_sources.convertedMessage;
        break;
    default:
        return;
    }
    if (!*source)
        return;
    // A refused paste leaves the page as it was; there is nothing the user must be told.
    const QString value = (*source)();
    std::function<void(const QString&)> pasted =
        index == Message ? m_sources.messagePasted : std::function<void(const QString&)>();
    m_page.insertAtFocus(value, [value, pasted = std::move(pasted)](bool taken) {
        if (taken && pasted)
            pasted(value);
    });
}

} // namespace quillbox
