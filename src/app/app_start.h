#pragma once

#include <QString>

namespace quillbox {

class SingleInstance;

// Before the application object exists: the browser engine's needs (its sandbox off as root,
// the start page's own scheme) and the application's names.
void prepareApplication();

// One program per data folder. True when this program may go on: it holds the folder, or the
// folder cannot be locked at all (the program then runs as it always did). False when another
// program runs on the folder: it has been asked to bring its window to the front, and this one
// ends with *exitStatus (1 when the other one did not answer, after telling the user).
bool takeDataFolder(SingleInstance& instance, const QString& dataFolder, int* exitStatus);

} // namespace quillbox
