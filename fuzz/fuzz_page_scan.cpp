// The posting-form scan: whatever the page, the form and the field it names are there, and every
// form, input and textarea tag of the prepared text starts a line.
#include "browser/page_scan.h"
#include "fuzz_check.h"

#include <QStringList>

using namespace quillbox;

namespace {

QString asciiLower(QString text) {
    for (QChar& c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return text;
}

// The lines of the prepared text, in ASCII lower case: a line ends at CR or CR LF.
QStringList linesOf(const QString& prepared) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < prepared.size(); ++i) {
        if (prepared.at(i) != u'\r')
            continue;
        lines.append(prepared.mid(start, i - start));
        if (i + 1 < prepared.size() && prepared.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < prepared.size())
        lines.append(prepared.mid(start));
    for (QString& line : lines)
        line = asciiLower(line);
    return lines;
}

// The form counted `form` (forms opened inside a form not counted) has "textarea" on a line
// before its end.
bool formHasTextArea(const QStringList& lines, qsizetype form) {
    qsizetype count = -1;
    bool inside = false;
    for (const QString& line : lines) {
        if (!inside) {
            if (line.contains(QStringLiteral("<form"))) {
                inside = true;
                ++count;
            }
            continue;
        }
        if (count == form && line.contains(QStringLiteral("textarea")))
            return true;
        if (line.contains(QStringLiteral("</form>"))) {
            inside = false;
            if (count == form)
                return false;
        }
    }
    return false;
}

// The element lines of form `form` (every "<form" line counts here): the field-th is the first
// that holds "textarea".
bool fieldIsTextArea(const QStringList& lines, qsizetype form, qsizetype field) {
    qsizetype count = -1;
    qsizetype element = -1;
    for (const QString& line : lines) {
        if (line.contains(QStringLiteral("<form")))
            ++count;
        if (count != form)
            continue;
        if (line.contains(QStringLiteral("<input")) || line.contains(QStringLiteral("<textarea")))
            ++element;
        if (line.contains(QStringLiteral("textarea")))
            return element == field;
    }
    return false;
}

void check(const QString& html, ScanPass pass) {
    const QString prepared = preparePageText(html, pass);
    const QString lower = asciiLower(prepared);
    // The second pass splits off only a complete form end tag.
    const QString formEnd =
        pass == ScanPass::First ? QStringLiteral("</form") : QStringLiteral("</form>");
    for (const QString& tag : {QStringLiteral("<form"), QStringLiteral("<textarea"), formEnd}) {
        for (qsizetype at = lower.indexOf(tag); at >= 0; at = lower.indexOf(tag, at + 1))
            FUZZ_CHECK(at >= 2 && lower.at(at - 2) == u'\r' && lower.at(at - 1) == u'\n');
    }
    const QStringList lines = linesOf(prepared);
    const qsizetype form = findPostingForm(prepared);
    FUZZ_CHECK(form >= -1);
    if (form >= 0)
        FUZZ_CHECK(formHasTextArea(lines, form));
    const qsizetype field = findMessageField(prepared, form);
    FUZZ_CHECK(field >= -1);
    if (field >= 0) {
        FUZZ_CHECK(form >= 0);
        FUZZ_CHECK(fieldIsTextArea(lines, form, field));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const QString html = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size));
    check(html, ScanPass::First);
    check(html, ScanPass::Second);
    return 0;
}
