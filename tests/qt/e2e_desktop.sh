#!/usr/bin/env bash
# e2e_desktop.sh PATH/TO/varnholt: drives the program on a private X server with real key presses
# and reads it back through the X clipboard with xclip. Exits 0 passed, 1 failed, 77 no Xvfb.
# shellcheck disable=SC2317  # functions called only through within and the trap
set -u
program=$(readlink -f "${1:?usage: e2e_desktop.sh PATH/TO/varnholt}")
work=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-e2e.XXXXXX")
source "$(dirname "$0")/../../tools/x_server.sh"
app_pid='' step_no=0
trap '[ -n "$app_pid" ] && kill -KILL $app_pid; x_stop; rm -rf "$work"' EXIT

step() { step_no=$((step_no + 1)) && echo "step $step_no: $*"; }
fail() { echo "FAILED at step $step_no: $*" && cat "$work/app.log" 2>/dev/null && exit 1; }
command -v Xvfb >/dev/null || { echo "SKIP: no Xvfb" && exit 77; }
for tool in xdotool xclip xauth; do command -v $tool >/dev/null || fail "no $tool"; done
# The tools run in the C locale, the program in one with a decimal comma where there is one.
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/none"
export XAUTHORITY="$work/Xauthority"
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
app_locale=C.UTF-8
locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && app_locale=de_DE.UTF-8

step "start Xvfb on a free display, only for clients with its cookie"
xauth -q add :0 MIT-MAGIC-COOKIE-1 "$cookie" || fail "xauth cannot write"
x_start "$XAUTHORITY" || { echo "SKIP: Xvfb cannot start" && exit 77; }
xauth -q add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"

step "start the program with arguments it must ignore: -reverse --anything 12"
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=$app_locale "$program" -reverse --anything 12 \
    >"$work/app.log" 2>&1 &
app_pid=$!
no_window() { [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
keys() { xdotool key --clearmodifiers --delay 20 "$@"; }
# Spoils the clipboard with a text the program never copies, runs the keys, expects the copy $1.
copies() {
    echo "not-copied-$step_no" | xclip -selection clipboard -i
    keys "${@:2}"
    within 5000 clipboard_is "$1" || fail "the clipboard does not hold $1"
}
main=$(x_window 'Varnholt Calculator')
[ -n "$main" ] && xdotool windowfocus --sync "$main" || fail "no window Varnholt Calculator"

step "25 Tab 12 Tab copies 2.902027; 5 Tab 20 Tab copies 8.724232"
copies 2.902027 2 5 Tab 1 2 Tab ctrl+c
copies 8.724232 Tab 5 Tab 2 0 Tab ctrl+c

step "Enter on About opens the About box; Enter on Copy copies the web address"
keys Tab Tab Tab Return
about=$(x_window 'About Varnholt')
[ -n "$about" ] && xdotool windowfocus --sync "$about" || fail "no About box"
copies https://varnholt.example.org/ Tab Tab Return

step "Esc closes the About box, Esc in the calculator ends the program with status 0"
keys Escape
within 5000 no_window 'About Varnholt' || fail "the About box is still open after Esc"
ended && fail "Esc in the About box ended the program"
xdotool windowfocus --sync "$main" && keys Escape
within 2000 ended || fail "the program still runs 2 s after Esc"
wait "$app_pid" || fail "exit status $?"
app_pid=''
echo "PASSED: $step_no steps"
