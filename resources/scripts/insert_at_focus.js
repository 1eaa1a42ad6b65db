// Answers {inserted: bool}, {foreignFrame: true} when the focus is in a frame of another origin
// (which no script of this page reaches), or {stale: true, token} in another document.
//
// Types at the caret of the focused field, following the focus into frames of the same origin
// and into open shadow roots. The text goes in through the editing command a keyboard's input
// uses, so the field treats it as typing: it replaces the selection, keeps to the field's type
// (a number field takes no letters) and length limit, and the page sees its usual input events.
var stale = staleAnswer(args.token);
if (stale)
    return stale;
var text = String(args.text).replace(/\r\n?/g, '\n');
var focus = followFocus();
if (focus.foreignFrame)
    return {foreignFrame: true};
var doc = focus.document;
var el = focus.element;
if (!el)
    return {inserted: false};
var tag = tagOf(el);
if (tag === 'input' || tag === 'textarea') {
    var textTypes = ['text', 'search', 'url', 'tel', 'password', 'email', 'number'];
    if (tag === 'input' && textTypes.indexOf(String(el.type).toLowerCase()) < 0)
        return {inserted: false};
    if (el.disabled || el.readOnly)
        return {inserted: false};
    try { doc.defaultView.focus(); } catch (e) {}
    HTMLElement.prototype.focus.call(el);
    if (execute(doc, 'insertText', text))
        return {inserted: true};
    // A document that refuses the command still gets the text, within the field's limit.
    var proto = tag === 'input' ? HTMLInputElement.prototype : HTMLTextAreaElement.prototype;
    var start = null, end = null;
    try {
        start = el.selectionStart;
        end = el.selectionEnd;
    } catch (e) {}
    if (typeof start !== 'number' || typeof end !== 'number')
        start = end = el.value.length;
    if (el.maxLength >= 0)
        text = text.slice(0, Math.max(0, el.maxLength - (el.value.length - (end - start))));
    proto.setRangeText.call(el, text, start, end, 'end');
    fire(el, 'input');
    fire(el, 'change');
    return {inserted: true};
}
if (!el.isContentEditable)
    return {inserted: false};
typeInto(el, text, false);
return {inserted: true};
