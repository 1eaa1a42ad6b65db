#pragma once

#include "platform/browser_page.h"

#include <QPointer>

class QWebEngineView;
class QWebEngineProfile;

namespace quillbox {

// The page of a QWebEngineView as the program's logic sees it.
class WebEnginePage : public BrowserPage {
public:
    explicit WebEnginePage(QWebEngineView* view) : m_view(view) {}
    QString currentUrl() const override;
    void navigate(const QString& address) override;

private:
    QPointer<QWebEngineView> m_view;
};

// The persistent profile both browsers share, so forum logins (cookies) and history survive a
// restart.
QWebEngineProfile* sharedWebProfile();

} // namespace quillbox
