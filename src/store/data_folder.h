#pragma once

#include "store/file_result.h"

#include <QStringList>

namespace quillbox {

// The folder that holds the data files: the folder named by QUILLBOX_DATA_DIR when it is set;
// otherwise the program's own folder when it is writable (portable use); otherwise the per-user
// application data folder, created when missing.
QString resolveDataFolder();

// The full name of a data file inside the data folder.
QString dataFilePath(const QString& folder, const QString& fileName);

// The five data files, in the order start-up creates them.
const QStringList& dataFileNames();

// Creates each missing data file holding exactly CR LF (posts2.txt readable by its owner only).
// Returns one message per file that could not be created; empty when all is well.
QStringList ensureDataFiles(const QString& folder);

} // namespace quillbox
