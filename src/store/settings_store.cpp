#include "store/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace quillbox {

namespace {

QString defaultFolder() {
    // The file QSettings(IniFormat, UserScope, "Quillbox", "Quillbox") uses, named explicitly so
    // that a test can point the whole store somewhere else.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quillbox");
}

QString statusText(QSettings::Status status) {
    switch (status) {
    case QSettings::NoError:
        return {};
    case QSettings::AccessError:
        return QStringLiteral("the file could not be written");
    case QSettings::FormatError:
        return QStringLiteral("the file is damaged and could not be rewritten");
    }
    return QStringLiteral("unknown error");
}

// The program stores only strings, and QSettings hands them back as strings. A hand-edited
// file can still hold something QSettings reads as another type (an unquoted "a, b" becomes a
// list); such a value is turned back into text rather than lost.
QString asText(const QVariant& value) {
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// What the settings file looked like, to tell afterwards whether it was replaced.
struct FileStamp {
    bool exists = false;
    QDateTime modified;
    QDateTime changed;
    qint64 size = 0;

    static FileStamp of(const QString& path) {
        const QFileInfo info(path);
        return {info.exists(), info.lastModified(), info.metadataChangeTime(), info.size()};
    }
    bool operator==(const FileStamp&) const = default;
};

} // namespace

SettingsStore::SettingsStore(const QString& folder)
    : m_folder(folder.isEmpty() ? defaultFolder() : folder) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::fileName(const QString& application) const {
    return QDir(m_folder).filePath(application + QStringLiteral(".ini"));
}

QSettings& SettingsStore::settingsFor(const QString& application) const {
    auto found = m_settings.find(application);
    if (found == m_settings.end()) {
        auto settings = std::make_unique<QSettings>(fileName(application), QSettings::IniFormat);
        found = m_settings.emplace(application, std::move(settings)).first;
    }
    return *found->second;
}

QString SettingsStore::getSetting(const QString& application, const QString& section,
                                  const QString& key, const QString& defaultValue) const {
    QSettings& settings = settingsFor(application);
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    const bool present = settings.contains(key);
    settings.endGroup();
    return present ? asText(value) : defaultValue;
}

bool SettingsStore::saveSetting(const QString& application, const QString& section,
                                const QString& key, const QString& value) {
    // QSettings keeps reporting the first error it met for the rest of its life; an object that
    // has had one is replaced, so that this save reports its own outcome.
    if (auto found = m_settings.find(application);
        found != m_settings.end() && found->second->status() != QSettings::NoError) {
        m_settings.erase(found);
    }
    QSettings& settings = settingsFor(application);
    const FileStamp before = FileStamp::of(fileName(application));
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    const QSettings::Status status = settings.status();
    // A FormatError comes from reading a damaged file, which QSettings still rewrites without the
    // damaged lines; it then hides any later write error, so the file itself tells whether it
    // was written.
    const bool written =
        status == QSettings::NoError ||
        (status == QSettings::FormatError && QFileInfo(fileName(application)).isFile() &&
         FileStamp::of(fileName(application)) != before);
    if (written) {
        m_lastError.clear();
        return true;
    }
    m_lastError = QStringLiteral("Could not save the settings in \"%1\": %2")
                      .arg(QDir::toNativeSeparators(fileName(application)), statusText(status));
    m_settings.erase(application);
    return false;
}

} // namespace quillbox
