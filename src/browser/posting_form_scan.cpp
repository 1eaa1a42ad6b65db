#include "browser/posting_form_scan.h"

#include "browser/page_scan.h"
#include "store/text_file.h"

namespace quillbox {

FileResult writeScratchPage(const QString& path, QStringView preparedText) {
    QByteArray bytes = preparedText.toUtf8();
    bytes.append(crlf);
    return writeFileAtomically(path, bytes);
}

ScratchPageText readScratchPage(const QString& path) {
    const auto [bytes, status] = readFileBytes(path);
    if (!status.ok)
        return {{}, status};
    return {decodeFileText(bytes), FileResult::success()};
}

PostingFormScan scanPostingPage(const BodyHtml& body, const QString& scratchFilePath) {
    PostingFormScan scan;
    // The scratch file holds exactly the prepared text and a final line end, so scanning the
    // text in memory reads the same lines as reading the file would.
    const auto tryPass = [&](QStringView html, ScanPass pass) {
        const QString prepared = preparePageText(html, pass);
        scan.status = writeScratchPage(scratchFilePath, prepared);
        if (scan.status.ok)
            scan.form = findPostingForm(prepared);
    };
    tryPass(body.outer, ScanPass::First);
    if (scan.status.ok && scan.form < 0)
        tryPass(body.inner, ScanPass::Second);
    if (!scan.status.ok || scan.form < 0)
        return scan;

    const ScratchPageText written = readScratchPage(scratchFilePath);
    scan.status = written.status;
    if (scan.status.ok)
        scan.field = findMessageField(written.text, scan.form);
    return scan;
}

} // namespace quillbox
