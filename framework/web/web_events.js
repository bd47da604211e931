// The web backend's events: what the page reports to the dialogs, one event at a time through
// web_next_event, on which a dialog's modal run waits (with Asyncify); the dialog keys, which
// the C++ side carries out; the windows' showing and hiding; the end of the program. The
// events' numbers are WebProtocol's (made from the C++ headers).
mergeInto(LibraryManager.library, {
    $WebEvents__deps: ['$WebDom', '$WebMenu', '$WebProtocol'],
    $WebEvents: {
        queue: [],
        waiting: null,  // resolves the run's wait for the next event
        idle: [],       // resolved once the run waits with nothing queued (Module.whenIdle)
        shown: [],      // the windows shown, the active one last
        listening: false,
        ended: false,   // the program has returned from main

        post: function(vh, type, control, value, character) {
            const event = {win: vh.win, type: WebProtocol.WebEventType[type], control: control,
                value: value || 0, character: character || 0};
            if (WebEvents.waiting) {
                const wake = WebEvents.waiting;
                WebEvents.waiting = null;
                wake(event);
            } else {
                WebEvents.queue.push(event);
            }
        },
        // A dialog key, with the control that has the focus.
        key: function(vh, key, character) {
            WebEvents.post(vh, 'Key', vh.controls.indexOf(document.activeElement),
                WebProtocol.DialogKey[key], character);
        },
        next: function() {
            if (WebEvents.queue.length) return Promise.resolve(WebEvents.queue.shift());
            WebEvents.idle.splice(0).forEach(function(resolve) { resolve(); });
            return new Promise(function(resolve) { WebEvents.waiting = resolve; });
        },

        pointer: '',    // the kind of the last pointer pressed: mouse, pen or touch

        // Focus from the keyboard: an edit box selects all of its text, as in a dialog; with
        // `scroll`, the control is brought into view where the window scrolls (a phone's, above
        // its keyboard).
        focus: function(el, select, scroll) {
            el.focus({preventScroll: true});
            if (select && el.classList.contains('edit')) el.select();
            if (scroll) el.scrollIntoView({block: 'nearest'});
        },

        listen: function(vh) {
            const el = vh.el;
            el.addEventListener('input', function(e) {
                const at = vh.controls.indexOf(e.target);
                if (at < 0) return;
                // A box holds no more than its maxlength, however its text came (a script's).
                const most = e.target.maxLength;
                if (most > 0 && e.target.value.length > most) {
                    e.target.value = e.target.value.slice(0, most);
                }
                WebEvents.post(vh, 'Changed', at);
            });
            el.addEventListener('click', function(e) {
                const button = e.target.closest('button');
                const at = vh.controls.indexOf(button);
                if (button && button === vh.close) {
                    WebEvents.post(vh, 'Closed', -1);
                } else if (at >= 0) {
                    WebEvents.post(vh, 'Clicked', at);
                } else if (button && button.classList.contains('sysicon')) {
                    const r = button.getBoundingClientRect();
                    WebMenu.open(vh, r.left, r.bottom);
                }
            });
            // Clicking the title bar or the background leaves the focus where it is, as a
            // dialog's does.
            el.addEventListener('mousedown', function(e) {
                if (!e.target.closest('input, textarea, .client button, .menu')) e.preventDefault();
            });
            // A right-click on the window's background, not on a control, opens its menu; a
            // finger's long press opens none (the title bar's icon is the finger's way to it).
            el.addEventListener('pointerdown', function(e) {
                WebEvents.pointer = e.pointerType;
                // A press anywhere but in the open menu or on its icon closes it.
                if (!e.target.closest('.menu, .sysicon')) WebMenu.close(vh, false);
            }, true);
            el.addEventListener('contextmenu', function(e) {
                if (e.target.closest('input, textarea, button, .menu')) return;
                e.preventDefault();
                if (WebEvents.pointer !== 'touch') WebMenu.open(vh, e.clientX, e.clientY);
            });
            // The browser's own closing of a modal window (a phone's back button) is Esc.
            el.addEventListener('cancel', function(e) {
                e.preventDefault();
                WebEvents.key(vh, 'Escape');
            });
            if (!WebEvents.listening) {
                WebEvents.listening = true;
                window.addEventListener('keydown', WebEvents.onKey, true);
            }
        },

        // The dialog keys of the active window, for the C++ side to carry out. Alt+letter and
        // Alt+Space are taken from the browser where it lets the page have them.
        onKey: function(e) {
            const vh = WebEvents.shown[WebEvents.shown.length - 1];
            if (!vh || WebMenu.onKey(vh, e)) return;
            const take = function(key, character) {
                e.preventDefault();
                e.stopPropagation();
                if (key) WebEvents.key(vh, key, character);
            };
            if (e.altKey && !e.ctrlKey && !e.metaKey) {
                if (e.code === 'Space') {
                    take();
                    const r = vh.el.getBoundingClientRect();
                    WebMenu.open(vh, r.left, r.top);
                    return;
                }
                const code = /^Key([A-Z])$/.exec(e.code);
                const letter = e.key.length === 1 && /\p{L}/u.test(e.key) ? e.key : code && code[1];
                const lower = letter && letter.toLowerCase();
                const marked = lower && vh.controls.some(function(c) {
                    return c.dataset.mnemonic === lower;
                });
                if (marked) take('Mnemonic', lower.codePointAt(0));
                return;
            }
            if (e.ctrlKey || e.metaKey || e.altKey) return;
            const keys = {Tab: e.shiftKey ? 'BackTab' : 'Tab', Enter: 'Enter', Escape: 'Escape',
                F1: 'Help'};
            if (keys[e.key]) take(keys[e.key]);
        }
    },

    web_window_show__deps: ['$WebEvents'],
    web_window_show: function(window) {
        const vh = WebDom.windows[window];
        vh.el.hidden = false;
        vh.el.inert = false;
        if (vh.owned) vh.el.showModal();
        WebEvents.shown.push(vh);
    },

    web_window_hide__deps: ['$WebEvents'],
    web_window_hide: function(window) {
        const vh = WebDom.windows[window];
        WebMenu.close(vh, false);
        if (vh.owned && vh.el.open) vh.el.close();
        vh.el.hidden = true;
        WebEvents.shown = WebEvents.shown.filter(function(w) { return w !== vh; });
    },

    web_window_remove__deps: ['$WebEvents', 'web_window_hide'],
    web_window_remove: function(window) {
        const vh = WebDom.windows[window];
        if (!vh) return;
        _web_window_hide(window);
        WebEvents.queue = WebEvents.queue.filter(function(e) { return e.win !== vh.win; });
        vh.el.remove();
        WebDom.windows[window] = null;
    },

    web_next_event: function(event) {
        return Asyncify.handleAsync(function() {
            return WebEvents.next().then(function(e) {
                const at = event >> 2;
                HEAP32.set([e.win, e.type, e.control, e.value, e.character], at);
            });
        });
    },

    web_ended__deps: ['$WebEvents'],
    web_ended: function(code) {
        WebEvents.ended = true;
        WebEvents.idle.splice(0).forEach(function(resolve) { resolve(); });
        if (Module['onEnded']) Module['onEnded'](code);
    },

    // For benchmarks and tests: a promise that resolves once every event so far has been
    // carried out and the program waits for the next, or has ended.
    $WebIdle__deps: ['$WebEvents'],
    $WebIdle__postset: 'Module["whenIdle"] = WebIdle;',
    $WebIdle: function() {
        if (!WebEvents.ended && (!WebEvents.waiting || WebEvents.queue.length)) {
            return new Promise(function(resolve) { WebEvents.idle.push(resolve); });
        }
        return Promise.resolve();
    },
    web_next_event__deps: ['$WebEvents', '$WebIdle'],
});
