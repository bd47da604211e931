#!/usr/bin/env bash
# The link of a program on the web backend, failed where an Asyncify pattern matches no
# function (emscripten only warns), which would leave that function instrumented unnoticed.
#   asyncify_link.sh LINK-COMMAND...
out=$("$@" 2>&1)
status=$?
[ -n "$out" ] && printf '%s\n' "$out" >&2
if grep -q "contained a non-matching pattern" <<<"$out"; then
    echo "error: an Asyncify pattern above matches no function; mend the list in framework/web" >&2
    exit 1
fi
exit $status
