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

// The post-identifier rule of the page readers (src/watch/page_reading.h; keep both the same):
// an element's marking is "id:" and the prefix of an id that is a prefix of letters, "_" and
// "-" followed by 1 to 18 digits ("post_123" gives "id:post_", 123), or a data-pid, data-post-id
// or data-postid attribute of digits. An id counts only when no word of its prefix (split at
// every character that is not a letter) names something else (thread, topic, forum, ...) and
// its last word is post, p, pid, postid, msg, message, reply, comment or entry. A marking whose
// numbers fall, or come again later, does not number posts and is dropped (the same number
// right after itself is one post). A marking is read with two numbers or more, or with one
// when its last word is post, p, pid, postid or msg, or it is a data attribute; the one read
// with the most numbers wins, on a tie the first in the page. The elements carrying the winning
// marking are the page's posts. Ids of threads, topics, forums and categories mark a list of
// threads instead.
var POST_DATA = ['data-pid', 'data-post-id', 'data-postid'];
var OTHER_WORDS = ['thread', 'topic', 'forum', 'forums', 'category', 'cat', 'board', 'node',
                   'user', 'member', 'profile', 'author', 'avatar', 'poll', 'like', 'likes',
                   'vote', 'sig', 'signature', 'attachment', 'attach', 'edit', 'edited', 'quote',
                   'menu'];
var POST_WORDS = ['post', 'p', 'pid', 'postid', 'msg', 'message', 'reply', 'comment', 'entry'];
var SINGLE_WORDS = ['post', 'p', 'pid', 'postid', 'msg'];
var LIST_WORDS = ['thread', 'topic', 'forum', 'forums', 'category', 'cat', 'board', 't', 'f'];
var LIST_DATA = ['data-topic-id', 'data-thread-id', 'data-forum-id', 'data-category-id', 'data-tid'];
var LIST_CLASS = /(^|\s)(topic|thread|forum|category)s?[-_]?(list|row|item|title|teaser|excerpt|listing)|(^|\s)latest[-_](posts|topics|threads)/i;
function attribute(el, name) { return Element.prototype.getAttribute.call(el, name); }
function idParts(el) {
    var id = attribute(el, 'id');
    var parts = id && /^([A-Za-z_-]+?)(\d{1,18})$/.exec(id);
    if (!parts)
        return null;
    var words = parts[1].toLowerCase().split(/[^a-z]+/).filter(function (w) { return w; });
    return {key: 'id:' + parts[1].toLowerCase(), words: words, number: Number(parts[2])};
}
// The markings an element carries that may number posts: [{key, number, single}].
function markingsOf(el) {
    var found = [];
    var id = idParts(el);
    if (id && id.words.length && !id.words.some(function (w) { return OTHER_WORDS.indexOf(w) >= 0; }) &&
        POST_WORDS.indexOf(id.words[id.words.length - 1]) >= 0)
        found.push({key: id.key, number: id.number,
                    single: SINGLE_WORDS.indexOf(id.words[id.words.length - 1]) >= 0});
    POST_DATA.forEach(function (name) {
        var value = attribute(el, name);
        if (value !== null && /^\d{1,18}$/.test(value))
            found.push({key: name, number: Number(value), single: true});
    });
    return found;
}
var postKey = (function () {
    var runs = {}, order = [];
    Array.prototype.forEach.call(queryAll(document, '[id], [data-pid], [data-post-id], [data-postid]'),
                                 function (el) {
        markingsOf(el).forEach(function (m) {
            var run = runs[m.key];
            if (!run) {
                run = runs[m.key] = {numbers: [], seen: {}, dropped: false, single: m.single};
                order.push(m.key);
            }
            if (run.dropped)
                return;
            var last = run.numbers.length ? run.numbers[run.numbers.length - 1] : -1;
            if (m.number === last)
                return;
            if (m.number < last || run.seen[m.number]) {
                run.dropped = true;
                return;
            }
            run.seen[m.number] = true;
            run.numbers.push(m.number);
        });
    });
    var best = null;
    order.forEach(function (key) {
        var run = runs[key];
        var read = !run.dropped && (run.numbers.length >= 2 || (run.numbers.length === 1 && run.single));
        if (read && (!best || run.numbers.length > runs[best].numbers.length))
            best = key;
    });
    return best;
})();
function marksPost(el) {
    return !!postKey && markingsOf(el).some(function (m) { return m.key === postKey; });
}
function marksList(el) {
    var id = idParts(el);
    if (id && id.words.some(function (w) { return LIST_WORDS.indexOf(w) >= 0; }))
        return true;
    var cls = attribute(el, 'class');
    return LIST_DATA.some(function (name) { return attribute(el, name) !== null; }) ||
           (!!cls && LIST_CLASS.test(cls));
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
    var postsMarked = !!postKey;
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
