// Answers {written: "scanned" | "form" | "rich" | "loose" | "none"}, or {stale: true, token} in another document.
//
// Looks for the field as a person would: the scanned element when it is a text area one can
// type into; else a text area of the scanned form; else a rich text editor; else a text area
// outside any form (a reply composer); else any form's text area. Documents of frames from the
// same origin take part; other frames cannot be reached and are passed over.
var stale = staleAnswer(args.token);
if (stale)
    return stale;
var text = String(args.text);

function shown(el, flat) {
    var view = el.ownerDocument && el.ownerDocument.defaultView;
    if (!view || !el.isConnected || !el.getClientRects().length)
        return false;
    var box = el.getBoundingClientRect();
    // An empty editor may have no height yet; a text area without height is a hidden one.
    if (box.width <= 0 || (!flat && box.height <= 0))
        return false;
    // Parked far off the page, as editors hide the text area they replace.
    if (box.right + view.scrollX <= 0 || box.bottom + view.scrollY < 0)
        return false;
    var style = view.getComputedStyle(el);
    if (style.visibility !== 'visible' || parseFloat(style.opacity) === 0)
        return false;
    var frame = null;
    try { frame = view.frameElement; } catch (e) { return false; }
    return !frame || shown(frame, false);
}
function usableTextArea(el) {
    return tagOf(el) === 'textarea' && !el.disabled && !el.readOnly && shown(el, false);
}
function documents() {
    var found = [];
    (function visit(doc, depth) {
        found.push(doc);
        if (depth >= 8)
            return;
        var frames = queryAll(doc, 'iframe, frame');
        for (var i = 0; i < frames.length; ++i) {
            var inner = null;
            try { inner = frames[i].contentDocument; } catch (e) {}
            if (inner)
                visit(inner, depth + 1);
        }
    })(document, 0);
    return found;
}
function textArea(accept) {
    var docs = documents();
    for (var d = 0; d < docs.length; ++d) {
        var all = queryAll(docs[d], 'textarea');
        for (var i = 0; i < all.length; ++i) {
            if (usableTextArea(all[i]) && accept(all[i]))
                return all[i];
        }
    }
    return null;
}
function richEditor() {
    var docs = documents();
    for (var d = 0; d < docs.length; ++d) {
        var doc = docs[d];
        var body = bodyOf(doc);
        if (body && body.isContentEditable) {
            // An editor's frame in design mode: the frame shows whether it can be used.
            var frame = null;
            try { frame = doc.defaultView.frameElement; } catch (e) {}
            if (!frame || shown(frame, false))
                return body;
            continue;
        }
        var all = queryAll(doc, '[contenteditable]');
        for (var i = 0; i < all.length; ++i) {
            var el = all[i];
            var host = el.isContentEditable &&
                       !(el.parentElement && el.parentElement.isContentEditable);
            if (host && shown(el, true))
                return el;
        }
    }
    return null;
}
var forms = queryAll(document, 'form');
var form = args.form >= 0 ? forms[args.form] || null : null;
// The scan counts the input and text-area tags from the form's start tag to the next form's.
function scannedElement() {
    if (!form || args.field < 0)
        return null;
    var next = forms[args.form + 1] || null;
    var fields = queryAll(document, 'input, textarea');
    var count = -1;
    for (var i = 0; i < fields.length; ++i) {
        var el = fields[i];
        if (!(position(form, el) & Node.DOCUMENT_POSITION_FOLLOWING))
            continue;
        if (next && !(position(next, el) & Node.DOCUMENT_POSITION_PRECEDING))
            break;
        if (++count === args.field)
            return el;
    }
    return null;
}
function writeTextArea(el) {
    // The element's own setter, so a framework's watch over the value sees the change.
    Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, 'value').set.call(el, text);
    fire(el, 'input');
    fire(el, 'change');
}

var el = scannedElement();
if (el && usableTextArea(el)) {
    writeTextArea(el);
    return {written: 'scanned'};
}
el = form && textArea(function (area) { return area.form === form || contains(form, area); });
if (el) {
    writeTextArea(el);
    return {written: 'form'};
}
el = richEditor();
if (el) {
    typeInto(el, text, true);
    return {written: 'rich'};
}
el = textArea(function (area) { return !area.form; });
if (el) {
    writeTextArea(el);
    return {written: 'loose'};
}
el = textArea(function () { return true; });
if (el) {
    writeTextArea(el);
    return {written: 'form'};
}
return {written: 'none'};
