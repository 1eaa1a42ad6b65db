#pragma once

#include "platform/browser_page.h"
#include "store/data_files.h"
#include "store/file_result.h"

#include <QString>
#include <QStringView>

namespace quillbox {

// The scratch file that holds the prepared markup of the last scanned page.
inline QString scratchPageFileName() {
    return dataFile::scratchPage();
}

// Writes the prepared markup in one piece followed by CR LF, as UTF-8, replacing the previous
// content; a failed write leaves the previous content whole.
FileResult writeScratchPage(const QString& path, QStringView preparedText);

struct ScratchPageText {
    QString text;
    FileResult status;
};

// Reads the scratch file back as text; a missing file is an error here, since the scan has
// just written it.
ScratchPageText readScratchPage(const QString& path);

// Where the page scan puts the message: a form and a field position, both counted from 0,
// -1 when none was found. status tells whether the scratch file could be written and read;
// when it could not, the numbers mean nothing.
struct PostingFormScan {
    qsizetype form = -1;
    qsizetype field = -1;
    FileResult status;

    bool found() const { return status.ok && form >= 0 && field >= 0; }
};

// Finds the posting form in the body's outer markup, and when that finds none, in its inner
// markup; each try rewrites the scratch file. The field is then looked for in the scratch file
// as the last try left it.
PostingFormScan scanPostingPage(const BodyHtml& body, const QString& scratchFilePath);

} // namespace quillbox
