#include "store/app_settings.h"

#include "build_info.h"
#include "store/settings_store.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace quillbox {

namespace {

// The one table of settings. The sections, keys and value formats are those of every settings
// file written so far.
constexpr SettingDefinition table[] = {
    {Setting::LastSubject, SettingScope::UserData, "lastSubject", "Type Subject Here"},
    {Setting::LastMessage, SettingScope::UserData, "lastMessage", ""},
    {Setting::LastConvert, SettingScope::UserData, "lastConvert", "0"},
    {Setting::ShowHelp, SettingScope::UserChoice, "showHelp", "1"},
    // Whole addresses are linked, and threads checked every hour, from the first start on; a
    // file of an earlier version, which has neither key, keeps the classic links and no checks.
    {Setting::LinkWholeAddresses, SettingScope::UserChoice, "linkWholeAddresses", "0", 0, 0, "1"},
    {Setting::ReplyCheckHours, SettingScope::UserChoice, "replyCheckHours", "0", 0, 24, "1"},
    {Setting::ReplyCheckMinutes, SettingScope::UserChoice, "replyCheckMinutes", "", 0, 0, "60"},
    {Setting::LastBackgroundCheck, SettingScope::UserChoice, "lastBackgroundCheck", ""},
    {Setting::CheckAsLoggedIn, SettingScope::UserChoice, "checkAsLoggedIn", "0"},
    {Setting::MainWindowGeometry, SettingScope::Machine, "mainGeometry", ""},
    {Setting::UseSystemColours, SettingScope::UserChoice, "useSystemColours", "0"},
    {Setting::MainSplitter, SettingScope::Machine, "mainSplitter", ""},
    {Setting::PostHistoryColumns, SettingScope::Machine, "postHistoryColumns", ""},
    {Setting::PasswordsInKeyring, SettingScope::UserChoice, "passwordsInKeyring", ""},
    {Setting::Template, SettingScope::UserData, "", ""},
};

static_assert(std::size(table) == size_t(Setting::Template) + 1);

constexpr bool tableInOrder() {
    for (size_t i = 0; i < std::size(table); ++i) {
        if (table[i].id != Setting(i))
            return false;
    }
    return true;
}
static_assert(tableInOrder(), "the table lists the settings in the order of their enum");

int toNumber(const QString& text, const SettingDefinition& d) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return QString::fromLatin1(d.defaultText).toInt();
    return std::clamp(n, d.min, d.max);
}

} // namespace

QString settingsApplication() {
    return QString::fromUtf8(build::productName);
}

QString dataSection() {
    return settingSection(SettingScope::UserData);
}

QString settingSection(SettingScope scope) {
    switch (scope) {
    case SettingScope::UserData:
        return QStringLiteral("data");
    case SettingScope::UserChoice:
        return QStringLiteral("Settings");
    case SettingScope::Machine:
        return QStringLiteral("Window");
    }
    return {};
}

const SettingDefinition& settingDefinition(Setting id) {
    return table[size_t(id)];
}

int formatRowOf(const QString& lastConvert, int rowCount) {
    bool ok = false;
    const int row = lastConvert.trimmed().toInt(&ok);
    const bool valid =
        ok && row >= 0 && row < rowCount && row <= std::numeric_limits<qint16>::max();
    return valid ? row : 0;
}

AppSettings::AppSettings(SettingsStore& store, QObject* parent) : QObject(parent), m_store(store) {}

bool AppSettings::startNewFile() {
    if (QFileInfo::exists(m_store.fileName(settingsApplication())))
        return true;
    bool all = true;
    for (const SettingDefinition& d : table) {
        if (d.newFileText)
            all = setText(d.id, QString::fromUtf8(d.newFileText)) && all;
    }
    return all;
}

QString AppSettings::text(Setting id) const {
    const SettingDefinition& d = settingDefinition(id);
    return m_store.getSetting(settingsApplication(), settingSection(d.scope),
                              QString::fromLatin1(d.key), QString::fromUtf8(d.defaultText));
}

bool AppSettings::setText(Setting id, const QString& value) {
    const SettingDefinition& d = settingDefinition(id);
    bool changedValue = false;
    const bool written =
        store(settingSection(d.scope), QString::fromLatin1(d.key), value, &changedValue);
    if (changedValue)
        emit changed(id);
    return written;
}

bool AppSettings::store(const QString& section, const QString& key, const QString& value,
                        bool* changedValue) {
    // Storing what is stored already would only cost a disk write: the subject restored at
    // every start, for one.
    const QString absent = QStringLiteral("\u0001absent");
    if (value != absent && m_store.getSetting(settingsApplication(), section, key, absent) == value)
        return true;
    if (!m_store.saveSetting(settingsApplication(), section, key, value))
        return false;
    *changedValue = true;
    return true;
}

template <> QString AppSettings::get(SettingKey<QString> key) const {
    return text(key.id);
}

template <> bool AppSettings::set(SettingKey<QString> key, const QString& value) {
    return setText(key.id, value);
}

template <> bool AppSettings::get(SettingKey<bool> key) const {
    return text(key.id) == QLatin1String("1");
}

template <> bool AppSettings::set(SettingKey<bool> key, const bool& on) {
    return setText(key.id, on ? QStringLiteral("1") : QStringLiteral("0"));
}

template <> int AppSettings::get(SettingKey<int> key) const {
    return toNumber(text(key.id), settingDefinition(key.id));
}

template <> bool AppSettings::set(SettingKey<int> key, const int& value) {
    const SettingDefinition& d = settingDefinition(key.id);
    return setText(key.id, QString::number(std::clamp(value, d.min, d.max)));
}

template <> QDateTime AppSettings::get(SettingKey<QDateTime> key) const {
    return QDateTime::fromString(text(key.id), Qt::ISODate);
}

template <> bool AppSettings::set(SettingKey<QDateTime> key, const QDateTime& when) {
    return setText(key.id, when.toUTC().toString(Qt::ISODate));
}

template <> QByteArray AppSettings::get(SettingKey<QByteArray> key) const {
    return QByteArray::fromBase64(text(key.id).toLatin1());
}

template <> bool AppSettings::set(SettingKey<QByteArray> key, const QByteArray& bytes) {
    return setText(key.id, QString::fromLatin1(bytes.toBase64()));
}

QString AppSettings::templateField(const QString& key, const QString& defaultValue) const {
    return m_store.getSetting(settingsApplication(), dataSection(), key, defaultValue);
}

bool AppSettings::setTemplateField(const QString& key, const QString& value) {
    return setTemplateFields({{key, value}});
}

bool AppSettings::setTemplateFields(const QList<std::pair<QString, QString>>& fields) {
    bool all = true;
    bool changedValue = false;
    for (const auto& [key, value] : fields)
        all = store(dataSection(), key, value, &changedValue) && all;
    if (changedValue)
        emit changed(Setting::Template);
    return all;
}

QString AppSettings::lastError() const {
    return m_store.lastError();
}

} // namespace quillbox
