// Answers {inserted: bool}, or {stale: true, token} in another document.
//
// Inserts at the caret of the focused field, following the focus into frames of the same
// origin and into open shadow roots.
var stale = staleAnswer(args.token);
if (stale)
    return stale;
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
