#pragma once

class QWebEngineProfile;

namespace quillbox {

// The program's own pages (the start page, quillbox:start) are served under the scheme
// "quillbox:", so their addresses read well on the Visit button and in the address box.

// Tells the web engine about the scheme. Call before the QApplication is made; later calls do
// nothing once the engine has started.
void registerProgramScheme();

// Serves the program's pages in the profile.
void installProgramScheme(QWebEngineProfile* profile);

} // namespace quillbox
