#pragma once

#include "store/file_result.h"

#include <QString>
#include <map>
#include <memory>

class QSettings;

namespace quillbox {

// Per-user string settings addressed by application name, section and key. Each application
// name is one INI file, <folder>/<application>.ini; the default folder is the per-user
// configuration folder of the organisation "Quillbox".
class SettingsStore {
public:
    explicit SettingsStore(const QString& folder = {});
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored string, or defaultValue when the key does not exist. A stored "" is returned
    // as "", never replaced by the default.
    QString getSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) const;

    // Stores the string at once, creating section and key as needed. Returns false when the
    // settings file could not be written; lastError() then says why.
    bool saveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value);

    QString lastError() const { return m_lastError; }

    // What the user should be told, once at start-up, of a damaged settings file of the
    // application (bytes that are not UTF-8, lines that are not settings), which a save would
    // not give back whole: the first save keeps it as "<name>.damaged" before rewriting it (and
    // fails when it cannot), and this says so. "" when the file is sound. Reading writes nothing.
    QString damagedNotice(const QString& application) const;
    QString folder() const { return m_folder; }
    QString fileName(const QString& application) const;

private:
    QSettings& settingsFor(const QString& application) const;
    // Tells whether a rewrite of the settings file as it is now would lose some of it, noting
    // the damage for damagedNotice; with keepCopy, keeps it as "<name>.damaged" first. A failure
    // says why the file must not be rewritten: it could not be read, or the copy was not made.
    FileResult keepDamagedFile(const QString& application, const QSettings& settings,
                               bool keepCopy) const;

    QString m_folder;
    QString m_lastError;
    mutable std::map<QString, std::unique_ptr<QSettings>> m_settings;
    mutable std::map<QString, QString> m_damagedNotices;
};

} // namespace quillbox
