#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, made or updated first by wine_prefix.sh
# (at 96 DPI): wine_run.sh PREFIX [--xvfb] PROGRAM [ARG...]
# --xvfb: on a private X server of its own, for a program that makes windows (Wine makes none
# without one). The prefix's wineserver is ended afterwards, and the X server.
set -u
source "$(dirname "$0")/../../tools/wine_prefix.sh"
source "$(dirname "$0")/../../tools/x_server.sh"
prefix=$1
shift
if [ "${1-}" = --xvfb ]; then
    shift
    x_start || { echo "wine_run: Xvfb did not start" >&2 && exit 1; }
fi
wine_prefix "$prefix" || { x_stop; exit 1; }
wine "$@"
status=$?
wineserver -k 2>/dev/null
x_stop
exit $status
