#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, made or updated first by wine_prefix.sh
# (at 96 DPI): wine_run.sh PREFIX [--xvfb] PROGRAM [ARG...]
# --xvfb: on a private X server of its own, for a program that makes windows (Wine makes none
# without one). The prefix's wineserver is ended afterwards, and the X server.
set -u
source "$(dirname "$0")/../../tools/wine_prefix.sh"
prefix=$1
shift
xvfb='' display=''
stop_xvfb() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -f "$display"
}
if [ "${1-}" = --xvfb ]; then
    shift
    display=$(mktemp "${TMPDIR:-/tmp}/varnholt-display.XXXXXX")
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$display" 2>/dev/null &
    xvfb=$!
    # Xvfb writes its display's number once it takes connections.
    for ((i = 0; i < 100; i++)); do [ -s "$display" ] && break || sleep 0.05; done
    [ -s "$display" ] || { echo "wine_run: Xvfb did not start" >&2; stop_xvfb; exit 1; }
    DISPLAY=:$(cat "$display") && export DISPLAY
fi
wine_prefix "$prefix" || { stop_xvfb; exit 1; }
wine "$@"
status=$?
wineserver -k 2>/dev/null
stop_xvfb
exit $status
