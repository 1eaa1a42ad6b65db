#pragma once

#include "store/file_result.h"

#include <QStringList>

namespace quillbox {

// The folder that holds the data files: the folder named by QUILLBOX_DATA_DIR when it is set;
// otherwise the program's own folder when it is writable (portable use) and is not the bin folder
// of the installation; otherwise the per-user application data folder, created when missing.
QString resolveDataFolder();
// The same, with the installation's bin folder given instead of the one fixed at build time.
QString resolveDataFolder(const QString& installedBinFolder);

// True when programFolder is installedBinFolder, however either is spelled (links, "..", a
// trailing "/"). An installed program never writes beside its executable, even where it could
// (root can write /usr/bin).
bool isInstalledProgramFolder(const QString& programFolder, const QString& installedBinFolder);

// The full name of a data file inside the data folder.
QString dataFilePath(const QString& folder, const QString& fileName);

// The five data files, in the order start-up creates them.
const QStringList& dataFileNames();

// Creates each missing data file holding exactly CR LF (posts2.txt readable by its owner only).
// Returns one message per file that could not be created; empty when all is well.
QStringList ensureDataFiles(const QString& folder);

} // namespace quillbox
