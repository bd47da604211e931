#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix: wine_run.sh PREFIX PROGRAM [ARG...]
# No Mono or Gecko (no download prompts), no debugger: a crash ends the run with a failure
# instead of waiting in winedbg. The prefix's wineserver is ended afterwards.
set -u
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe,winemenubuilder.exe=d"
shift
wine "$@"
status=$?
wineserver -k 2>/dev/null
exit $status
