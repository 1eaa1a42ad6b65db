#include "platform/qt/page_scripts.h"

#include <QJsonDocument>

namespace quillbox::pagescripts {

namespace {

// Shared by every script: the document token and DOM access that a page cannot redirect. A
// form's named controls shadow the form's own properties (an input named "submit" hides
// form.submit), and a form named "body" would shadow document.body, so methods and getters are
// taken from the prototypes of this world.
const char16_t prelude[] = uR"js(
'use strict';
var TOKEN_KEY = '__quillboxDocument';
function documentToken(draw) {
    var token = window[TOKEN_KEY];
    if (typeof token !== 'string' && draw) {
        var words = new Uint32Array(4);
        crypto.getRandomValues(words);
        token = Array.prototype.map.call(words, function (n) { return n.toString(16); }).join('-');
        Object.defineProperty(window, TOKEN_KEY, {value: token});
    }
    return typeof token === 'string' ? token : '';
}
function queryAll(root, selector) {
    var proto = root.nodeType === Node.DOCUMENT_NODE ? Document.prototype : Element.prototype;
    return proto.querySelectorAll.call(root, selector);
}
function contains(outer, inner) { return Node.prototype.contains.call(outer, inner); }
function position(from, to) { return Node.prototype.compareDocumentPosition.call(from, to); }
function bodyOf(doc) {
    return Object.getOwnPropertyDescriptor(Document.prototype, 'body').get.call(doc);
}
function tagOf(el) { return String(el.localName || '').toLowerCase(); }
function fire(el, type) {
    var event = type === 'input'
        ? new InputEvent('input', {bubbles: true, inputType: 'insertReplacementText'})
        : new Event(type, {bubbles: true});
    EventTarget.prototype.dispatchEvent.call(el, event);
}
function execute(doc, command, value) {
    try {
        return Document.prototype.execCommand.call(doc, command, false, value);
    } catch (e) {
        return false;
    }
}
// Types as typing would: through the editor's own insertText, so its scripts see it; written
// as text nodes and line breaks when the editor refuses. Line breaks become paragraphs, as the
// Enter key makes them.
function typeInto(host, text, replaceAll) {
    var doc = host.ownerDocument;
    var view = doc.defaultView;
    var lines = text.replace(/\r\n?/g, '\n');
    try { view.focus(); } catch (e) {}
    HTMLElement.prototype.focus.call(host);
    var selection = doc.getSelection();
    var typed = false;
    if (selection) {
        if (replaceAll || !selection.rangeCount || !contains(host, selection.anchorNode)) {
            selection.selectAllChildren(host);
            if (!replaceAll)
                selection.collapseToEnd();
        }
        typed = lines.length ? execute(doc, 'insertText', lines)
                             : (selection.isCollapsed || execute(doc, 'delete', null));
    }
    if (!typed) {
        var piece = doc.createDocumentFragment();
        lines.split('\n').forEach(function (line, i) {
            if (i)
                piece.appendChild(doc.createElement('br'));
            if (line)
                piece.appendChild(doc.createTextNode(line));
        });
        if (replaceAll || !selection || !selection.rangeCount) {
            while (host.firstChild)
                host.removeChild(host.firstChild);
            host.appendChild(piece);
        } else {
            var range = selection.getRangeAt(0);
            range.deleteContents();
            var last = piece.lastChild;
            range.insertNode(piece);
            if (last)
                selection.collapse(last.parentNode,
                                   Array.prototype.indexOf.call(last.parentNode.childNodes, last) + 1);
        }
        fire(host, 'input');
    }
    fire(host, 'change');
}
)js";

const char16_t tokenBody[] = uR"js(
return {token: documentToken(true)};
)js";

const char16_t bodyHtmlBody[] = uR"js(
var token = documentToken(true);
var body = bodyOf(document);
if (!body)
    return {token: token};
return {token: token, outer: body.outerHTML, inner: body.innerHTML};
)js";

// Looks for the field as a person would: the scanned element when it is a text area one can
// type into; else a text area of the scanned form; else a rich text editor; else a text area
// outside any form (a reply composer); else any form's text area. Documents of frames from the
// same origin take part; other frames cannot be reached and are passed over.
const char16_t writeBody[] = uR"js(
if (documentToken(false) !== args.token)
    return {stale: true};
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
)js";

// Inserts at the caret of the focused field, following the focus into frames of the same
// origin and into open shadow roots.
const char16_t insertBody[] = uR"js(
if (documentToken(false) !== args.token)
    return {stale: true};
var text = String(args.text);
var doc = document;
var el = doc.activeElement;
for (var depth = 0; el && depth < 16; ++depth) {
    if (el.shadowRoot && el.shadowRoot.activeElement) {
        el = el.shadowRoot.activeElement;
        continue;
    }
    var tag = tagOf(el);
    if (tag !== 'iframe' && tag !== 'frame')
        break;
    var inner = null;
    try { inner = el.contentDocument; } catch (e) {}
    if (!inner)
        return {inserted: false};
    doc = inner;
    el = doc.activeElement;
}
if (!el)
    return {inserted: false};
var tag = tagOf(el);
if (tag === 'input' || tag === 'textarea') {
    var textTypes = ['text', 'search', 'url', 'tel', 'password', 'email', 'number'];
    if (tag === 'input' && textTypes.indexOf(String(el.type).toLowerCase()) < 0)
        return {inserted: false};
    if (el.disabled || el.readOnly)
        return {inserted: false};
    var proto = tag === 'input' ? HTMLInputElement.prototype : HTMLTextAreaElement.prototype;
    var start = null, end = null;
    try {
        start = el.selectionStart;
        end = el.selectionEnd;
    } catch (e) {}
    if (typeof start === 'number' && typeof end === 'number')
        proto.setRangeText.call(el, text, start, end, 'end');
    else
        Object.getOwnPropertyDescriptor(proto, 'value').set.call(el, el.value + text);
    fire(el, 'input');
    fire(el, 'change');
    return {inserted: true};
}
if (!el.isContentEditable)
    return {inserted: false};
typeInto(el, text, false);
return {inserted: true};
)js";

QString script(const char16_t* body, const QJsonObject& arguments = {}) {
    return QStringLiteral("(function (args) {") + QString::fromUtf16(prelude) +
           QString::fromUtf16(body) + QStringLiteral("})(") + scriptArguments(arguments) +
           QStringLiteral(");");
}

} // namespace

QString documentToken() {
    return script(tokenBody);
}

QString bodyHtml() {
    return script(bodyHtmlBody);
}

QString writeMessage(const QString& token, int form, int field, const QString& text) {
    return script(writeBody, QJsonObject{{QStringLiteral("token"), token},
                                         {QStringLiteral("form"), form},
                                         {QStringLiteral("field"), field},
                                         {QStringLiteral("text"), text}});
}

QString insertAtFocus(const QString& token, const QString& text) {
    return script(insertBody,
                  QJsonObject{{QStringLiteral("token"), token}, {QStringLiteral("text"), text}});
}

QString scriptArguments(const QJsonObject& arguments) {
    const QString json = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    QString out;
    out.reserve(json.size() + json.size() / 16);
    for (const QChar c : json) {
        switch (c.unicode()) {
        case u'<':
            out += QStringLiteral("\\u003c");
            break;
        case u'>':
            out += QStringLiteral("\\u003e");
            break;
        case u'&':
            out += QStringLiteral("\\u0026");
            break;
        case 0x2028:
            out += QStringLiteral("\\u2028");
            break;
        case 0x2029:
            out += QStringLiteral("\\u2029");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace quillbox::pagescripts
