// The page around the calculator (emscripten's --pre-js): where its WebAssembly is, what the
// page shows once the calculator has ended or stopped, and the service worker with its news of
// a new version.

// The WebAssembly's name carries its content's hash; the page names the one of its own build.
// It is fetched once the page has painted its first window (already in the page), so that the
// first paint waits for nothing but the page and its style sheet.
const wasmName = document.currentScript && document.currentScript.dataset.wasm;
Module['locateFile'] = function(path, prefix) {
    return path.endsWith('.wasm') && wasmName ? prefix + wasmName : prefix + path;
};
function afterFirstPaint(start) {
    let started = false;
    const go = function() {
        if (!started) start();
        started = true;
    };
    if (window.PerformanceObserver && PerformanceObserver.supportedEntryTypes.includes('paint')) {
        new PerformanceObserver(function(list, observer) {
            if (list.getEntriesByName('first-contentful-paint').length) {
                observer.disconnect();
                setTimeout(go);
            }
        }).observe({type: 'paint', buffered: true});
    }
    // A page loaded out of sight paints nothing until it is shown; it starts all the same.
    window.addEventListener('load', function() { setTimeout(go, 1000); });
}
Module['instantiateWasm'] = function(imports, started) {
    afterFirstPaint(function() {
        WebAssembly.instantiateStreaming(fetch(Module['locateFile']('.wasm', '')), imports)
            .then(function(made) { started(made.instance, made.module); })
            .catch(function(error) { Module['onAbort'](error); });
    });
    return {};
};

// An installed app's window closes at the end; a browser tab cannot close itself, so the page
// says that the calculator has ended and offers to start it again (pageEnded, the page's first
// script, which also tells when it has stopped).
Module['onEnded'] = function() {
    if (window.matchMedia('(display-mode: standalone)').matches) {
        window.close();
    }
    pageEnded('ended');
};

// Should the program ever stop on its own (out of memory, say), it is not left looking alive.
Module['onAbort'] = function() {
    pageEnded('stopped');
};

// The service worker is registered once the page has loaded: its install fetches every file of
// the site again, which would otherwise compete with the first start. A new version, once its
// worker waits, is offered, never forced: taking it reloads the page, and what was typed goes.
// The offer can be put off, and then stays away for that version in this tab; taken in another
// tab, it is offered here still, and taking it reloads the page into it. An open tab looks for a
// new version whenever it is shown again. Without a worker (plain http) the page works all the
// same, so a refused registration or a failed look is no fault.
if ('serviceWorker' in navigator) {
    const workers = navigator.serviceWorker;
    const startedUnder = workers.controller; // the worker this page's build came from
    window.addEventListener('load', function() {
        const notice = document.getElementById('update');
        const nothing = function() {};
        let registration = null;
        let chosen = false;   // this tab asked for the new version
        let behind = false;   // another tab took a newer version than this page's
        let offered = null;   // the version offered, a worker
        let putOff = null;    // the version put off
        let returnTo = null;  // where the focus was before it went to the notice
        const offer = function() {
            const version = behind ? registration.active :
                workers.controller && registration.waiting;
            const shown = !!version && version !== putOff;
            if (shown && version !== offered) {
                document.getElementById('said').textContent = notice.querySelector('p').textContent;
                offered = version;
            }
            notice.hidden = !shown;
        };
        workers.addEventListener('controllerchange', function() {
            if (chosen) return window.location.reload();
            behind = true;
            if (registration) offer();
        });
        workers.register('sw.js').then(function(registered) {
            registration = registered;
            behind = behind || (!!startedUnder && registration.active !== startedUnder);
            offer();
            registration.addEventListener('updatefound', function() {
                registration.installing.addEventListener('statechange', offer);
            });
            document.addEventListener('visibilitychange', function() {
                if (!document.hidden) registration.update().catch(nothing);
            });
            // Older builds of this copy go once no page runs them.
            if (registration.active) registration.active.postMessage('clean');
        }).catch(nothing);
        document.getElementById('update-now').addEventListener('click', function() {
            if (registration && registration.waiting && !behind) {
                chosen = true;
                registration.waiting.postMessage('activate');
            } else {
                window.location.reload();
            }
        });
        const later = function() {
            const inNotice = notice.contains(document.activeElement);
            putOff = offered;
            notice.hidden = true;
            if (returnTo && inNotice) returnTo.focus();
        };
        document.getElementById('update-later').addEventListener('click', later);
        // F6 moves between the calculator and the notice; Esc in the notice puts it off. Keys
        // taken here reach no dialog.
        window.addEventListener('keydown', function(e) {
            const inNotice = notice.contains(document.activeElement);
            const escape = e.key === 'Escape' && inNotice;
            if (!escape && (e.key !== 'F6' || notice.hidden)) return;
            e.preventDefault();
            e.stopImmediatePropagation();
            if (escape) {
                later();
            } else if (inNotice) {
                if (returnTo) returnTo.focus();
            } else {
                returnTo = document.activeElement;
                document.getElementById('update-now').focus();
            }
        }, true);
    });
}
