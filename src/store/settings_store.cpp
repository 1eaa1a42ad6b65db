#include "store/settings_store.h"

#include "store/text_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
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
        return QCoreApplication::translate("quillbox::SettingsStore",
                                           "the file could not be written");
    case QSettings::FormatError:
        return QCoreApplication::translate("quillbox::SettingsStore",
                                           "the file is damaged and could not be rewritten");
    }
    return QCoreApplication::translate("quillbox::SettingsStore", "unknown error");
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

// Whether QSettings found lines it could not read in the file with these bytes. QSettings parses
// a file once for all its objects in the process, and only the object that parsed it reports the
// error; the finding is kept here, for as long as the file holds the same bytes.
bool isUnparsed(const QString& path, const QByteArray& bytes, bool reportedNow) {
    static QMutex mutex;
    static std::map<QString, QByteArray> unparsed;
    const QMutexLocker lock(&mutex);
    const QString key = QFileInfo(path).absoluteFilePath();
    if (reportedNow)
        unparsed[key] = bytes;
    const auto found = unparsed.find(key);
    return found != unparsed.end() && found->second == bytes;
}

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
        // Damage is told of when the file is first read; the copy waits for the first save, so
        // a program that only reads settings writes nothing.
        keepDamagedFile(application, *settings, false);
        found = m_settings.emplace(application, std::move(settings)).first;
    }
    return *found->second;
}

FileResult SettingsStore::keepDamagedFile(const QString& application, const QSettings& settings,
                                          bool keepCopy) const {
    const QString path = fileName(application);
    const auto refusal = [&path](const QString& reason) {
        return FileResult::failure(
            QCoreApplication::translate("quillbox::SettingsStore",
                                        "Could not save the settings in \"%1\": %2")
                .arg(QDir::toNativeSeparators(path), reason));
    };
    QFile file(path);
    if (!file.exists())
        return FileResult::success();
    // A file that is there but cannot be read would be replaced by the few settings of this run.
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        return refusal(
            QCoreApplication::translate("quillbox::SettingsStore",
                                        "the file could not be read (%1), and a save would replace "
                                        "what it holds.")
                .arg(file.errorString()));
    }
    file.close();
    // QSettings reads such bytes as replacement characters and drops lines it cannot parse;
    // either way a rewrite would not give the file back.
    QStringList faults;
    if (!QByteArrayView(bytes).isValidUtf8())
        faults.append(notTextFault());
    if (isUnparsed(path, bytes, settings.status() == QSettings::FormatError))
        faults.append(QCoreApplication::translate(
            "quillbox::SettingsStore", "lines that are not settings, which a save leaves out"));
    if (faults.isEmpty())
        return FileResult::success();
    // The notice of the first damage met is the one the user hears of at start-up.
    m_damagedNotices.try_emplace(application, damagedFileNotice(path, faults, std::nullopt, bytes));
    if (!keepCopy)
        return FileResult::success();
    const FileResult kept = keepDamagedOriginal(path, bytes, true);
    if (kept.ok)
        return kept;
    return refusal(
        QCoreApplication::translate("quillbox::SettingsStore",
                                    "it is damaged, and its original could not be kept first. %1")
            .arg(kept.message));
}

QString SettingsStore::damagedNotice(const QString& application) const {
    settingsFor(application);
    const auto found = m_damagedNotices.find(application);
    return found == m_damagedNotices.end() ? QString() : found->second;
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
    // Checked on the file as it is now: whoever damaged it, and whenever, its original is kept
    // before it is replaced, or it is not replaced at all.
    if (const FileResult kept = keepDamagedFile(application, settings, true); !kept.ok) {
        m_lastError = kept.message;
        m_settings.erase(application);
        return false;
    }
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
    m_lastError = QCoreApplication::translate("quillbox::SettingsStore",
                                              "Could not save the settings in \"%1\": %2")
                      .arg(QDir::toNativeSeparators(fileName(application)), statusText(status));
    m_settings.erase(application);
    return false;
}

} // namespace quillbox
