#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

namespace quillbox {

class SettingsStore;

// The format row a stored lastConvert selects among rowCount rows: the stored number when it
// is one of the rows (and fits the 16 bits the row was once kept in), otherwise row 0.
int formatRowOf(const QString& lastConvert, int rowCount);

// The program's name in the settings store, and the section of the message and templates.
QString settingsApplication();
QString dataSection();

// Every setting of the program. The table in app_settings.cpp gives each its section, key,
// default and scope; nothing else names a section or a key.
enum class Setting {
    LastSubject,
    LastMessage,
    LastConvert,
    ShowHelp,
    LinkWholeAddresses,
    ReplyCheckHours,
    ReplyCheckMinutes,
    LastBackgroundCheck,
    CheckAsLoggedIn,
    MainWindowGeometry,
    UseSystemColours,
    MainSplitter,
    PostHistoryColumns,
    PasswordsInKeyring,
    Template, // the 40 link-template fields, one group
};

// Whose a setting is: the user's data (the message and the templates, in the "data" section
// the file has always had), the user's choices ("Settings"), or this machine's screen
// ("Window"), which a copied settings file should not impose on another screen.
enum class SettingScope { UserData, UserChoice, Machine };

// A typed handle on one setting of the table.
template <typename T> struct SettingKey { Setting id; };

namespace keys {
inline constexpr SettingKey<QString> lastSubject{Setting::LastSubject};
inline constexpr SettingKey<QString> lastMessage{Setting::LastMessage};
// The selected format row as text, as it was stored; formatRowOf reads it.
inline constexpr SettingKey<QString> lastConvert{Setting::LastConvert};
// "1" when the help window opens at start-up, "0" when not; only exactly "1" opens it, and
// the help window's box reads any other number as unticked, anything else as ticked.
inline constexpr SettingKey<QString> showHelp{Setting::ShowHelp};
inline constexpr SettingKey<bool> linkWholeAddresses{Setting::LinkWholeAddresses};
// The background reply check: every N hours (1 to 24), 0 when off, as earlier versions kept
// it; and every N minutes, as it is kept now, as text ("" when never stored: the hours hold).
inline constexpr SettingKey<int> replyCheckHours{Setting::ReplyCheckHours};
inline constexpr SettingKey<QString> replyCheckMinutes{Setting::ReplyCheckMinutes};
// The time the background check's schedule counts from: its last check, or when checks were
// switched on.
inline constexpr SettingKey<QDateTime> lastBackgroundCheck{Setting::LastBackgroundCheck};
// Checks send the cookies the program's browser holds for each thread.
inline constexpr SettingKey<bool> checkAsLoggedIn{Setting::CheckAsLoggedIn};
// The main window's size, position and maximised state (Qt's saved geometry).
inline constexpr SettingKey<QByteArray> mainWindowGeometry{Setting::MainWindowGeometry};
// The windows follow the desktop's colours instead of wearing the skin.
inline constexpr SettingKey<bool> useSystemColours{Setting::UseSystemColours};
// Where the user put the border between the main window's left column and its browser (Qt's
// saved splitter state), kept with the window's geometry.
inline constexpr SettingKey<QByteArray> mainSplitter{Setting::MainSplitter};
// The Post History window's column widths as the user left them (Qt's saved header state).
inline constexpr SettingKey<QByteArray> postHistoryColumns{Setting::PostHistoryColumns};
// Where the forum passwords are kept: "1" in the desktop keyring (posts2.txt keeps an empty
// password field), "0" in posts2.txt, "" not chosen yet (see ForumPasswords).
inline constexpr SettingKey<QString> passwordsInKeyring{Setting::PasswordsInKeyring};
} // namespace keys

struct SettingDefinition {
    Setting id;
    SettingScope scope;
    const char* key;
    const char* defaultText;
    int min = 0; // numbers are clamped into min … max
    int max = 0;
    // What a new settings file starts with, where it differs from the default; nullptr if not.
    const char* newFileText = nullptr;
};
const SettingDefinition& settingDefinition(Setting id);
QString settingSection(SettingScope scope);

// The program's settings, read and written through the table. Values are kept as text in the
// settings store, in the formats the file has always had. Every value that really changes is
// announced by changed(); whatever follows a setting listens to it. A write that fails returns
// false and lastError() says why.
class AppSettings final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppSettings)

public:
    explicit AppSettings(SettingsStore& store, QObject* parent = nullptr);

    // At a first start, when there is no settings file yet, writes what a new file starts with.
    // A file that exists keeps every choice it holds. False when a write failed.
    bool startNewFile();

    template <typename T> T get(SettingKey<T> key) const;
    template <typename T> bool set(SettingKey<T> key, const T& value);

    // The 40 link template keys ("htmlName" … "cust05MailCall01"), each with its own default.
    QString templateField(const QString& key, const QString& defaultValue) const;
    bool setTemplateField(const QString& key, const QString& value);
    // Writes every field given, even after a failure, so one bad write loses as little as
    // possible, and announces the change once. False when any could not be written.
    bool setTemplateFields(const QList<std::pair<QString, QString>>& fields);

    QString lastError() const;

signals:
    void changed(quillbox::Setting id);

private:
    QString text(Setting id) const;
    bool setText(Setting id, const QString& value);
    // Stores the value unless it is stored already; true when it changed something.
    bool store(const QString& section, const QString& key, const QString& value, bool* changed);

    SettingsStore& m_store;
};

// The value formats: text as it is; a flag as "1" or "0" (only "1" is on); a number clamped into
// its range (the default when it is none); a time in ISO 8601, UTC; bytes as Base64.
template <> QString AppSettings::get(SettingKey<QString> key) const;
template <> bool AppSettings::set(SettingKey<QString> key, const QString& value);
template <> bool AppSettings::get(SettingKey<bool> key) const;
template <> bool AppSettings::set(SettingKey<bool> key, const bool& on);
template <> int AppSettings::get(SettingKey<int> key) const;
template <> bool AppSettings::set(SettingKey<int> key, const int& value);
template <> QDateTime AppSettings::get(SettingKey<QDateTime> key) const;
template <> bool AppSettings::set(SettingKey<QDateTime> key, const QDateTime& when);
template <> QByteArray AppSettings::get(SettingKey<QByteArray> key) const;
template <> bool AppSettings::set(SettingKey<QByteArray> key, const QByteArray& bytes);

} // namespace quillbox
