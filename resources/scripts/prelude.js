// The start of every page script. Each script is the body of a function of one argument,
// args (its JSON arguments); this part comes first in it. It holds the document token and DOM
// access a page cannot redirect: a form's named controls shadow the form's own properties (an
// input named "submit" hides form.submit), and a form named "body" would shadow document.body,
// so methods and getters are taken from the prototypes of this world.
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
// Null in the document the token was drawn in; elsewhere the answer that says so, with this
// document's own token.
function staleAnswer(expected) {
    var current = documentToken(true);
    return current === expected ? null : {stale: true, token: current};
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
// The focused element, followed into open shadow roots and frames of the same origin, with its
// document; foreignFrame when the focus is in a frame of another origin.
function followFocus() {
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
            return {element: null, document: doc, foreignFrame: true};
        doc = inner;
        el = doc.activeElement;
    }
    return {element: el, document: doc, foreignFrame: false};
}
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
