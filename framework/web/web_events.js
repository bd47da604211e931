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
            const event = {window: vh.number, type: WebProtocol.WebEventType[type],
                control: control, value: value || 0, character: character || 0};
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
        // its keyboard). An opening's first focus scrolls nothing: the window shows from its top.
        focus: function(el, select, scroll) {
            WebEvents.still = !scroll;
            el.focus({preventScroll: true});
            WebEvents.still = false;
            if (select && el.classList.contains('edit')) el.select();
            if (scroll) el.scrollIntoView({block: 'nearest'});
        },

        // In a reflowed window (whose boxes flow), the box with the focus is kept in the band the
        // screen shows (above a phone's keyboard) with its group's other boxes, its result among
        // them, and where the band holds that too, the first line of the window's first read-only
        // box of several lines, where a dialog reports; the least scrolling that shows them.
        keepInView: function(vh) {
            const box = document.activeElement;
            if (!box || !box.classList.contains('edit') || !vh.el.contains(box) ||
                getComputedStyle(box).position === 'absolute') {
                return;
            }
            const view = window.visualViewport;
            const top = view ? view.offsetTop : 0;
            const bottom = top + (view ? view.height : innerHeight);
            const rect = function(el) { return el.getBoundingClientRect(); };
            const group = box.closest('.group');
            const report = vh.el.querySelector('textarea.readonly');
            const style = report && getComputedStyle(report);
            const line = report && parseFloat(style.borderTopWidth) +
                parseFloat(style.paddingTop) + parseFloat(style.fontSize) * 1.25;
            const wanted = [[rect(box)]];
            wanted.unshift(wanted[0].concat(group ? [...group.querySelectorAll('.edit')]
                .map(rect) : []));
            if (report) {
                const r = rect(report);
                wanted.unshift(wanted[0].concat([{top: r.top, bottom: r.top + line}]));
            }
            const margin = 4;
            for (const parts of wanted) {
                const from = Math.min.apply(null, parts.map(function(r) { return r.top; }));
                const to = Math.max.apply(null, parts.map(function(r) { return r.bottom; }));
                if (to - from > bottom - top - 2 * margin && parts.length > 1) continue;
                const by = from < top + margin ? from - top - margin :
                    to > bottom - margin ? to - bottom + margin : 0;
                if (by) (vh.owned ? vh.el : window).scrollBy(0, by);
                return;
            }
        },

        listen: function(vh) {
            const el = vh.el;
            el.addEventListener('input', function(e) {
                const at = vh.controls.indexOf(e.target);
                if (at < 0) return;
                // A box holds no more than its maxlength, however its text came (a script's),
                // cut before a character rather than inside one.
                const most = e.target.maxLength, text = e.target.value;
                if (most > 0 && text.length > most) {
                    const high = /[\uD800-\uDBFF]/.test(text[most - 1]);
                    e.target.value = text.slice(0, high ? most - 1 : most);
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
            el.addEventListener('focusin', function() {
                if (!WebEvents.still) WebEvents.keepInView(vh);
            });
            // The browser's own closing of a modal window (a phone's back button) is Esc.
            el.addEventListener('cancel', function(e) {
                e.preventDefault();
                WebEvents.key(vh, 'Escape');
            });
            if (!WebEvents.listening) {
                WebEvents.listening = true;
                window.addEventListener('keydown', WebEvents.onKey, true);
                // A keyboard's focus keys show the focus from then on (a touch screen hides it).
                window.addEventListener('keydown', function(e) {
                    if (e.key === 'Tab') document.documentElement.classList.add('keyed');
                }, true);
                // The screen shrinks or moves (a phone's keyboard coming up, a rotation).
                const kept = function() {
                    const vh = WebEvents.shown[WebEvents.shown.length - 1];
                    if (vh) WebEvents.keepInView(vh);
                };
                window.addEventListener('resize', kept);
                if (window.visualViewport) window.visualViewport.addEventListener('resize', kept);
            }
        },

        // The dialog keys of the active window, for the C++ side to carry out. Alt+letter and
        // Alt+Space are taken from the browser where it lets the page have them.
        onKey: function(e) {
            // Keys go to the page's own elements where the focus is on one (outside the window).
            const vh = WebEvents.shown[WebEvents.shown.length - 1];
            const focus = document.activeElement;
            if (!vh || (focus && focus !== document.body && !vh.el.contains(focus))) return;
            if (WebMenu.onKey(vh, e)) return;
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
                // The character as typed (or, where Alt makes another, its key's letter),
                // taken where a control lists it among the keys that reach it.
                const code = /^Key([A-Z])$/.exec(e.code);
                const typed = [...e.key].length === 1 ? e.key : code && code[1];
                const marked = typed && vh.controls.some(function(c) {
                    return [...(c.dataset.keys || '')].includes(typed);
                });
                if (marked) take('Mnemonic', typed.codePointAt(0));
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
        WebEvents.queue = WebEvents.queue.filter(function(e) { return e.window !== vh.number; });
        vh.el.remove();
        WebDom.windows[window] = null;
    },

    web_next_event: function(event) {
        return Asyncify.handleAsync(function() {
            return WebEvents.next().then(function(e) {
                const at = event >> 2;
                const field = WebProtocol.WebEventField;
                HEAP32[at + field.Window] = e.window;
                HEAP32[at + field.Type] = e.type;
                HEAP32[at + field.Control] = e.control;
                HEAP32[at + field.Value] = e.value;
                HEAP32[at + field.Character] = e.character;
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
