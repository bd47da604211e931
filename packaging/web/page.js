// The page around the calculator (emscripten's --pre-js): its service worker, and what it shows
// once the calculator has ended.
Module['onEnded'] = function() {
    // An installed app's window closes; a browser tab cannot close itself, so the page says that
    // the calculator has ended and offers to start it again.
    if (window.matchMedia('(display-mode: standalone)').matches) {
        window.close();
    }
    document.getElementById('ended').hidden = false;
    document.getElementById('restart').focus();
};

document.getElementById('restart').addEventListener('click', function() {
    window.location.reload();
});

// The service worker is registered once the page has loaded: its install fetches every file of
// the site again, which would otherwise compete with the first start.
if ('serviceWorker' in navigator) {
    window.addEventListener('load', function() {
        navigator.serviceWorker.register('sw.js');
    });
}
