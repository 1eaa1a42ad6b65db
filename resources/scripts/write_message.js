// Answers {written: "focused" | "scanned" | "form" | "rich" | "loose" | "none", subject: bool},
// or {stale: true, token} in another document.
//
// Looks for the field as a person would: the focused element when it is a visible text area or
// rich text editor (the editor the user opened, where the caret is); else the scanned element
// when it is a text area one can type into; else a text area of the scanned form; else a rich
// text editor; else a text area outside any form (a reply composer); else any form's text area.
// Documents of frames from the same origin take part; other frames cannot be reached and are
// passed over. When args.subject is given and the form holding the field has an empty one-line
// field for the subject before it, the subject goes there; a subject already there is kept.
var stale = staleAnswer(args.token);
if (stale)
    return stale;
var text = String(args.text);
var subject = String(args.subject || '');

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

// The focused element, followed into frames of the same origin and open shadow roots, when it
// is a field a person types a message into: a visible text area or an editor's editing host.
function focusedField() {
    var el = followFocus().element;
    if (!el)
        return null;
    if (usableTextArea(el))
        return el;
    if (!el.isContentEditable)
        return null;
    while (el.parentElement && el.parentElement.isContentEditable)
        el = el.parentElement;
    if (el === bodyOf(el.ownerDocument)) {
        // An editor's frame in design mode: the frame shows whether it can be used.
        var frame = null;
        try { frame = el.ownerDocument.defaultView.frameElement; } catch (e) {}
        return frame && shown(frame, false) ? el : null;
    }
    return shown(el, true) ? el : null;
}
// The form a field belongs to, also for an editor in a frame of the form; and the element of
// the form's document that stands for the field.
function formOf(el) {
    for (var depth = 0; el && depth < 8; ++depth) {
        var form = tagOf(el) === 'textarea' ? el.form : null;
        if (!form)
            form = Element.prototype.closest.call(el, 'form');
        if (form)
            return {form: form, field: el};
        var frame = null;
        try { frame = el.ownerDocument.defaultView.frameElement; } catch (e) {}
        el = frame;
    }
    return null;
}
function subjectLike(value) { return /subject|title/i.test(String(value || '')); }
function namesSubject(input) {
    if (subjectLike(input.name) || subjectLike(input.id) ||
        subjectLike(input.getAttribute('aria-label')) || subjectLike(input.placeholder))
        return true;
    var labels = input.labels || [];
    for (var i = 0; i < labels.length; ++i) {
        if (subjectLike(labels[i].textContent))
            return true;
    }
    return false;
}
function fillSubject(field) {
    var owner = subject ? formOf(field) : null;
    if (!owner)
        return false;
    var controls =
        Object.getOwnPropertyDescriptor(HTMLFormElement.prototype, 'elements').get.call(owner.form);
    for (var i = 0; i < controls.length; ++i) {
        var input = controls[i];
        if (input === owner.field || !(position(input, owner.field) & Node.DOCUMENT_POSITION_FOLLOWING))
            break;
        if (tagOf(input) !== 'input' || String(input.type).toLowerCase() !== 'text')
            continue;
        if (input.disabled || input.readOnly || !namesSubject(input))
            continue;
        if (input.value !== '')
            return false; // the page's own subject, as a reply page's "RE: ..."
        Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value').set.call(input, subject);
        fire(input, 'input');
        fire(input, 'change');
        return true;
    }
    return false;
}
function written(kind, field) {
    return {written: kind, subject: fillSubject(field)};
}

var scanned = scannedElement();
var el = focusedField();
if (el) {
    if (tagOf(el) === 'textarea')
        writeTextArea(el);
    else
        typeInto(el, text, true);
    return written(el === scanned ? 'scanned' : 'focused', el);
}
el = scanned;
if (el && usableTextArea(el)) {
    writeTextArea(el);
    return written('scanned', el);
}
el = form && textArea(function (area) { return area.form === form || contains(form, area); });
if (el) {
    writeTextArea(el);
    return written('form', el);
}
el = richEditor();
if (el) {
    typeInto(el, text, true);
    return written('rich', el);
}
el = textArea(function (area) { return !area.form; });
if (el) {
    writeTextArea(el);
    return written('loose', el);
}
el = textArea(function () { return true; });
if (el) {
    writeTextArea(el);
    return written('form', el);
}
return {written: 'none', subject: false};
