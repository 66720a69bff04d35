#!/usr/bin/env bash
# Works the real quillet.exe under Wine as a person would: right clicks, access keys and Enter
# through xdotool on the X screen in DISPLAY, and checks what the screen then shows.
#
# usage: quillet_e2e.sh QUILLET_EXE DIALOG_TEXT_EXE OUTPUT_DIR
# Needs DISPLAY (1280x1024 with a window manager: without one, Wine's menus and message boxes
# do not reliably get the keyboard) and WINEPREFIX. On failure the screen is saved in OUTPUT_DIR.
set -euo pipefail

exe=$1
dialog_text=$2
out=$3
: "${DISPLAY:?the test needs an X screen in DISPLAY}"
prefix=${WINEPREFIX:-$HOME/.wine}
settings=$prefix/drive_c/windows/QLT.ini

# Where the window must first appear: a 15x15 square centred on the 1280x1024 screen.
left=632
top=504
# A point inside the blue square, where the user right-clicks.
click_x=639
click_y=511

mkdir -p "$out"
rm -f "$out"/*.png "$out/wine.log"
pid=

step() { echo "-- $*"; }

fail() {
    echo "FAIL: $*" >&2
    import -window root "$out/failure.png" 2>/dev/null && echo "screen saved: $out/failure.png" >&2
    exit 1
}

cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# Runs the command until it succeeds, every 0.1 s, for at most the given number of seconds.
poll() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The visible windows titled exactly "Quillet": the main window alone, as the application's own
# window of the same title stays hidden.
quillet_windows() { xdotool search --onlyvisible --name '^Quillet$' 2>/dev/null || true; }

# Sets X, Y, WIDTH and HEIGHT to the window's place on the screen.
geometry_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# Whether a window titled "Quillet" has this place and size; sets window to it.
has_geometry() {
    for window in $(quillet_windows); do
        geometry_of "$window"
        [[ "$X,$Y ${WIDTH}x$HEIGHT" == "$1,$2 ${3}x$4" ]] && return 0
    done
    return 1
}

expect_geometry() {
    if ! poll 5 has_geometry "$@"; then
        fail "the window should be ${3}x$4 at $1,$2, it is ${WIDTH:-?}x${HEIGHT:-?} at ${X:-?},${Y:-?}"
    fi
    echo "   window ${3}x$4 at $1,$2"
}

# The colours found in a rectangle of the screen, one "#RRGGBB" a line.
colours_in() {
    import -window root miff:- | convert miff:- -crop "$1" +repage -unique-colors -depth 8 txt:- |
        grep -o '#[0-9A-F]\{6\}' | sort -u
}

# A context menu is an unmanaged window whose top-left corner is at the pointer.
menu_is_open() {
    local window
    for window in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        geometry_of "$window"
        if ((X == click_x && Y == click_y && WIDTH > 20 && HEIGHT > 20)); then return 0; fi
    done
    return 1
}

menu_is_closed() { ! menu_is_open; }

# Right-clicks the square and waits for the menu; a program that is still settling gets a
# second click.
open_menu() {
    local attempt
    for attempt in 1 2; do
        xdotool mousemove "$click_x" "$click_y" click 3
        if poll 3 menu_is_open; then return 0; fi
    done
    fail "no context menu at the pointer after a right click on the square"
}

# Opens the menu and chooses an item by its access key.
choose() {
    open_menu
    xdotool key "$1"
    poll 3 menu_is_closed || fail "the menu stayed open after the access key $1"
}

error_box() { xdotool search --onlyvisible --name '^エラー$' 2>/dev/null | head -n 1; }
error_box_is_open() { [[ -n $(error_box) ]]; }
error_box_is_closed() { [[ -z $(error_box) ]]; }

# Of the program's windows only the main one may be a client of the window manager: the
# application window is hidden and menus are not managed, so nothing else could stand in a
# taskbar. Wine gives each window the process id of the program.
expect_no_taskbar_button() {
    local client ours=()
    for client in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' || true); do
        if [[ $(xprop -id "$client" _NET_WM_PID | grep -o '[0-9]*$') == "$pid" ]]; then
            ours+=($((client)))
        fi
    done
    [[ "${ours[*]}" == "$1" ]] || fail "the window manager lists other windows of the program: ${ours[*]}"
    echo "   of the program's windows only the main one is managed"
}

step "a first start with the mode Pos stored, so that nothing moves the window"
mkdir -p "$(dirname "$settings")"
printf '[Quillet]\r\nButton=0\r\nOption=Pos\r\n' >"$settings"
wine "$exe" >"$out/wine.log" 2>&1 &
pid=$!

step "the 15x15 window appears at the centre of the screen"
poll 30 has_geometry "$left" "$top" 15 15 || expect_geometry "$left" "$top" 15 15
echo "   window ${WIDTH}x$HEIGHT at $X,$Y"
main=$window
[[ $(quillet_windows) == "$main" ]] || fail "another window titled Quillet is visible"
[[ $(colours_in "15x15+$left+$top") == "#0000FF" ]] || fail "the square is not all blue"
echo "   the square is blue"
expect_no_taskbar_button "$main"

step "Button shows the strip of buttons: width 90, the left edge stays"
choose b
expect_geometry "$left" "$top" 90 15
grep -qx '#000000' <<<"$(colours_in "75x15+$((left + 15))+$top")" ||
    fail "no button pictures beside the square"
echo "   button pictures beside the square"

step "Button again hides them: width 15, the left edge stays"
choose b
expect_geometry "$left" "$top" 15 15

step "Play cannot open a CD drive here: the error box"
choose y
poll 20 error_box_is_open || fail "no box titled エラー after Play"
box=$(error_box)
boxes=$(wine "$dialog_text" 2>/dev/null | tr -d '\r')
expected=$'エラー\tオープン失敗。ほかのソフトで再生していたら終了して下さい。'
grep -qxF "$expected" <<<"$boxes" || fail "the error box reads: $boxes"
echo "   it reads: ${expected//$'\t'/ | }"
xprop -id "$box" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
    fail "the error box has a taskbar button"
echo "   it has no taskbar button"

step "Enter dismisses it; the window is unchanged"
xdotool key Return
poll 5 error_box_is_closed || fail "the error box is still open after Enter"
expect_geometry "$left" "$top" 15 15
expect_no_taskbar_button "$main"

step "Exit ends the program with exit code 0"
choose x
end=$((SECONDS + 15))
while kill -0 "$pid" 2>/dev/null && ((SECONDS < end)); do sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program is still running 15 s after Exit"
status=0
wait "$pid" || status=$?
pid=
((status == 0)) || fail "exit code $status"
echo "   exit code 0"

echo "PASS"
