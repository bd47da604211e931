// The page's first script, inline so that it runs whatever else fails to load. Should the page's
// script, its style sheet or the program not load, or an error escape any event or promise of the
// page, the page says that the calculator has stopped and offers to start it again. The page's
// script shows the end of the calculator through pageEnded too. It also tells the service worker
// which files the page runs, so that no build is deleted under a page still loading it.
(function() {
    'use strict';
    function whenParsed(then) {
        if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', then);
        else then();
    }
    // The calculator's window goes; the page says what happened (once) and offers a new start.
    window.pageEnded = function(how) {
        whenParsed(function() {
            const ended = document.getElementById('ended');
            if (!ended.hidden) return;
            document.querySelector('[data-dialogs]').hidden = true;
            ended.querySelector('h1').textContent = document.title + ' has ' + how + '.';
            ended.hidden = false;
            document.getElementById('restart').focus();
        });
    };
    const stopped = function() { window.pageEnded('stopped'); };
    addEventListener('error', function(e) {
        const from = e.target;
        if (from === window || from.tagName === 'SCRIPT' ||
            (from.tagName === 'LINK' && from.rel === 'stylesheet')) {
            stopped();
        }
    }, true);
    addEventListener('unhandledrejection', stopped);
    whenParsed(function() {
        document.getElementById('restart').addEventListener('click', function() {
            location.reload();
        });
    });
    if (!('serviceWorker' in navigator)) return;
    navigator.serviceWorker.onmessage = function(e) {
        if (e.data !== 'files?' || !e.ports[0]) return;
        whenParsed(function() {
            const script = document.querySelector('script[data-wasm]');
            const style = document.querySelector('link[rel=stylesheet]');
            e.ports[0].postMessage([script.src, new URL(script.dataset.wasm, script.src).href,
                style.href]);
        });
    };
})();
