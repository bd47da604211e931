#!/usr/bin/env bash
# The Wine prefix that every Windows test and benchmark runs in. Sourced, this gives
#   wine_prefix PREFIX [DPI]
# which makes PREFIX a Wine prefix at DPI dots per inch (default 96), or brings an existing one
# to that DPI, and exports WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES for the wine commands that
# follow. A prefix that is already as asked costs a few milliseconds; making one takes some
# seconds, changing its DPI about half a second. One caller at a time for a given prefix (under
# ctest, a RESOURCE_LOCK): the wineserver it starts is the prefix's.
#
# What the prefix differs in from Wine's defaults, and why:
# - Wine's own fonts (Debian's fonts-wine), linked into its Fonts folder. Debian's Wine does
#   not look for them where they are installed, and without them "MS Sans Serif" falls back to
#   a wider font: dialog base units 7 x 13 instead of Windows' 6 x 13, and clipped texts.
# - LogPixels, the screen's DPI as Windows programs see it.
# - Windows that no window manager manages: on an X server without one, Wine otherwise waits
#   2 s for it each time a window closes.
# - No Mono or Gecko (no download prompts), no debugger (a crash ends the run with a failure
#   instead of waiting in winedbg), no menu entries on the host; no debugging output.

wine_prefix() {
    local prefix dpi=${2:-96}
    prefix=$(realpath -m "$1")
    export WINEPREFIX=$prefix WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe,winemenubuilder.exe=d"

    local fonts=/usr/share/wine/fonts
    if [ ! -e "$fonts/ms_sans_serif.ttf" ]; then
        echo "wine_prefix: Wine's own fonts are missing: install the Debian package fonts-wine" >&2
        return 1
    fi
    mkdir -p "$prefix/drive_c/windows/Fonts" &&
        ln -sf "$fonts"/* "$prefix/drive_c/windows/Fonts/" || return 1

    # The registry settings, kept in the prefix as imported last: the same file means nothing
    # to do. (Wine writes its registry to system.reg when its wineserver ends.)
    local settings=$prefix/varnholt-settings.reg
    printf '%s\r\n' REGEDIT4 '' \
        '[HKEY_CURRENT_USER\Control Panel\Desktop]' \
        "\"LogPixels\"=dword:$(printf %08x "$dpi")" '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
        '"Managed"="N"' >"$settings.new" || return 1
    if [ -e "$prefix/system.reg" ] && cmp -s "$settings.new" "$settings"; then
        rm -f "$settings.new"
        return 0
    fi
    # In an empty folder, the first wine command makes the prefix before it runs.
    if ! wine reg import "Z:$settings.new" >/dev/null 2>&1; then
        echo "wine_prefix: could not set up the Wine prefix $prefix" >&2
        return 1
    fi
    mv "$settings.new" "$settings"
}

# Run as a command, it makes or updates the prefix only: wine_prefix.sh PREFIX [DPI]
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -u
    [ $# -ge 1 ] || { echo "usage: $0 PREFIX [DPI]" >&2 && exit 2; }
    wine_prefix "$@"
fi
