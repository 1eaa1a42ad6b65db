#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace quillbox {

class SettingsStore;

// The format row a stored lastConvert selects among rowCount rows: the stored number when it
// is one of the rows (and fits the 16 bits the row was once kept in), otherwise row 0.
int formatRowOf(const QString& lastConvert, int rowCount);

// The program's name in the settings store, and the section of the message and templates.
QString settingsApplication();
QString dataSection();

// The program's settings, one member per setting with its default beside it. Values are kept
// as text in the settings store; a write that fails returns false and lastError() says why.
class AppSettings {
public:
    // A light handle: copies share the store.
    AppSettings(SettingsStore& store) : m_store(store) {} // NOLINT(google-explicit-constructor)

    // The message editor, restored at the next start.
    QString lastSubject() const; // default "Type Subject Here"
    bool setLastSubject(const QString& subject);
    QString lastMessage() const; // default ""
    bool setLastMessage(const QString& message);
    QString lastConvert() const; // the selected format row as text; default "0"
    bool setLastConvert(int row);
    // "1" when the help window opens at start-up, "0" when not, as the help window stores it;
    // default "1". Only exactly "1" opens it.
    QString showHelp() const;
    bool setShowHelp(bool show);
    // Links whole web addresses (query and all), www. addresses and e-mail addresses anywhere,
    // instead of the classic rules; set in the template editor. Default off.
    bool linkWholeAddresses() const;
    bool setLinkWholeAddresses(bool on);

    // The background reply check: every N hours (1 to 24), 0 when off (the default), and
    // when it last ran (invalid when never).
    int replyCheckHours() const;
    bool setReplyCheckHours(int hours);
    QDateTime lastBackgroundCheck() const;
    bool setLastBackgroundCheck(const QDateTime& when);
    // Checks send the cookies the program's browser holds for each thread. Default off.
    bool checkAsLoggedIn() const;
    bool setCheckAsLoggedIn(bool on);

    // The main window's size, position and maximised state (Qt's saved geometry); empty when
    // none was stored. Kept apart from the user's data: it belongs to this machine's screen.
    QByteArray mainWindowGeometry() const;
    bool setMainWindowGeometry(const QByteArray& geometry);

    // The 40 link template keys ("htmlName" … "cust05MailCall01"), each with its own default.
    QString templateField(const QString& key, const QString& defaultValue) const;
    bool setTemplateField(const QString& key, const QString& value);

    QString lastError() const;

private:
    QString read(const QString& section, const QString& key, const QString& defaultValue) const;
    bool write(const QString& section, const QString& key, const QString& value);

    SettingsStore& m_store;
};

} // namespace quillbox
