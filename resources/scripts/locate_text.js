// Where a text stands in the document, for the follow-up of an insert. args.markup is the
// inserted text's first line as markup (lower case), args.shown the message's first line as the
// page would show it (in the normal form of shown_text.h); either may be "". Answers {token,
// editable, inPost, inList, elsewhere, postsMarked, canonical, baseline}: how many of the
// innermost elements holding the text stand in a form or editor, in a post, only in a list of
// threads, or elsewhere. args.remember keeps the counts of this document as its baseline, which
// later answers return, so text that was already there when the watch began is told apart.
var BASELINE_KEY = '__quillboxBaseline';
var token = documentToken(true);
var body = bodyOf(document);
var markup = String(args.markup || '');
var shown = String(args.shown || '');

function normalised(text) {
    return String(text)
        .replace(/&(amp|lt|gt|quot|apos|nbsp|#(\d+)|#x([0-9a-f]+));/gi, function (all, name, dec, hex) {
            var named = {amp: '&', lt: '<', gt: '>', quot: '"', apos: "'", nbsp: ' '};
            if (dec)
                return String.fromCodePoint(Math.min(parseInt(dec, 10), 0x10ffff));
            if (hex)
                return String.fromCodePoint(Math.min(parseInt(hex, 16), 0x10ffff));
            return named[name.toLowerCase()];
        })
        .replace(/[\s\u00a0]+/g, ' ').trim().toLowerCase();
}
function holdsText(text, html) {
    if (shown && normalised(text).indexOf(shown) >= 0)
        return true;
    return !!markup && html !== null && String(html).toLowerCase().indexOf(markup) >= 0;
}
var SKIPPED = {script: 1, style: 1, template: 1, noscript: 1, head: 1, title: 1};
function isField(el) { var tag = tagOf(el); return tag === 'textarea' || tag === 'input'; }
function matches(el) {
    if (SKIPPED[tagOf(el)])
        return false;
    if (isField(el))
        return holdsText(el.value, null) || holdsText(el.textContent, el.textContent);
    return holdsText(el.textContent, el.innerHTML);
}
// The innermost elements holding the text.
function spotsIn(el, found) {
    if (!matches(el))
        return;
    var before = found.length;
    if (!isField(el))
        for (var child = el.firstElementChild; child; child = child.nextElementSibling)
            spotsIn(child, found);
    if (found.length === before)
        found.push(el);
}

// The post-identifier rule, shared with the page readers of the reply check: an element marks
// a post when its id is a post prefix and the post's number ("post_123", "pid123", "p123",
// "msg123", "post-123", "reply-9", "comment_4", "entry77"), or when a data attribute carries the
// number (data-pid, data-post-id, data-postid, data-post-number, data-message-id,
// data-comment-id). Any other prefix marks posts when it repeats on several elements with
// numbers rising in document order. Ids of threads, topics, forums, categories and boards
// ("thread_123", "topic-55", "forum_3") never mark a post; they mark a list of threads.
var POST_PREFIX = /^(post|pid|p|msg|message|reply|comment|entry|article)$/;
var LIST_PREFIX = /^(thread|topic|forum|category|cat|board|t|f)s?$/;
var POST_DATA = ['data-pid', 'data-post-id', 'data-postid', 'data-post-number', 'data-message-id',
                 'data-comment-id'];
