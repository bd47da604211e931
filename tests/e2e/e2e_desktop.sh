#!/usr/bin/env bash
# Drives the built program on a private X server as a person would: real key presses through
# XTEST (xdotool) and the real clipboard (xclip), no window manager.
#   e2e_desktop.sh PATH/TO/varnholt
# Exit status: 0 passed, 1 failed, 77 skipped (only when Xvfb cannot start).
# Functions called only through poll and the traps look unreachable to shellcheck.
# shellcheck disable=SC2317
set -u

program=${1:?usage: e2e_desktop.sh PATH/TO/varnholt}
program=$(readlink -f "$program")

work=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-e2e.XXXXXX")
xvfb_pid=
app_pid=
step_no=0

cleanup() {
    [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

step() {
    step_no=$((step_no + 1))
    printf 'step %d: %s\n' "$step_no" "$*"
}

fail() {
    printf 'FAILED at step %d: %s\n' "$step_no" "$*"
    if [ -s "$work/app.log" ]; then
        echo "--- program output ---"
        cat "$work/app.log"
    fi
    exit 1
}

# Milliseconds since the epoch, for deadlines.
now_ms() { date +%s%3N; }

# Runs "$@" every 50 ms until it succeeds or $1 milliseconds have passed.
poll() {
    local limit=$1
    shift
    local deadline=$(($(now_ms) + limit))
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

for tool in xdotool xclip xauth; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# The tools and the X server run in the C locale; the program gets a locale whose decimal
# separator is a comma where one is installed, since its number texts must not follow it.
export LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The private display has no session bus. Without an address D-Bus would autolaunch one for
# it, a daemon that outlives the test where dbus-launch is installed; so it gets none.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
app_locale=C.UTF-8
if locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    app_locale=de_DE.UTF-8
fi

step "start Xvfb on a free display"
if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed"
    exit 77
fi
# The server reads every cookie in its authority file whatever display it is for; the
# client's entry is added once the server has said which display it took.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
export XAUTHORITY="$work/Xauthority"
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie" || fail "xauth cannot write"
Xvfb -displayfd 3 -nolisten tcp -auth "$XAUTHORITY" -screen 0 1024x768x24 -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display_ready() {
    [ -s "$work/display" ] && grep -q '^[0-9][0-9]*$' "$work/display"
}
xvfb_settled() { display_ready || ! kill -0 "$xvfb_pid" 2>/dev/null; }
poll 10000 xvfb_settled
if ! display_ready; then
    echo "SKIP: Xvfb cannot start:"
    cat "$work/xvfb.log"
    exit 77
fi
display_number=$(head -n 1 "$work/display")
export DISPLAY=":$display_number"
xauth -q -f "$XAUTHORITY" add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"
xdotool getmouselocation >/dev/null 2>&1 || fail "cannot connect to Xvfb at $DISPLAY"
echo "  Xvfb runs on $DISPLAY"

step "start the program with arguments it must ignore: -reverse --anything 12"
(
    # On the private display only, whatever desktop the test was started from.
    unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME
    export QT_QPA_PLATFORM=xcb
    export LC_ALL=$app_locale
    exec "$program" -reverse --anything 12
) >"$work/app.log" 2>&1 &
app_pid=$!

# The one visible window with exactly this name.
find_window() {
    timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
no_window() {
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]
}

step "wait for the window \"Varnholt Calculator\""
main_window=$(find_window 'Varnholt Calculator')
[ -n "$main_window" ] || fail "no window \"Varnholt Calculator\" within 10 s"
kill -0 "$app_pid" 2>/dev/null || fail "the program has ended"
# Without a window manager nobody gives a new window the input focus.
xdotool windowfocus --sync "$main_window" || fail "cannot focus the calculator window"

keys() { xdotool key --clearmodifiers --delay 20 "$@"; }
type_text() { xdotool type --clearmodifiers --delay 20 "$1"; }

# Puts a text on the clipboard that no copy of the program can produce, so that a later read
# shows the program's own copy and not an earlier one. xclip serves it until someone else
# takes the clipboard over.
spoil_clipboard() {
    printf 'not-copied-%s' "$step_no" | xclip -selection clipboard -i
}
clipboard() { timeout 2 xclip -selection clipboard -o 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
expect_clipboard() {
    poll 5000 clipboard_is "$1" || fail "clipboard holds \"$(clipboard)\", expected \"$1\""
    echo "  clipboard: $1"
}

step "type 25, Tab, 12 into the first group; Tab to its result; copy"
spoil_clipboard
type_text 25
keys Tab
type_text 12
keys Tab ctrl+c
expect_clipboard 2.902027

step "type 5, Tab, 20 into the second group; Tab to its result; copy"
spoil_clipboard
keys Tab
type_text 5
keys Tab
type_text 20
keys Tab ctrl+c
expect_clipboard 8.724232

step "Enter in the length box of the second group leaves the window open"
spoil_clipboard
keys shift+Tab Return Tab ctrl+c
# The copy after Enter proves that Enter has been handled and changed nothing.
expect_clipboard 8.724232
kill -0 "$app_pid" 2>/dev/null || fail "the program ended on Enter"
[ -n "$(find_window 'Varnholt Calculator')" ] || fail "the window closed on Enter"

step "Tab to About (past Exit and the message box), Enter opens the About box"
keys Tab Tab Tab Return
about_window=$(find_window 'About Varnholt')
[ -n "$about_window" ] || fail "no window \"About Varnholt\" within 10 s"
xdotool windowfocus --sync "$about_window" || fail "cannot focus the About box"

step "Tab past the address box to Copy, Enter copies the web address"
spoil_clipboard
keys Tab Tab Return
expect_clipboard 'https://varnholt.example.org/'
[ -n "$(find_window 'About Varnholt')" ] || fail "Enter on Copy closed the About box"

step "Esc closes the About box"
keys Escape
poll 5000 no_window 'About Varnholt' || fail "the About box is still open after Esc"
kill -0 "$app_pid" 2>/dev/null || fail "Esc in the About box ended the program"
[ -n "$(find_window 'Varnholt Calculator')" ] || fail "the calculator window has gone"

step "Esc in the calculator window ends the program within 2 s with status 0"
xdotool windowfocus --sync "$main_window" || fail "cannot focus the calculator window"
app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
started=$(now_ms)
keys Escape
poll 2000 app_ended || fail "the program still runs 2 s after Esc"
elapsed=$(($(now_ms) - started))
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "  ended after $elapsed ms with status 0"

step "no process of the program is left"
for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/exe" 2>/dev/null)" = "$program" ] || continue
    if tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY"; then
        fail "process ${proc#/proc/} of the program is still running"
    fi
done
[ -z "$(xdotool search --name '^Varnholt Calculator$' 2>/dev/null)" ] ||
    fail "a window \"Varnholt Calculator\" is still there"

echo "PASSED: $step_no steps"
exit 0
