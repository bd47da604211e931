// The web backend's elements: dialog windows and their controls made from the C++ side's calls
// (web_dom.h), their texts and images. The events they give are in web_events.js.
//
// Elements are numbered for the C++ side in WebDom.nodes. A window element keeps its record in
// `vh`: { el, client, win (the CDialogWindow's address), name, owned, controls, menu }; a control
// keeps its ID in `vhId` and its template text, with its mnemonic marker, in `vhText`.
mergeInto(LibraryManager.library, {
    $WebDom: {
        nodes: [null],
        add: function(el) {
            WebDom.nodes.push(el);
            return WebDom.nodes.length - 1;
        },
        make: function(tag, className, parent) {
            const el = document.createElement(tag);
            if (className) el.className = className;
            if (parent) parent.appendChild(el);
            return el;
        },
        place: function(el, x, y, width, height) {
            el.style.left = x + 'px';
            el.style.top = y + 'px';
            el.style.width = width + 'px';
            el.style.height = height + 'px';
        },
        // Shows a text with its mnemonic underlined: "&&" is "&", a single "&" marks the next
        // character. Gives the mnemonic in lower case, or ''.
        label: function(el, text, noPrefix) {
            el.textContent = '';
            let plain = '';
            let mnemonic = '';
            for (let i = 0; i < text.length; ++i) {
                if (text[i] === '&' && !noPrefix && i + 1 < text.length) {
                    ++i;
                    if (text[i] !== '&' && !mnemonic) {
                        el.append(plain);
                        plain = '';
                        WebDom.make('u', '', el).textContent = text[i];
                        mnemonic = text[i].toLowerCase();
                        continue;
                    }
                }
                plain += text[i];
            }
            el.append(plain);
            return mnemonic;
        },
        // A text as a screen reader reads it: blanks and line breaks as one blank.
        readable: function(el) {
            return el.textContent.replace(/\s+/g, ' ').trim();
        },
        windowOf: function(el) {
            const w = el.closest('.window');
            return w ? w.vh : null;
        },
        draw: function(canvas, x, y, width, height, pixels) {
            const data = new Uint8ClampedArray(HEAPU8.subarray(pixels, pixels + width * height * 4));
            canvas.getContext('2d').putImageData(new ImageData(data, width, height), x, y);
        },
    },

    web_base_units__deps: ['$WebDom'],
    web_base_units: function() {
        // Measured in the style of a window's client area, as the style sheet sets it.
        const probe = WebDom.make('div', 'window', document.body);
        const font = getComputedStyle(WebDom.make('div', 'client', probe)).font;
        probe.remove();
        const context = document.createElement('canvas').getContext('2d');
        context.font = font;
        let letters = 0;
        for (let c = 0; c < 26; ++c) {
            letters += Math.round(context.measureText(String.fromCharCode(65 + c)).width);
            letters += Math.round(context.measureText(String.fromCharCode(97 + c)).width);
        }
        const metrics = context.measureText('M');
        const height = Math.round(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
        return ((letters / 26 + 1) >> 1) | (height << 16);
    },

    web_window_create__deps: ['$WebDom', '$WebEvents'],
    web_window_create: function(win, name, caption, style, owned, width, height) {
        const WS_SYSMENU = 0x80000;
        const el = WebDom.make(owned ? 'dialog' : 'div', 'window');
        const vh = {el: el, win: win, name: UTF8ToString(name), owned: !!owned, controls: []};
        el.vh = vh;
        el.hidden = true;
        el.id = vh.name;
        if (!owned) el.setAttribute('role', 'dialog');
        el.setAttribute('aria-labelledby', vh.name + '.caption');
        const bar = WebDom.make('div', 'titlebar', el);
        if (style & WS_SYSMENU) {
            vh.icon = WebDom.make('canvas', 'sysicon', bar);
            vh.icon.setAttribute('role', 'button');
            vh.icon.setAttribute('aria-label', 'Window menu');
            vh.icon.setAttribute('aria-haspopup', 'menu');
        }
        const title = WebDom.make('span', 'caption', bar);
        title.id = vh.name + '.caption';
        title.textContent = UTF8ToString(caption);
        if (style & WS_SYSMENU) {
            vh.close = WebDom.make('button', 'close', bar);
            vh.close.type = 'button';
            vh.close.tabIndex = -1;
            vh.close.setAttribute('aria-label', 'Close');
            vh.close.textContent = '\u00d7';
        }
        vh.client = WebDom.make('div', 'client', el);
        vh.width = width + 4; // and the window's borders, 2 pixels each side (style.css)
        vh.client.style.width = width + 'px';
        vh.client.style.height = height + 'px';
        document.body.appendChild(el);
        WebEvents.listen(vh);
        return WebDom.add(el);
    },

    web_control_create__deps: ['$WebDom'],
    web_control_create: function(windowElement, kind, idName, text, style, id, x, y, width,
                                 height) {
        const vh = WebDom.nodes[windowElement].vh;
        const content = UTF8ToString(text);
        let el;
        if (kind === 0) { // a group box: a frame with its title
            el = WebDom.make('div', 'group');
            WebDom.make('span', 'title', el).textContent = content;
        } else if (kind === 1) { // a static text, which labels the control after it
            el = WebDom.make('label', 'static');
            el.vhNoPrefix = !!(style & 0x80 /* SS_NOPREFIX */);
            el.vhMnemonic = WebDom.label(el, content, el.vhNoPrefix);
        } else if (kind === 2) { // an edit box
            el = WebDom.make(style & 0x4 /* ES_MULTILINE */ ? 'textarea' : 'input', 'edit');
            if (el.tagName === 'INPUT') el.type = 'text';
            el.readOnly = !!(style & 0x800 /* ES_READONLY */);
            // Nothing typed is kept by the browser, and nothing corrects it. The plain text
            // keyboard offers the point in every language: a numeric one may offer a comma only.
            el.autocomplete = 'off';
            el.spellcheck = false;
            el.setAttribute('autocapitalize', 'off');
            el.setAttribute('autocorrect', 'off');
        } else if (kind === 3) { // a push button
            el = WebDom.make('button', 'button');
            el.type = 'button';
            el.vhMnemonic = WebDom.label(el, content, false);
            if ((style & 0xF) === 1 /* BS_DEFPUSHBUTTON */) el.classList.add('default');
        } else { // an icon or a picture
            el = WebDom.make('canvas', style & 0x1000 /* SS_SUNKEN */ ? 'image sunken' : 'image');
            el.setAttribute('role', 'img');
        }
        el.vhId = id;
        el.vhText = content;
        el.id = UTF8ToString(idName) || vh.name + '.' + vh.controls.length;
        if (kind === 2 || kind === 3) el.tabIndex = style & 0x10000 /* WS_TABSTOP */ ? 0 : -1;
        WebDom.place(el, x, y, width, height);
        vh.client.appendChild(el);
        vh.controls.push(el);
        return WebDom.add(el);
    },

    web_control_describe__deps: ['$WebDom'],
    web_control_describe: function(element, name, description) {
        const el = WebDom.nodes[element];
        const controls = WebDom.windowOf(el).controls;
        const before = controls.slice(0, controls.indexOf(el)).reverse();
        const find = function(list, text, className) {
            return list.find(function(c) {
                return c.classList.contains(className) && WebDom.readable(c) === text;
            });
        };
        name = UTF8ToString(name);
        description = UTF8ToString(description);
        if (el.classList.contains('image')) {
            el.setAttribute('aria-label', description || name);
            return;
        }
        if (name && el.classList.contains('edit')) {
            const label = find(before, name, 'static');
            const group = find(controls, name, 'group');
            if (label) label.htmlFor = el.id;
            else if (group) el.setAttribute('aria-labelledby', group.id);
            else el.setAttribute('aria-label', name);
        } else if (name && WebDom.readable(el) !== name) {
            el.setAttribute('aria-label', name);
        }
        if (description) {
            const group = find(controls, description, 'group');
            if (group) el.setAttribute('aria-describedby', group.id);
            else el.setAttribute('aria-description', description);
        }
    },

    web_pixel_ratio: function() {
        return Math.max(1, Math.ceil(window.devicePixelRatio || 1));
    },

    web_image__deps: ['$WebDom'],
    web_image: function(element, cssWidth, cssHeight, width, height, pixels) {
        let canvas = WebDom.nodes[element];
        if (canvas.vh) canvas = canvas.vh.icon;
        if (!canvas) return;
        canvas.width = width;
        canvas.height = height;
        if (!canvas.classList.contains('sysicon')) {
            canvas.style.width = cssWidth + 'px';
            canvas.style.height = cssHeight + 'px';
        }
        // Art enlarged for a dense screen is reduced smoothly to it; art at its own size stays
        // sharp whatever the page's zoom.
        canvas.style.imageRendering = width > cssWidth ? 'auto' : 'pixelated';
        WebDom.draw(canvas, 0, 0, width, height, pixels);
    },

    web_paint__deps: ['$WebDom'],
    web_paint: function(windowElement, x, y, width, height, pixels) {
        const vh = WebDom.nodes[windowElement].vh;
        if (!vh.paint) {
            vh.paint = WebDom.make('canvas', 'paint', vh.client);
            vh.paint.width = vh.client.clientWidth;
            vh.paint.height = vh.client.clientHeight;
        }
        WebDom.draw(vh.paint, x, y, width, height, pixels);
    },

    web_focus_first__deps: ['$WebDom', '$WebEvents'],
    web_focus_first: function(windowElement) {
        const first = WebEvents.tabStops(WebDom.nodes[windowElement].vh)[0];
        if (first) WebEvents.focus(first);
    },

    web_client_size__deps: ['$WebDom'],
    web_client_size: function(element, width, height) {
        const el = WebDom.nodes[element];
        const area = el.vh ? el.vh.client : el;
        HEAP32[width >> 2] = area.clientWidth;
        HEAP32[height >> 2] = area.clientHeight;
    },

    web_get_text__deps: ['$WebDom', 'malloc'],
    web_get_text: function(element) {
        const el = WebDom.nodes[element];
        let text = el.vhText;
        if (el.vh) text = el.querySelector('.caption').textContent;
        else if ('value' in el && el.classList.contains('edit')) text = el.value;
        const size = lengthBytesUTF8(text) + 1;
        const copy = _malloc(size);
        stringToUTF8(text, copy, size);
        return copy;
    },

    web_set_text__deps: ['$WebDom'],
    web_set_text: function(element, text) {
        const el = WebDom.nodes[element];
        const value = UTF8ToString(text);
        if (el.vh) {
            el.querySelector('.caption').textContent = value;
        } else if (el.classList.contains('edit')) {
            el.value = value; // one change, which a screen reader hears once
        } else {
            el.vhText = value;
            if (el.classList.contains('group')) el.firstChild.textContent = value;
            else el.vhMnemonic = WebDom.label(el, value, el.vhNoPrefix);
        }
    },

    web_edit_select__deps: ['$WebDom'],
    web_edit_select: function(element, start, end) {
        const el = WebDom.nodes[element];
        const length = el.value.length;
        el.setSelectionRange(Math.min(start, length), end < 0 ? length : Math.min(end, length));
    },

    web_edit_copy__deps: ['$WebDom'],
    web_edit_copy: function(element) {
        const el = WebDom.nodes[element];
        const text = el.value.substring(el.selectionStart, el.selectionEnd);
        // The clipboard API where the page may use it (https, or this machine); else the
        // editing command on the box itself, which takes the focus for that moment.
        const byCommand = function() {
            const focused = document.activeElement;
            el.focus();
            document.execCommand('copy');
            if (focused) focused.focus();
        };
        if (navigator.clipboard && navigator.clipboard.writeText) {
            navigator.clipboard.writeText(text).catch(byCommand);
        } else {
            byCommand();
        }
    },
});