var LIST_DATA = ['data-topic-id', 'data-thread-id', 'data-forum-id', 'data-category-id', 'data-tid'];
var LIST_CLASS = /(^|\s)(topic|thread|forum|category)s?[-_]?(list|row|item|title|teaser|excerpt|listing)|(^|\s)latest[-_](posts|topics|threads)/i;
function numberedId(el) {
    var id = Element.prototype.getAttribute.call(el, 'id');
    var parts = id && /^([a-z]+)[-_]?(\d+)$/i.exec(id);
    return parts ? {prefix: parts[1].toLowerCase(), number: parseInt(parts[2], 10)} : null;
}
function hasNumberData(el, names) {
    return names.some(function (name) {
        var value = Element.prototype.getAttribute.call(el, name);
        return value !== null && /^\s*\d+\s*$/.test(value);
    });
}
var repeatedPrefixes = {};
(function () {
    var seen = {};
    Array.prototype.forEach.call(queryAll(document, '[id]'), function (el) {
        var id = numberedId(el);
        if (!id || POST_PREFIX.test(id.prefix) || LIST_PREFIX.test(id.prefix))
            return;
        var run = seen[id.prefix] || (seen[id.prefix] = {count: 0, last: -1, rising: true});
        run.rising = run.rising && id.number > run.last;
        run.last = id.number;
        run.count += 1;
    });
    Object.keys(seen).forEach(function (prefix) {
        if (seen[prefix].count >= 2 && seen[prefix].rising)
            repeatedPrefixes[prefix] = true;
    });
})();
function marksPost(el) {
    var id = numberedId(el);
    if (id && (POST_PREFIX.test(id.prefix) || repeatedPrefixes[id.prefix]))
        return true;
    return hasNumberData(el, POST_DATA);
}
function marksList(el) {
    var id = numberedId(el);
    if (id && LIST_PREFIX.test(id.prefix))
        return true;
    var cls = Element.prototype.getAttribute.call(el, 'class');
    return hasNumberData(el, LIST_DATA) || (!!cls && LIST_CLASS.test(cls));
}
function isEditable(el) {
    var tag = tagOf(el);
    return tag === 'textarea' || tag === 'input' || tag === 'select' ||
           el.isContentEditable === true ||
           String(Element.prototype.getAttribute.call(el, 'role') || '') === 'textbox';
}

var answer = {token: token, editable: 0, inPost: 0, inList: 0, elsewhere: 0, postsMarked: false,
              canonical: ''};
if (body) {
    var postsMarked = false;
    Array.prototype.some.call(queryAll(body, '[id], [data-pid], [data-post-id], [data-postid], ' +
                                            '[data-post-number], [data-message-id], [data-comment-id]'),
                              function (el) { return (postsMarked = marksPost(el)); });
    answer.postsMarked = postsMarked;
    var spots = [];
    if (!markup && !shown) {
        // Nothing to look for (a double-click in the lists before any insert): any page is it.
        answer.inPost = 1;
    } else {
        spotsIn(body, spots);
    }
    // Fields whose typed value holds the text: their markup does not show it.
    Array.prototype.forEach.call(queryAll(body, 'textarea, input'), function (field) {
        if (spots.indexOf(field) < 0 && holdsText(field.value, null))
            spots.push(field);
    });
    var designMode = String(document.designMode).toLowerCase() === 'on';
    spots.forEach(function (spot) {
        var inPost = false, inList = false, inEditor = designMode, inForm = false;
        for (var el = spot; el && el !== body; el = el.parentElement) {
            if (isEditable(el))
                inEditor = true;
            if (tagOf(el) === 'form' && !inPost)
                inForm = true;
            if (marksPost(el))
                inPost = true;
            else if (!inPost && marksList(el))
                inList = true;
        }
        // A form around posts (boards that wrap a thread for moderation) is no editor.
        if (inEditor || inForm)
            answer.editable += 1;
        else if (inPost)
            answer.inPost += 1;
        else if (inList)
            answer.inList += 1;
        else
            answer.elsewhere += 1;
    });
}
var link = queryAll(document, 'link[rel~="canonical" i][href]')[0];
if (link)
    answer.canonical = String(link.href);
var counts = {inPost: answer.inPost, elsewhere: answer.elsewhere, postsMarked: answer.postsMarked};
if (args.remember)
    Object.defineProperty(window, BASELINE_KEY, {value: counts, configurable: true});
answer.baseline = window[BASELINE_KEY] || null;
return answer;
