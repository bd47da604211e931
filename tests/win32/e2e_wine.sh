#!/usr/bin/env bash
# e2e_wine.sh PATH/TO/Varnholt.exe WINEPREFIX: drives the Windows program under Wine on a private
# X server with real key presses, reads it back through the clipboard, and checks that Esc ends
# it with status 0 and that no wineserver or X server is left. Exits 0 passed, 1 failed.
set -u
exe=$(readlink -f "$1")
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe,winemenubuilder.exe=d"
work=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-e2e-wine.XXXXXX")
xvfb='' app='' step_no=0
cleanup() {
    [ -n "$app" ] && kill -KILL "$app" 2>/dev/null
    wineserver -k 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
step() { step_no=$((step_no + 1)) && echo "step $step_no: $*"; }
fail() { echo "FAILED at step $step_no: $*" && exit 1; }
keys() { xdotool key --delay 30 "$@"; }
window() { timeout 20 xdotool search --sync --name "^$1\$" 2>/dev/null | head -n 1; }
focus() { xdotool windowfocus --sync "$(window "$1")" || fail "no window \"$1\""; }
# Runs "$@" every 50 ms until it succeeds, for at most 5 s.
within_5s() { for ((i = 0; i < 100; i++)); do "$@" && return 0 || sleep 0.05; done && return 1; }
clipboard_is() { [ "$(timeout 2 xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }
copied() { within_5s clipboard_is "$1" || fail "the clipboard does not hold \"$1\""; }
closed() { [ -z "$(xdotool search --name "^$1\$")" ]; }
spoil() { echo "not copied $step_no" | xclip -selection clipboard -i; }

step "start Xvfb and the program"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>/dev/null &
xvfb=$!
within_5s test -s "$work/display"
DISPLAY=:$(cat "$work/display") && export DISPLAY
wine "$exe" &
app=$!
focus 'Varnholt Calculator'

step "both groups typed, each result copied from its box"
spoil && xdotool type --delay 30 25 && keys Tab && xdotool type 12 && keys Tab ctrl+a ctrl+c
copied 2.902027
spoil && keys Tab && xdotool type 5 && keys Tab && xdotool type 20 && keys Tab ctrl+a ctrl+c
copied 8.724232

step "Enter and F1 (no help file) in a box change nothing"
windows=$(xdotool search --onlyvisible --name .)
spoil && keys shift+Tab Return F1 Tab ctrl+a ctrl+c
copied 8.724232
kill -0 "$app" || fail "the program ended on Enter or F1"
[ "$(xdotool search --onlyvisible --name .)" = "$windows" ] || fail "a window opened on F1"

step "the About button opens the About box; Esc closes it"
keys Tab Tab Tab Return && focus 'About Varnholt' && keys Escape
within_5s closed 'About Varnholt' || fail "Esc did not close the About box"

step "Alt+Space, the window menu's last item opens the About box; Copy copies the address"
focus 'Varnholt Calculator' && keys alt+space Up Return && focus 'About Varnholt'
spoil && keys Tab Tab Return
copied 'https://varnholt.example.org/'
keys Escape

step "Esc in the calculator window ends the program with status 0"
focus 'Varnholt Calculator' && keys Escape
within_5s eval '! kill -0 $app 2>/dev/null' || fail "the program still runs after Esc"
pid=$app app=''
wait "$pid" || fail "exit status $?"

step "no wineserver or Xvfb left"
wineserver -k 2>/dev/null
kill "$xvfb" && wait "$xvfb" 2>/dev/null
pid=$xvfb xvfb=''
export -n WINEPREFIX # so that the checking commands themselves do not match
for proc in /proc/[0-9]*; do
    { tr "\0" "\n" <"$proc/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" &&
        fail "process ${proc#/proc/} of the test's prefix still runs"
done
kill -0 "$pid" 2>/dev/null && fail "Xvfb still runs"
echo "PASSED: $step_no steps"
