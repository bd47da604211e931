#!/usr/bin/env bash
# res_tool_write.sh PATH/TO/res_tool: the resource tool writes its files whole or not at all.
# With the file size limited (as a full disk would stop it), it fails, says so, and leaves no
# file behind, neither a half one nor its temporary; without the limit it writes them all.
set -u
tool=$1
out=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-res-tool.XXXXXX")
trap 'rm -rf "$out"' EXIT
fail() { echo "FAILED: $*" && exit 1; }

# A write beyond the limit fails with EFBIG instead of ending the process (SIGXFSZ ignored).
if (trap '' XFSZ && ulimit -f 2 && "$tool" "$out/limited" org.example.test) 2>"$out/errors"; then
    fail "the tool succeeded although its writes were cut short"
fi
grep -q "cannot write" "$out/errors" || fail "no message: $(cat "$out/errors")"
[ -z "$(find "$out/limited" -name '*.rc*' -o -name '*.new' 2>/dev/null)" ] ||
    fail "left behind: $(find "$out/limited" -type f)"

"$tool" "$out/whole" org.example.test || fail "the tool failed without a limit"
[ -s "$out/whole/resources.rc" ] && [ -s "$out/whole/IDI_MAIN.ico" ] || fail "files missing"
echo "PASSED"
