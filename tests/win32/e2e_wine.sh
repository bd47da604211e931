#!/usr/bin/env bash
# e2e_wine.sh PATH/TO/Varnholt.exe PATH/TO/window_layout.exe WINEPREFIX: drives the Windows
# program under Wine on a private X server with real key presses and reads it back through the
# clipboard, once with the screen at 96 DPI and once at 144 DPI, in a prefix made by
# wine_prefix.sh. It checks the window's size at each (Windows' dialog base units at 96 DPI,
# the window and its picture 1.5 times the size at 144), that Esc ends the program with status
# 0, and that no wineserver or X server is left. Exits 0 passed, 1 failed.
set -u
exe=$(readlink -f "$1")
layout_exe=$(readlink -f "$2")
prefix=$(readlink -f "$3")
source "$(dirname "$0")/../../tools/wine_prefix.sh"
source "$(dirname "$0")/../../tools/x_server.sh"

# The calculator dialog's size in dialog units, as its template gives it: the base units follow
# from it and the client area's size in pixels. Windows' "MS Sans Serif" 8 at 96 DPI gives
# 6 x 13, and every text fits its box; a wider font in its place (7 x 13) clips them.
dialog_width_du=231 dialog_height_du=217

work=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-e2e-wine.XXXXXX")
app='' step_no=0 dpi='' sessions=''
cleanup() {
    [ -n "$app" ] && kill -KILL "$app" 2>/dev/null
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
    x_stop
    rm -rf "$work"
}
trap cleanup EXIT
step() { step_no=$((step_no + 1)) && echo "step $step_no${dpi:+ at $dpi DPI}: $*"; }
fail() { echo "FAILED at step $step_no${dpi:+ at $dpi DPI}: $*" && exit 1; }
keys() { xdotool key --delay 30 "$@"; }
focus() {
    local id
    id=$(x_window "$1")
    [ -n "$id" ] || fail "no window \"$1\""
    # Wine may still unmap it for a moment as it sets the window up: tried until the focus holds.
    within 5000 xdotool windowfocus --sync "$id" 2>/dev/null || fail "could not focus \"$1\""
}
# The characters the clipboard holds.
held() { timeout 2 xclip -selection clipboard -o | LC_ALL=C.UTF-8 wc -m; }
copied() { within 5000 clipboard_is "$1" || fail "the clipboard does not hold \"$1\""; }
closed() { [ -z "$(xdotool search --name "^$1\$")" ]; }
spoil() { echo "not copied $step_no" | xclip -selection clipboard -i; }
# Prints "WIDTH HEIGHT" of the calculator window's client area, or of its picture with
# "picture" as $1, from the layout measured at the DPI $2.
measured() {
    awk -v what="$1" '{ sub(/\r$/, "") }
        $1 == "window" && what == "client" { print $5, $6 }
        $1 == "picture" && what == "picture" { print $2, $3 }' "$work/layout-$2"
}
# Whether $1 / $2 lies within 1.5 +- 0.1.
grew_1_5() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a / b > 1.4 && a / b < 1.6) }'; }

step "start Xvfb"
x_start || fail "Xvfb did not start"

for dpi in 96 144; do
    step "start the program in the prefix"
    wine_prefix "$prefix" "$dpi" || fail "no Wine prefix"
    wine "$exe" &
    app=$!
    focus 'Varnholt Calculator'

    step "the window's layout"
    wine "$layout_exe" 'Varnholt Calculator' >"$work/layout-$dpi" || fail "no layout"
    read -r width height < <(measured client "$dpi")
    read -r picture_width picture_height < <(measured picture "$dpi")
    [[ "$width $height" =~ ^[0-9]+\ [0-9]+$ ]] || fail "no size of the window"
    [[ "$picture_width $picture_height" =~ ^[0-9]+\ [0-9]+$ ]] || fail "no picture in the window"
    units="$(((4 * width + dialog_width_du / 2) / dialog_width_du)) x"
    units+=" $(((8 * height + dialog_height_du / 2) / dialog_height_du))"
    echo "client area $width x $height, dialog base units $units," \
        "picture $picture_width x $picture_height"
    if [ "$dpi" = 96 ]; then
        [ "$units" = "6 x 13" ] ||
            fail "the dialog's base units are not Windows' 6 x 13 (are Wine's fonts there?)"
    else
        read -r width_96 height_96 < <(measured client 96)
        grew_1_5 "$width" "$width_96" && grew_1_5 "$height" "$height_96" ||
            fail "the window did not grow 1.5 times from 96 DPI"
        read -r picture_width_96 picture_height_96 < <(measured picture 96)
        grew_1_5 "$picture_width" "$picture_width_96" &&
            grew_1_5 "$picture_height" "$picture_height_96" ||
            fail "the picture did not grow 1.5 times from 96 DPI"
    fi

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

    step "the window menu's last item opens the About box; Copy copies the address; Esc closes it"
    focus 'Varnholt Calculator' && keys alt+space Up Return && focus 'About Varnholt'
    spoil && keys Tab Tab Return
    copied 'https://varnholt.example.org/'
    keys Escape
    within 5000 closed 'About Varnholt' || fail "Esc did not close the About box"

    if [ "$dpi" = 96 ]; then
        step "a box keeps 32,767 UTF-16 units of a paste, whole characters only"
        for text in 7 $'\xf0\x9f\x93\xa1'; do
            head -c 100000 /dev/zero | tr '\0' x | sed "s/x/$text/g" | xclip -selection clipboard -i
            focus 'Varnholt Calculator' && keys alt+c ctrl+a ctrl+v
            keys ctrl+a ctrl+c
            [ "$text" = 7 ] && most=32767 || most=16383
            within 5000 eval '[ "$(held)" = $most ]' ||
                fail "the box does not hold $most characters of \"$text\""
            [ -z "$(timeout 2 xclip -selection clipboard -o | tr -d "$text")" ] ||
                fail "the box holds more than whole \"$text\""
        done
    fi

    step "Esc in the calculator window ends the program with status 0"
    focus 'Varnholt Calculator' && keys Escape
    within 5000 eval '! kill -0 $app 2>/dev/null' || fail "the program still runs after Esc"
    pid=$app app=''
    wait "$pid" || fail "exit status $?"
    sessions+=" $dpi"
done
dpi=''
# A failing expansion would end the loop early without a failure.
[ "$sessions" = " 96 144" ] || fail "the sessions ended early: only$sessions done"

step "no wineserver or Xvfb left"
wineserver -k 2>/dev/null
pid=$x_pid
x_stop
export -n WINEPREFIX # so that the checking commands themselves do not match
for proc in /proc/[0-9]*; do
    { tr "\0" "\n" <"$proc/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" &&
        fail "process ${proc#/proc/} of the test's prefix still runs"
done
kill -0 "$pid" 2>/dev/null && fail "Xvfb still runs"
echo "PASSED: $step_no steps"
