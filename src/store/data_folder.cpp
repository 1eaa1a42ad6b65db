#include "store/data_folder.h"

#include "install_paths.h"
#include "platform/logging.h"
#include "store/data_files.h"
#include "store/file_exists.h"
#include "store/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace quillbox {

namespace {

// The permission bits are not the whole story (root writes anywhere, a read-only mount refuses
// everyone), so a folder counts as writable only when a file can really be created in it.
bool canCreateFilesIn(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || !QFileInfo(folder).isWritable())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quillbox-probe-XXXXXX")));
    return probe.open(); // removed again when the probe goes out of scope
}

// The folder itself when it exists, with links resolved; otherwise its cleaned absolute name.
QString comparableFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool isInstalledProgramFolder(const QString& programFolder, const QString& installedBinFolder) {
    if (programFolder.isEmpty() || installedBinFolder.isEmpty())
        return false;
    return comparableFolder(programFolder) == comparableFolder(installedBinFolder);
}

QString resolveDataFolder() {
    return resolveDataFolder(QString::fromUtf8(build::installBinFolder));
}

QString resolveDataFolder(const QString& installedBinFolder) {
    const QString fromEnvironment = qEnvironmentVariable("QUILLBOX_DATA_DIR");
    if (!fromEnvironment.isEmpty()) {
        QDir().mkpath(fromEnvironment);
        const QString folder = QDir::cleanPath(QDir(fromEnvironment).absolutePath());
        qCInfo(logStore).noquote() << "data folder (QUILLBOX_DATA_DIR):" << folder;
        return folder;
    }
    if (QCoreApplication::instance()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        if (!isInstalledProgramFolder(programFolder, installedBinFolder) &&
            canCreateFilesIn(programFolder)) {
            qCInfo(logStore).noquote()
                << "data folder (a copy run from a writable folder of its own):" << programFolder;
            return programFolder;
        }
    }
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    qCInfo(logStore).noquote() << "data folder (the user's):" << perUser;
    return perUser;
}

QString dataFilePath(const QString& folder, const QString& fileName) {
    if (folder.isEmpty())
        return fileName;
    if (folder.endsWith(u'/'))
        return folder + fileName;
    return folder + u'/' + fileName;
}

const QStringList& dataFileNames() {
    static const QStringList names{dataFile::scratchPage(), dataFile::messages(), dataFile::posts(),
                                   dataFile::forums(), dataFile::sizes()};
    return names;
}

QStringList ensureDataFiles(const QString& folder) {
    QStringList errors;
    for (const QString& name : dataFileNames()) {
        const QString path = dataFilePath(folder, name);
        if (fileExists(path))
            continue;
        // Owner-only whoever made the folder: a folder of the user's own choosing (a portable
        // copy, QUILLBOX_DATA_DIR) may be one others can enter, and htmltemp.txt holds the
        // logged-in posting page.
        const QFileDevice::Permissions permissions =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        // NewOnly: whatever turns out to be there after all is never overwritten or appended to.
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions) &&
            file.write(crlf, 2) == 2 && file.flush()) {
            continue;
        }
        const QString reason = file.errorString();
        if (file.isOpen()) {
            // A half-made file would hide the failure at the next start; take it away again.
            file.close();
            file.remove();
        } else if (fileExists(path)) {
            continue; // made by someone else in the meantime
        }
        errors.append(
            QCoreApplication::translate("quillbox::DataFolder", "Could not create \"%1\": %2")
                .arg(QDir::toNativeSeparators(path), reason));
    }
    return errors;
}

} // namespace quillbox
