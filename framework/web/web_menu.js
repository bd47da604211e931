// The web backend's window menus: a menu element in its window, filled from the C++ side
// (CDialogWindow::SystemMenu, CMenu::AppendMenu), opened from the title bar's icon, Alt+Space or
// a right-click on the window's background. Choosing an item sends its command to the window's
// dialog as WM_SYSCOMMAND. Where the browser offers to install the site as an app, the menus of
// the page's own windows offer it too, as a command of the page's, until it is installed or
// refused.
mergeInto(LibraryManager.library, {
    $WebMenu__deps: ['$WebDom'],
    $WebMenu__postset: 'WebMenu.listenForInstall();',
    $WebMenu: {
        install: null, // the browser's offer to install the site, while it stands
        listenForInstall: function() {
            window.addEventListener('beforeinstallprompt', function(e) {
                e.preventDefault();
                WebMenu.install = e;
            });
            window.addEventListener('appinstalled', function() { WebMenu.install = null; });
        },
        items: function(vh) {
            return Array.from(vh.menu.querySelectorAll('[role=menuitem]'));
        },
        // The install command at the menu's end while the offer stands, else none.
        offerInstall: function(vh) {
            const item = vh.menu.querySelector('.install');
            if (item && !WebMenu.install) {
                item.previousElementSibling.remove();
                item.remove();
            } else if (!item && WebMenu.install && !vh.owned) {
                const separator = WebDom.make('div', 'separator', vh.menu);
                separator.setAttribute('role', 'separator');
                const added = WebDom.make('div', 'item install', vh.menu);
                added.setAttribute('role', 'menuitem');
                added.tabIndex = -1;
                added.innerHTML = '<u>I</u>nstall as an app';
                added.dataset.keys = 'iI';
            }
        },
        // Opens the menu at (x, y) in the page's coordinates, the focus on its first item.
        open: function(vh, x, y) {
            if (!vh.menu) return;
            WebMenu.offerInstall(vh);
            const r = vh.el.getBoundingClientRect();
            vh.menu.style.left = Math.max(0, Math.min(x - r.left, r.width - 180)) + 'px';
            vh.menu.style.top = y - r.top + 'px';
            if (vh.menu.hidden) vh.menuReturn = document.activeElement;
            vh.menu.hidden = false;
            WebMenu.items(vh)[0].focus();
        },
        // Closes the menu; `refocus` gives the focus back to where it was before.
        close: function(vh, refocus) {
            if (!vh.menu || vh.menu.hidden) return;
            vh.menu.hidden = true;
            if (refocus && vh.menuReturn) vh.menuReturn.focus();
        },
        choose: function(vh, item) {
            WebMenu.close(vh, true);
            if (!item.classList.contains('install')) {
                return WebEvents.post(vh, 'Command', -1, Number(item.dataset.command));
            }
            const offer = WebMenu.install;
            WebMenu.install = null; // asked once: installed or refused, the offer is gone
            if (offer) Promise.resolve(offer.prompt()).catch(function() {});
        },
        // The keys of an open menu: arrows, Home and End move, Enter and Space choose, a letter
        // chooses its item, Esc and Alt close. True if the menu took the key.
        onKey: function(vh, e) {
            if (!vh.menu || vh.menu.hidden) return false;
            e.preventDefault();
            e.stopPropagation();
            const items = WebMenu.items(vh);
            const at = items.indexOf(document.activeElement);
            const move = {ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: items.length - 1};
            if (e.key in move) {
                items[(move[e.key] + items.length) % items.length].focus();
            } else if ((e.key === 'Enter' || e.key === ' ') && at >= 0) {
                WebMenu.choose(vh, items[at]);
            } else if (e.key === 'Escape' || e.key === 'Alt' || e.key === 'Tab') {
                WebMenu.close(vh, true);
            } else {
                const item = items.find(function(i) {
                    return [...(i.dataset.keys || '')].includes(e.key);
                });
                if (item) WebMenu.choose(vh, item);
            }
            return true;
        },
        // The menu's element listens once, for the window's life; its items come and go.
        listen: function(vh) {
            vh.menu.addEventListener('click', function(e) {
                const item = e.target.closest('[role=menuitem]');
                if (item) WebMenu.choose(vh, item);
            });
            vh.menu.addEventListener('focusout', function(e) {
                if (!vh.menu.contains(e.relatedTarget)) WebMenu.close(vh, false);
            });
        },
    },

    web_menu_reset__deps: ['$WebMenu'],
    web_menu_reset: function(window) {
        const vh = WebDom.windows[window];
        if (!vh.menuListening) WebMenu.listen(vh);
        vh.menuListening = true;
        vh.menu.textContent = '';
    },

    web_menu_append__deps: ['$WebDom'],
    web_menu_append: function(window, separator, command, html, keys) {
        const menu = WebDom.windows[window].menu;
        const item = WebDom.make('div', separator ? 'separator' : 'item', menu);
        item.setAttribute('role', separator ? 'separator' : 'menuitem');
        if (!separator) {
            item.tabIndex = -1;
            item.dataset.command = command;
            WebDom.label(item, html, keys);
        }
    },
});
