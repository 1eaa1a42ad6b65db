#include "browser/page_scan.h"

#include "text/ascii.h"

namespace quillbox {

namespace {

struct Replacement {
    QStringView find; // lower case
    QStringView replaceWith;
};

// Both tables in the order they are applied; every pattern starts with "<" and holds no other.
constexpr Replacement firstPassTable[] = {
    {u"<form", u"\r\n<form\r\n"},
    {u"</form", u"\r\n</form>\r\n"},
    {u"<input ", u"\r\n<input "},
    {u"<textarea", u"\r\n<textarea"},
};
constexpr Replacement secondPassTable[] = {
    {u"<form", u"\r\n<form\r\n"},
    {u"</form>", u"\r\n</form>\r\n"},
    {u"<input ", u"\r\n<input"},
    {u"<textarea", u"\r\n<textarea"},
};

// Calls visit(line) for each line of text until it returns false. A line ends at CR or CR LF;
// a lone LF stays inside its line; text after the last line end is a last line of its own.
template <typename Visit> void forEachLine(QStringView text, Visit visit) {
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] != u'\r')
            continue;
        if (!visit(text.sliced(start, i - start)))
            return;
        if (i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        visit(text.sliced(start));
}

} // namespace

QString preparePageText(QStringView html, ScanPass pass) {
    const auto& table = pass == ScanPass::First ? firstPassTable : secondPassTable;
    QString out;
    // Tags add a few characters each; a little room up front saves most regrowing.
    out.reserve(html.size() + html.size() / 8 + 16);
    qsizetype copied = 0; // html before this position is already in out
    const qsizetype size = html.size();
    for (qsizetype pos = 0; pos < size; ++pos) {
        if (html[pos] != u'<')
            continue;
        for (const Replacement& r : table) {
            if (!ascii::matchesAt(html, pos, r.find))
                continue;
            out.append(html.sliced(copied, pos - copied));
            out.append(r.replaceWith);
            copied = pos + r.find.size();
            pos = copied - 1;
            break;
        }
    }
    out.append(html.sliced(copied));
    return out;
}

qsizetype findPostingForm(QStringView preparedText) {
    bool found = false;
    bool insideForm = false;
    qsizetype formCount = -1;
    forEachLine(preparedText, [&](QStringView line) {
        if (!insideForm) {
            if (ascii::contains(line, u"<form")) {
                insideForm = true;
                ++formCount;
            }
            return true;
        }
        if (ascii::contains(line, u"textarea"))
            found = true;
        if (ascii::contains(line, u"</form>"))
            insideForm = false;
        return !found;
    });
    return found ? formCount : -1;
}

qsizetype findMessageField(QStringView preparedText, qsizetype formIndex) {
    if (formIndex < 0)
        return -1;
    bool found = false;
    qsizetype formCount = -1;
    qsizetype elementCount = -1;
    forEachLine(preparedText, [&](QStringView line) {
        if (ascii::contains(line, u"<form"))
            ++formCount;
        if (formCount > formIndex)
            return false; // the form count only grows: the form is behind us
        if (formCount != formIndex)
            return true;
        if (ascii::contains(line, u"<textarea") || ascii::contains(line, u"<input"))
            ++elementCount;
        if (ascii::contains(line, u"textarea"))
            found = true;
        return !found;
    });
    return found ? elementCount : -1;
}

} // namespace quillbox
