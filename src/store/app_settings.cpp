#include "store/app_settings.h"

#include "build_info.h"
#include "store/settings_store.h"

#include <algorithm>
#include <limits>

namespace quillbox {

namespace {

QString settingsSection() {
    return QStringLiteral("Settings");
}
QString windowSection() {
    return QStringLiteral("Window");
}

} // namespace

QString settingsApplication() {
    return QString::fromUtf8(build::productName);
}

QString dataSection() {
    return QStringLiteral("data");
}

QString AppSettings::read(const QString& section, const QString& key,
                          const QString& defaultValue) const {
    return m_store.getSetting(settingsApplication(), section, key, defaultValue);
}

bool AppSettings::write(const QString& section, const QString& key, const QString& value) {
    // Storing what is stored already would only cost a disk write: the subject restored at
    // every start, for one.
    const QString absent = QStringLiteral("\u0001absent");
    if (value != absent && read(section, key, absent) == value)
        return true;
    return m_store.saveSetting(settingsApplication(), section, key, value);
}

QString AppSettings::lastSubject() const {
    return read(dataSection(), QStringLiteral("lastSubject"), QStringLiteral("Type Subject Here"));
}

bool AppSettings::setLastSubject(const QString& subject) {
    return write(dataSection(), QStringLiteral("lastSubject"), subject);
}

QString AppSettings::lastMessage() const {
    return read(dataSection(), QStringLiteral("lastMessage"), QString());
}

bool AppSettings::setLastMessage(const QString& message) {
    return write(dataSection(), QStringLiteral("lastMessage"), message);
}

int formatRowOf(const QString& lastConvert, int rowCount) {
    bool ok = false;
    const int row = lastConvert.trimmed().toInt(&ok);
    const bool valid =
        ok && row >= 0 && row < rowCount && row <= std::numeric_limits<qint16>::max();
    return valid ? row : 0;
}

QString AppSettings::lastConvert() const {
    return read(dataSection(), QStringLiteral("lastConvert"), QStringLiteral("0"));
}

bool AppSettings::setLastConvert(int row) {
    return write(dataSection(), QStringLiteral("lastConvert"), QString::number(row));
}

QString AppSettings::showHelp() const {
    return read(settingsSection(), QStringLiteral("showHelp"), QStringLiteral("1"));
}

bool AppSettings::setShowHelp(bool show) {
    return write(settingsSection(), QStringLiteral("showHelp"),
                 show ? QStringLiteral("1") : QStringLiteral("0"));
}

bool AppSettings::linkWholeAddresses() const {
    return read(settingsSection(), QStringLiteral("linkWholeAddresses"), QStringLiteral("0")) ==
           QLatin1String("1");
}

bool AppSettings::setLinkWholeAddresses(bool on) {
    return write(settingsSection(), QStringLiteral("linkWholeAddresses"),
                 on ? QStringLiteral("1") : QStringLiteral("0"));
}

int AppSettings::replyCheckHours() const {
    bool ok = false;
    const int hours =
        read(settingsSection(), QStringLiteral("replyCheckHours"), QStringLiteral("0"))
            .trimmed()
            .toInt(&ok);
    return ok && hours > 0 ? std::min(hours, 24) : 0;
}

bool AppSettings::setReplyCheckHours(int hours) {
    return write(settingsSection(), QStringLiteral("replyCheckHours"),
                 QString::number(std::clamp(hours, 0, 24)));
}

QDateTime AppSettings::lastBackgroundCheck() const {
    return QDateTime::fromString(read(settingsSection(), QStringLiteral("lastBackgroundCheck"), {}),
                                 Qt::ISODate);
}

bool AppSettings::setLastBackgroundCheck(const QDateTime& when) {
    return write(settingsSection(), QStringLiteral("lastBackgroundCheck"),
                 when.toUTC().toString(Qt::ISODate));
}

bool AppSettings::checkAsLoggedIn() const {
    return read(settingsSection(), QStringLiteral("checkAsLoggedIn"), QStringLiteral("0")) ==
           QLatin1String("1");
}

bool AppSettings::setCheckAsLoggedIn(bool on) {
    return write(settingsSection(), QStringLiteral("checkAsLoggedIn"),
                 on ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray AppSettings::mainWindowGeometry() const {
    return QByteArray::fromBase64(
        read(windowSection(), QStringLiteral("mainGeometry"), {}).toLatin1());
}

bool AppSettings::setMainWindowGeometry(const QByteArray& geometry) {
    return write(windowSection(), QStringLiteral("mainGeometry"),
                 QString::fromLatin1(geometry.toBase64()));
}

QString AppSettings::templateField(const QString& key, const QString& defaultValue) const {
    return read(dataSection(), key, defaultValue);
}

bool AppSettings::setTemplateField(const QString& key, const QString& value) {
    return write(dataSection(), key, value);
}

QString AppSettings::lastError() const {
    return m_store.lastError();
}

} // namespace quillbox
