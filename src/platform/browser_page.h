#pragma once

#include <QString>

namespace quillbox {

// The page shown in an embedded browser, as the program's logic sees it.
class BrowserPage {
public:
    virtual ~BrowserPage() = default;
    // The address of the page now shown ("" before anything was loaded).
    virtual QString currentUrl() const = 0;
    // Starts loading an address; returns at once.
    virtual void navigate(const QString& address) = 0;
};

} // namespace quillbox
