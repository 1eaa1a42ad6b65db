#pragma once

#include "platform/browser_page.h"

#include <QPointer>

class QWebEngineView;
class QWebEngineProfile;

namespace quillbox {

// The page of a QWebEngineView as the program's logic sees it.
class WebEnginePage : public BrowserPage {
    Q_OBJECT

public:
    explicit WebEnginePage(QWebEngineView* view, QObject* parent = nullptr);

    QString currentUrl() const override;
    QString title() const override;
    quint64 pageGeneration() const override { return m_generation; }
    void navigate(const QString& address) override;
    bool goBack() override;
    bool goForward() override;
    void stop() override;
    void reload() override;
    void setPopupsBlocked(bool blocked) override { m_popupsBlocked = blocked; }
    bool popupsBlocked() const override { return m_popupsBlocked; }
    void readBodyHtml(HtmlCallback done) override;
    void writeMessage(const FieldTarget& target, const QString& text,
                      WriteCallback done) override;
    void insertAtFocus(const QString& text, DoneCallback done) override;

private:
    QPointer<QWebEngineView> m_view;
    quint64 m_generation = 0;
    bool m_popupsBlocked = true;
};

// The persistent profile both browsers share, so forum logins (cookies) and history survive a
// restart.
QWebEngineProfile* sharedWebProfile();

} // namespace quillbox
