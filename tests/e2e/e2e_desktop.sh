#!/usr/bin/env bash
# e2e_desktop.sh PATH/TO/varnholt: drives the program on a private X server with real key presses
# and reads it back through the real clipboard. Exits 0 passed, 1 failed, 77 Xvfb cannot start.
# shellcheck disable=SC2317  # functions called only through poll and the traps
set -u

program=$(readlink -f "${1:?usage: e2e_desktop.sh PATH/TO/varnholt}")
work=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-e2e.XXXXXX")
xvfb_pid='' app_pid='' step_no=0

cleanup() {
    [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

step() { step_no=$((step_no + 1)) && printf 'step %d: %s\n' "$step_no" "$*"; }
fail() {
    printf 'FAILED at step %d: %s\n' "$step_no" "$*"
    [ -s "$work/app.log" ] && printf -- '--- program output ---\n%s\n' "$(cat "$work/app.log")"
    exit 1
}
now_ms() { date +%s%3N; }
# Runs "$@" every 50 ms until it succeeds or $1 milliseconds have passed.
poll() {
    local deadline=$(($(now_ms) + $1))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

for tool in xdotool xclip xauth; do command -v "$tool" >/dev/null || fail "no $tool"; done
# The tools run in the C locale, the program where possible in one with a decimal comma, which
# its number texts must not follow. No session bus: D-Bus would autolaunch a daemon that stays.
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/runtime" XAUTHORITY="$work/Xauthority"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
mkdir -m 700 "$XDG_RUNTIME_DIR"
app_locale=C.UTF-8
locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && app_locale=de_DE.UTF-8

step "start Xvfb on a free display"
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed" && exit 77; }
# The server takes every cookie in its file; the client's entry follows once the display is known.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
: >"$XAUTHORITY"
xauth -q add :0 MIT-MAGIC-COOKIE-1 "$cookie" || fail "xauth cannot write"
Xvfb -displayfd 3 -nolisten tcp -auth "$XAUTHORITY" -screen 0 1024x768x24 -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display_ready() { grep -qx '[0-9][0-9]*' "$work/display" 2>/dev/null; }
xvfb_settled() { display_ready || ! kill -0 "$xvfb_pid" 2>/dev/null; }
if ! poll 10000 xvfb_settled || ! display_ready; then
    echo "SKIP: Xvfb cannot start:" && cat "$work/xvfb.log" && exit 77
fi
DISPLAY=":$(head -n 1 "$work/display")" && export DISPLAY
xauth -q add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"
xdotool getmouselocation >/dev/null 2>&1 || fail "cannot connect to Xvfb at $DISPLAY"
echo "  Xvfb runs on $DISPLAY"

step "start the program with arguments it must ignore: -reverse --anything 12"
# On the private display only, whatever desktop the test was started from.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb LC_ALL="$app_locale" \
    "$program" -reverse --anything 12 >"$work/app.log" 2>&1 &
app_pid=$!

find_window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
no_window() { [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
keys() { xdotool key --clearmodifiers --delay 20 "$@"; }
type_text() { xdotool type --clearmodifiers --delay 20 "$1"; }
# A text no copy of the program makes, so that a read cannot see an earlier copy.
spoil_clipboard() { printf 'not-copied-%s' "$step_no" | xclip -selection clipboard -i; }
clipboard() { timeout 2 xclip -selection clipboard -o 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
expect_clipboard() {
    poll 5000 clipboard_is "$1" || fail "clipboard holds \"$(clipboard)\", expected \"$1\""
    echo "  clipboard: $1"
}

step "wait for the window \"Varnholt Calculator\""
main_window=$(find_window 'Varnholt Calculator')
[ -n "$main_window" ] || fail "no window \"Varnholt Calculator\" within 10 s"
# Without a window manager nobody gives a new window the input focus.
xdotool windowfocus --sync "$main_window" || fail "cannot focus the calculator window"

step "type 25, Tab, 12 into the first group; Tab to its result; copy"
spoil_clipboard && type_text 25 && keys Tab && type_text 12 && keys Tab ctrl+c
expect_clipboard 2.902027

step "type 5, Tab, 20 into the second group; Tab to its result; copy"
spoil_clipboard && keys Tab && type_text 5 && keys Tab && type_text 20 && keys Tab ctrl+c
expect_clipboard 8.724232

step "Enter in the length box of the second group leaves the window open"
spoil_clipboard && keys shift+Tab Return Tab ctrl+c # the copy proves that Enter has been handled
expect_clipboard 8.724232
app_ended && fail "the program ended on Enter"
[ -n "$(find_window 'Varnholt Calculator')" ] || fail "the window closed on Enter"

step "Tab to About (past Exit and the message box), Enter opens the About box"
keys Tab Tab Tab Return
about_window=$(find_window 'About Varnholt')
[ -n "$about_window" ] || fail "no window \"About Varnholt\" within 10 s"
xdotool windowfocus --sync "$about_window" || fail "cannot focus the About box"

step "Tab past the address box to Copy, Enter copies the web address"
spoil_clipboard && keys Tab Tab Return
expect_clipboard 'https://varnholt.example.org/'
[ -n "$(find_window 'About Varnholt')" ] || fail "Enter on Copy closed the About box"

step "Esc closes the About box"
keys Escape
poll 5000 no_window 'About Varnholt' || fail "the About box is still open after Esc"
app_ended && fail "Esc in the About box ended the program"

step "Esc in the calculator window ends the program within 2 s with status 0"
xdotool windowfocus --sync "$main_window" || fail "cannot focus the calculator window"
keys Escape
poll 2000 app_ended || fail "the program still runs 2 s after Esc"
pid=$app_pid app_pid=''
wait "$pid" || fail "exit status $?"

step "no process of the program is left"
for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/exe" 2>/dev/null)" = "$program" ] &&
        tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" &&
        fail "process ${proc#/proc/} of the program is still running"
done

echo "PASSED: $step_no steps"
exit 0
