// The web backend's events: what the page reports to the dialogs, one event at a time through
// web_next_event, on which a dialog's modal run waits (with Asyncify); the dialog keys; the
// windows' showing, hiding and fitting to the screen; the end of the program.
mergeInto(LibraryManager.library, {
    $WebEvents__deps: ['$WebDom', '$WebMenu'],
    $WebEvents: {
        queue: [],
        waiting: null,  // resolves the run's wait for the next event
        idle: [],       // resolved once the run waits with nothing queued (Module.whenIdle)
        shown: [],      // the windows shown, the active one last
        listening: false,
        ended: false,   // the program has returned from main

        post: function(vh, type, id, code) {
            const event = {win: vh.win, type: type, id: id, code: code};
            if (WebEvents.waiting) {
                const wake = WebEvents.waiting;
                WebEvents.waiting = null;
                wake(event);
            } else {
                WebEvents.queue.push(event);
            }
        },
        command: function(vh, id, code) {
            WebEvents.post(vh, 1 /* WEB_COMMAND */, id, code);
        },
        next: function() {
            if (WebEvents.queue.length) return Promise.resolve(WebEvents.queue.shift());
            WebEvents.idle.splice(0).forEach(function(resolve) { resolve(); });
            return new Promise(function(resolve) { WebEvents.waiting = resolve; });
        },

        // A window's controls that Tab stops at, in template order.
        tabStops: function(vh) {
            return vh.controls.filter(function(c) { return c.tabIndex >= 0 && !c.disabled; });
        },
        // Focus from the keyboard: an edit box selects all of its text, as in a dialog.
        focus: function(el) {
            el.focus({preventScroll: true});
            if (el.classList.contains('edit')) el.select();
        },
        // The control a mnemonic letter leads to: a button itself, or the first tab stop after
        // the static text that carries it.
        mnemonic: function(vh, letter) {
            const controls = vh.controls;
            for (let i = 0; i < controls.length; ++i) {
                if (controls[i].vhMnemonic !== letter) continue;
                if (controls[i].tagName === 'BUTTON') return controls[i];
                for (let j = i + 1; j < controls.length; ++j) {
                    if (controls[j].tabIndex >= 0) return controls[j];
                }
            }
            return null;
        },

        listen: function(vh) {
            const el = vh.el;
            el.addEventListener('input', function(e) {
                if (e.target.vhId !== undefined) WebEvents.command(vh, e.target.vhId, 0x400);
            });
            el.addEventListener('click', function(e) {
                const button = e.target.closest('button');
                if (button === vh.close) {
                    WebEvents.post(vh, 2 /* WEB_SYSCOMMAND */, 0xF060 /* SC_CLOSE */, 0);
                } else if (button && button.vhId !== undefined) {
                    WebEvents.command(vh, button.vhId, 0 /* BN_CLICKED */);
                } else if (e.target === vh.icon) {
                    const r = vh.icon.getBoundingClientRect();
                    WebMenu.open(vh, r.left, r.bottom);
                }
            });
            // Clicking the title bar or the background leaves the focus where it is, as a
            // dialog's does.
            el.addEventListener('mousedown', function(e) {
                if (!e.target.closest('input, textarea, button, .menu')) e.preventDefault();
            });
            // A right-click on the window's background, not on a control, opens its menu.
            el.addEventListener('contextmenu', function(e) {
                if (e.target.matches('input, textarea, button, .menu, .menu *')) return;
                e.preventDefault();
                WebMenu.open(vh, e.clientX, e.clientY);
            });
            // The browser's own closing of a modal window (a phone's back button) is Esc.
            el.addEventListener('cancel', function(e) {
                e.preventDefault();
                WebEvents.command(vh, 2 /* IDCANCEL */, 0);
            });
            if (!WebEvents.listening) {
                WebEvents.listening = true;
                window.addEventListener('keydown', WebEvents.onKey, true);
                window.addEventListener('resize', WebEvents.fit);
            }
        },

        // The dialog keys of the active window. Alt+letter and Alt+Space are taken from the
        // browser where it lets the page have them.
        onKey: function(e) {
            const vh = WebEvents.shown[WebEvents.shown.length - 1];
            if (!vh || WebMenu.onKey(vh, e)) return;
            const active = document.activeElement;
            const take = function() { e.preventDefault(); e.stopPropagation(); };
            if (e.altKey && !e.ctrlKey && !e.metaKey) {
                if (e.code === 'Space') {
                    take();
                    const r = vh.el.getBoundingClientRect();
                    WebMenu.open(vh, r.left, r.top);
                    return;
                }
                const code = /^Key([A-Z])$/.exec(e.code);
                const letter = e.key.length === 1 && /\p{L}/u.test(e.key) ? e.key : code && code[1];
                const target = letter && WebEvents.mnemonic(vh, letter.toLowerCase());
                if (target) {
                    take();
                    if (target.tagName === 'BUTTON') target.click();
                    else WebEvents.focus(target);
                }
                return;
            }
            if (e.ctrlKey || e.metaKey || e.altKey) return;
            if (e.key === 'Tab') {
                // Around the window's tab stops, as the template orders them, never out of it.
                take();
                const stops = WebEvents.tabStops(vh);
                const at = stops.indexOf(active);
                const step = e.shiftKey ? -1 : 1;
                const next = at < 0 ? (e.shiftKey ? stops.length - 1 : 0) : at + step;
                if (stops.length) WebEvents.focus(stops[(next + stops.length) % stops.length]);
            } else if (e.key === 'Enter') {
                // A focused button takes Enter itself; elsewhere the default button, or IDOK.
                if (active && active.tagName === 'BUTTON' && vh.controls.includes(active)) return;
                take();
                const button = vh.controls.find(function(c) {
                    return c.classList.contains('default');
                });
                WebEvents.command(vh, button ? button.vhId : 1 /* IDOK */, 0);
            } else if (e.key === 'Escape') {
                take();
                WebEvents.command(vh, 2 /* IDCANCEL */, 0);
            } else if (e.key === 'F1') {
                take();
                WebEvents.command(vh, 0xE146 /* ID_HELP */, 0);
            }
        },

        // Scales every window as a whole to the width of the screen, where it is narrower. The
        // window's width is known from its making, so that no layout is forced before the first
        // paint.
        fit: function() {
            const room = document.documentElement.clientWidth - 8;
            WebEvents.shown.forEach(function(vh) {
                const scale = room / vh.width;
                vh.el.style.zoom = scale < 1 ? String(scale) : '';
            });
        },
    },

    web_window_show__deps: ['$WebEvents'],
    web_window_show: function(element) {
        const vh = WebDom.nodes[element].vh;
        vh.el.hidden = false;
        if (vh.owned) vh.el.showModal();
        WebEvents.shown.push(vh);
        WebEvents.fit();
    },

    web_window_hide__deps: ['$WebEvents'],
    web_window_hide: function(element) {
        const vh = WebDom.nodes[element].vh;
        WebMenu.close(vh, false);
        if (vh.owned && vh.el.open) vh.el.close();
        vh.el.hidden = true;
        WebEvents.shown = WebEvents.shown.filter(function(w) { return w !== vh; });
    },

    web_remove__deps: ['$WebEvents', 'web_window_hide'],
    web_remove: function(element) {
        const el = WebDom.nodes[element];
        if (!el) return;
        const vh = el.vh;
        if (vh) {
            _web_window_hide(element);
            WebEvents.queue = WebEvents.queue.filter(function(e) { return e.win !== vh.win; });
            WebDom.nodes.forEach(function(node, i) {
                if (node && vh.el.contains(node)) WebDom.nodes[i] = null;
            });
        }
        el.remove();
        WebDom.nodes[element] = null;
    },

    web_next_event: function(event) {
        return Asyncify.handleAsync(function() {
            return WebEvents.next().then(function(e) {
                HEAP32[event >> 2] = e.win;
                HEAP32[(event >> 2) + 1] = e.type;
                HEAP32[(event >> 2) + 2] = e.id;
                HEAP32[(event >> 2) + 3] = e.code;
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
