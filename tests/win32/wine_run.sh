#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, made or updated first by wine_prefix.sh
# (at 96 DPI): wine_run.sh PREFIX PROGRAM [ARG...]
# The prefix's wineserver is ended afterwards.
set -u
source "$(dirname "$0")/wine_prefix.sh"
wine_prefix "$1" || exit 1
shift
wine "$@"
status=$?
wineserver -k 2>/dev/null
exit $status
