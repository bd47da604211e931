// The web backend's elements: dialog windows put into the page from the markup the C++ side
// makes (web_markup.h), their controls' texts, images and focus. The events they give are in
// web_events.js, the window menus in web_menu.js.
//
// Windows are numbered for the C++ side in WebDom.windows. A window's record `vh` holds its
// element (`el`), its number (`number`, which its events carry), client area, title-bar icon and
// close box, menu, and its controls in layout order (`controls`), which the C++ side names by
// place.
mergeInto(LibraryManager.library, {
    $WebDom: {
        windows: [null],
        measure: null, // a canvas context in the dialogs' font
        make: function(tag, className, parent) {
            const el = document.createElement(tag);
            if (className) el.className = className;
            if (parent) parent.appendChild(el);
            return el;
        },
        // Where the classic layout puts an element (the style sheet reads these).
        place: function(el, places, i) {
            el.style.setProperty('--l', places[4 * i] + 'px');
            el.style.setProperty('--t', places[4 * i + 1] + 'px');
            el.style.setProperty('--w', places[4 * i + 2] + 'px');
            el.style.setProperty('--h', places[4 * i + 3] + 'px');
        },
        control: function(window, control) {
            const vh = WebDom.windows[window];
            return control < 0 ? vh.el : vh.controls[control];
        },
        // A text as the C++ side marks it up (its mnemonic underlined, all else escaped), and
        // the characters that reach it with Alt, as the C++ rule gives them.
        label: function(el, html, keys) {
            el.innerHTML = UTF8ToString(html);
            if (keys && HEAPU8[keys]) el.dataset.keys = UTF8ToString(keys);
            else delete el.dataset.keys;
        },
        // The canvas that measures in the style of a window's client area, as the style sheet
        // sets it: a window the page already shows, or else one made for the purpose. The font
        // is put together from its parts: where colours are forced, the shorthand reads empty.
        measuring: function() {
            if (WebDom.measure) return WebDom.measure;
            const shown = document.querySelector('.window > .client');
            const probe = shown ? null : WebDom.make('div', 'window', document.body);
            const style = getComputedStyle(shown || WebDom.make('div', 'client', probe));
            const font =
                [style.fontStyle, style.fontWeight, style.fontSize, style.fontFamily].join(' ');
            if (probe) probe.remove();
            WebDom.measure = document.createElement('canvas').getContext('2d');
            WebDom.measure.font = font;
            const metrics = WebDom.measure.measureText('M');
            WebDom.lineHeight =
                Math.round(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
            return WebDom.measure;
        },
        draw: function(canvas, x, y, width, height, pixels) {
            const data =
                new Uint8ClampedArray(HEAPU8.subarray(pixels, pixels + width * height * 4));
            canvas.getContext('2d').putImageData(new ImageData(data, width, height), x, y);
        },
    },

    web_letter_width__deps: ['$WebDom'],
    web_letter_width: function(letter) {
        return WebDom.measuring().measureText(String.fromCharCode(letter)).width;
    },

    web_line_height__deps: ['$WebDom'],
    web_line_height: function() {
        WebDom.measuring();
        return WebDom.lineHeight;
    },

    web_text_width__deps: ['$WebDom'],
    web_text_width: function(text) {
        return Math.ceil(WebDom.measuring().measureText(UTF8ToString(text)).width);
    },

    web_window_create__deps: ['$WebDom', '$WebEvents'],
    web_window_create: function(id, markup, controls, owned, places, count) {
        // A window the page already shows (laid out when the site was built) is taken as it is;
        // others go where the page keeps its dialogs ([data-dialogs]), or into its body.
        let el = document.getElementById(UTF8ToString(id));
        if (!el) {
            const made = document.createElement('template');
            made.innerHTML = UTF8ToString(markup);
            el = made.content.firstElementChild;
            (document.querySelector('[data-dialogs]') || document.body).appendChild(el);
        }
        const at = HEAP32.subarray(places >> 2, (places >> 2) + 4 * count);
        const vh = {
            el: el, number: WebDom.windows.length, owned: !!owned,
            client: el.querySelector('.client'),
            icon: el.querySelector('.sysicon canvas'),
            close: el.querySelector('.close'),
            menu: el.querySelector('.menu'),
            live: el.querySelector('.live'),
            tell: el.querySelector('.tell'),
            controls: UTF8ToString(controls).split('\n').filter(Boolean)
                .map(function(name) { return document.getElementById(name); }),
        };
        WebDom.place(vh.client, at, 0);
        vh.client.style.setProperty('--line', WebDom.lineHeight + 'px');
        vh.controls.forEach(function(control, i) { WebDom.place(control, at, i + 1); });
        // The keypad of digits and a point where this browser's language writes a point; the
        // text keyboard, which has the point in every language, where it writes a comma (which
        // would end the number). Asking the language costs a long task, so it is asked when a
        // box is first pressed or reached, before the keyboard shows, not at the opening's
        // first focus.
        const keypad = function(e) {
            if (e.type === 'focusin' && WebEvents.still) return;
            el.removeEventListener('pointerdown', keypad, true);
            el.removeEventListener('focusin', keypad, true);
            if (new Intl.NumberFormat().format(1.5) !== '1.5') return;
            el.querySelectorAll('input.edit:not([readonly])').forEach(function(box) {
                box.inputMode = 'decimal';
            });
        };
        el.addEventListener('pointerdown', keypad, true);
        el.addEventListener('focusin', keypad, true);
        WebEvents.listen(vh);
        WebDom.windows.push(vh);
        return WebDom.windows.length - 1;
    },

    web_client_size__deps: ['$WebDom'],
    web_client_size: function(window, width, height) {
        const client = WebDom.windows[window].client;
        HEAP32[width >> 2] = client.clientWidth;
        HEAP32[height >> 2] = client.clientHeight;
    },

    web_pixel_ratio: function() {
        return Math.max(1, Math.ceil(window.devicePixelRatio || 1));
    },

    web_image__deps: ['$WebDom'],
    web_image: function(window, control, cssWidth, cssHeight, width, height, pixels) {
        const canvas = control < 0 ? WebDom.windows[window].icon : WebDom.control(window, control);
        if (!canvas) return;
        canvas.width = width;
        canvas.height = height;
        canvas.classList.add('drawn');
        // Art enlarged for a dense screen is reduced smoothly to it; art at its own size stays
        // sharp whatever the page's zoom.
        canvas.style.imageRendering = width > cssWidth ? 'auto' : 'pixelated';
        WebDom.draw(canvas, 0, 0, width, height, pixels);
    },

    web_paint__deps: ['$WebDom'],
    web_paint: function(window, x, y, width, height, pixels) {
        const vh = WebDom.windows[window];
        if (!vh.paint) {
            vh.paint = WebDom.make('canvas', 'paint', vh.client);
            vh.paint.width = vh.client.clientWidth;
            vh.paint.height = vh.client.clientHeight;
        }
        WebDom.draw(vh.paint, x, y, width, height, pixels);
    },

    web_focus__deps: ['$WebDom', '$WebEvents'],
    web_focus: function(window, control, select, scroll) {
        WebEvents.focus(WebDom.control(window, control), select, scroll);
    },

    web_enabled__deps: ['$WebDom'],
    web_enabled: function(window, control) {
        return control < 0 || !WebDom.control(window, control).disabled;
    },

    web_enable__deps: ['$WebDom'],
    web_enable: function(window, control, enabled) {
        if (control >= 0) WebDom.control(window, control).disabled = !enabled;
    },

    web_get_text__deps: ['$WebDom', 'malloc'],
    web_get_text: function(window, control) {
        const el = WebDom.control(window, control);
        const text = control < 0 ? el.querySelector('.caption').textContent : el.value;
        const size = lengthBytesUTF8(text) + 1;
        const copy = _malloc(size);
        stringToUTF8(text, copy, size);
        return copy;
    },

    web_set_text__deps: ['$WebDom'],
    web_set_text: function(window, control, text) {
        const el = WebDom.control(window, control);
        if (control < 0) el.querySelector('.caption').textContent = UTF8ToString(text);
        else el.value = UTF8ToString(text); // one change, which a screen reader hears once
    },

    web_announce__deps: ['$WebDom'],
    web_announce: function(window, text) {
        // What changes within one event is said together, once the event is carried out.
        const vh = WebDom.windows[window];
        if (!vh.announcing) {
            vh.announcing = [];
            queueMicrotask(function() {
                vh.live.textContent = vh.announcing.join('\n');
                vh.announcing = null;
            });
        }
        vh.announcing.push(UTF8ToString(text));
    },

    web_set_label__deps: ['$WebDom'],
    web_set_label: function(window, control, html, keys) {
        let el = WebDom.control(window, control);
        if (el.classList.contains('group')) el = el.querySelector('.title');
        WebDom.label(el, html, keys);
    },

    web_edit_select__deps: ['$WebDom'],
    web_edit_select: function(window, control, start, end) {
        const el = WebDom.control(window, control);
        const length = el.value.length;
        el.setSelectionRange(Math.min(start, length), end < 0 ? length : Math.min(end, length));
    },

    web_edit_copy__deps: ['$WebDom'],
    web_edit_copy: function(window, control) {
        const vh = WebDom.windows[window];
        const el = WebDom.control(window, control);
        const text = el.value.substring(el.selectionStart, el.selectionEnd);
        // The window tells (and its status line says) that the text is copied; where the
        // browser refuses both ways, that the text stays selected for a copy by hand.
        const told = function(copied) {
            vh.tell.hidden = false;
            vh.tell.textContent = copied ? 'Copied to the clipboard.' : 'The browser did not ' +
                'let the page copy. The text is selected: copy it with the browser\'s own Copy.';
        };
        // The clipboard API where the page may use it (https, or this machine); else the
        // editing command on the box itself, which takes the focus for that moment.
        const byCommand = function() {
            const focused = document.activeElement;
            el.focus();
            let copied = false;
            try {
                copied = document.execCommand('copy');
            } catch (e) {
                copied = false;
            }
            if (focused) focused.focus();
            told(copied);
        };
        if (navigator.clipboard && navigator.clipboard.writeText) {
            navigator.clipboard.writeText(text).then(function() { told(true); }, byCommand);
        } else {
            byCommand();
        }
    },
});
