// Watches the document for a forum that posts without loading a page: it notes changes to the
// document (a post added), moves of its address (pushState, popstate, a fragment) and the user's
// own input. Installed once per document; each call answers what happened since the last one,
// {token, changed, acted, address}, and args.stop ends the watch.
var WATCH_KEY = '__quillboxDocumentWatch';
var token = documentToken(true);
var watch = window[WATCH_KEY];
if (args.stop) {
    if (watch) {
        watch.observer.disconnect();
        watch.stopped = true;
    }
    return {token: token, changed: false, acted: false, address: String(location.href)};
}
if (!watch || watch.stopped) {
    watch = {changed: false, acted: false, address: String(location.href), stopped: false};
    watch.observer = new MutationObserver(function () { watch.changed = true; });
    watch.observer.observe(document, {childList: true, subtree: true, characterData: true});
    var moved = function () { watch.changed = true; };
    var acted = function (event) {
        if (event.isTrusted)
            watch.acted = true;
    };
    window.addEventListener('popstate', moved, true);
    window.addEventListener('hashchange', moved, true);
    ['keydown', 'pointerdown', 'input', 'wheel'].forEach(function (type) {
        window.addEventListener(type, acted, true);
    });
    Object.defineProperty(window, WATCH_KEY, {value: watch, configurable: true, writable: true});
}
var address = String(location.href);
var answer = {token: token, changed: watch.changed || address !== watch.address, acted: watch.acted,
              address: address};
watch.changed = false;
watch.acted = false;
watch.address = address;
return answer;
