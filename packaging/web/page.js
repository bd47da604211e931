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

// The calculator's window goes; the page says what happened and offers to start it again.
function showEnded(how) {
    document.querySelector('[data-dialogs]').hidden = true;
    const ended = document.getElementById('ended');
    ended.querySelector('h1').textContent = document.title + ' has ' + how + '.';
    ended.hidden = false;
    document.getElementById('restart').focus();
}

Module['onEnded'] = function() {
    // An installed app's window closes; a browser tab cannot close itself.
    if (window.matchMedia('(display-mode: standalone)').matches) {
        window.close();
    }
    showEnded('ended');
};

// Should the program ever stop on its own (out of memory, say), it is not left looking alive.
Module['onAbort'] = function() {
    showEnded('stopped');
};

document.getElementById('restart').addEventListener('click', function() {
    window.location.reload();
});

// The service worker is registered once the page has loaded: its install fetches every file of
// the site again, which would otherwise compete with the first start. A new version, once its
// worker waits, is offered, never forced: taking it reloads the page, and what was typed goes.
// An open tab looks for one whenever it is shown again.
if ('serviceWorker' in navigator) {
    window.addEventListener('load', function() {
        let chosen = false;
        navigator.serviceWorker.register('sw.js').then(function(registration) {
            const offer = function() {
                const update = document.getElementById('update');
                update.hidden = !(registration.waiting && navigator.serviceWorker.controller);
            };
            offer();
            registration.addEventListener('updatefound', function() {
                registration.installing.addEventListener('statechange', offer);
            });
            document.addEventListener('visibilitychange', function() {
                if (!document.hidden) registration.update();
            });
            document.getElementById('update-now').addEventListener('click', function() {
                chosen = true;
                if (registration.waiting) registration.waiting.postMessage('activate');
            });
        });
        navigator.serviceWorker.addEventListener('controllerchange', function() {
            if (chosen) window.location.reload();
        });
    });
}
