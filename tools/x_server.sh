#!/usr/bin/env bash
# A private X server for the tests and benchmarks that make windows. Sourced, this gives
#   x_start [AUTHFILE]   starts Xvfb (1280 x 1024) on a display of its choosing, taking only
#                        local connections (with AUTHFILE, only clients with its cookie), and
#                        exports DISPLAY; fails where it does not start within 5 s
#   x_stop               ends it (also at the caller's exit, where its trap calls it)
#   within MS CMD...     runs CMD every 50 ms until it succeeds, for at most MS milliseconds
#   x_window TITLE       the id of the visible window titled TITLE, waiting up to 20 s; a window
#                        found before it is mapped cannot take the focus
#   clipboard_is TEXT    whether the X clipboard holds TEXT
x_display_file='' x_pid=''

within() {
    local deadline=$(($(date +%s%3N) + $1))
    shift
    until "$@"; do
        [ "$(date +%s%3N)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

x_start() {
    local auth=()
    [ -n "${1-}" ] && auth=(-auth "$1")
    x_display_file=$(mktemp "${TMPDIR:-/tmp}/varnholt-display.XXXXXX")
    Xvfb -displayfd 3 -nolisten tcp "${auth[@]}" -screen 0 1280x1024x24 3>"$x_display_file" \
        >/dev/null 2>&1 &
    x_pid=$!
    # Xvfb writes its display's number once it takes connections.
    within 5000 test -s "$x_display_file" || { x_stop && return 1; }
    DISPLAY=:$(head -n 1 "$x_display_file") && export DISPLAY
}

x_stop() {
    [ -n "$x_pid" ] && kill "$x_pid" 2>/dev/null && wait "$x_pid" 2>/dev/null
    [ -n "$x_display_file" ] && rm -f "$x_display_file"
    x_pid='' x_display_file=''
    return 0
}

x_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

clipboard_is() {
    [ "$(timeout 2 xclip -selection clipboard -o 2>/dev/null)" = "$1" ]
}
