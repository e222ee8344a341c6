#!/usr/bin/env bash
# Plays whole games on a real desktop with real key strokes and no clicks: both names,
# Ctrl+N, a refused word, a word, a wrong guess, the winning guess, New Game with Yes, then
# Ctrl+X. Every key goes to whatever has the keyboard, and after every step the window the
# player needs must have it within a second. The first game also asks the window manager
# to maximize the board, which keeps its size.
# Usage: play.sh QUADREL DESKTOP [GAMES]   (DESKTOP as in desktops.sh)
# QUADREL_WINDOW_ICON_SIZES: the sizes the window icon carries, space-separated.
set -euo pipefail
quadrel=$1
games=${3:-5}
here=$(dirname "$0")
for part in steps x11 desktops wayland keys focus wm-log; do source "$here/$part.sh"; done
trap 'stop_x11; stop_desktop' EXIT
wm_class=$(sed -n 's/^StartupWMClass=//p' "$here/../../packaging/io.github.quadrel.Quadrel.desktop")
icon_sizes=$(tr ' ' '\n' <<<"${QUADREL_WINDOW_ICON_SIZES:?the window icon sizes are not given}" \
    | sort -n | paste -sd ' ')

# A dock ties the window that has the keyboard to its launcher by the window's class, and
# picks the icon size it needs from those the window offers (X11 only: Wayland has no xprop).
expect_dock_ties() {
    is_wayland && return 0
    local id class sizes
    id=$(xdotool getwindowfocus)
    class=$(xprop -id "$id" WM_CLASS)
    [[ $class == *", \"$wm_class\"" ]] || fail "$1: window class $class is not the entry's '$wm_class'"
    sizes=$(xprop -len 10000000 -id "$id" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x [0-9]*).*/\1/p' \
        | sort -n | paste -sd ' ')
    [ "$sizes" = "$icon_sizes" ] || fail "$1: window icon sizes: $sizes, not $icon_sizes"
}

window_line_is() { [ "$(x11_window "$1")" = "$2" ]; }

# The board keeps its size: its frame offers the window manager neither resizing nor
# maximizing, and a maximize request (as a program or a key binding sends it) does not grow it.
expect_fixed_size() {
    [ "$desktop" = none ] || is_wayland && return 0
    need wmctrl wmctrl
    # The functions of _MOTIF_WM_HINTS that would let the window manager grow the window.
    local all=1 resize=2 maximize=16
    local id functions before
    id=$(xdotool getwindowfocus)
    functions=$(xprop -id "$id" _MOTIF_WM_HINTS | sed -n 's/^[^=]*= [^,]*, *\([^,]*\),.*/\1/p')
    [ -n "$functions" ] || fail "the board has no _MOTIF_WM_HINTS"
    (( functions & (all | resize | maximize) )) \
        && fail "the board offers resizing or maximizing (_MOTIF_WM_HINTS functions $functions)"
    before=$(x11_window "$id")
    wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz
    sleep 0.3
    wait_for 2 window_line_is "$id" "$before" \
        || fail "a maximize request grew the board from '$before' to '$(x11_window "$id")'"
}

start_desktop "$2"
echo "desktop: $2"

# Waits for the window to have the keyboard, then sends keys to whatever has it: chords in
# xdotool's spelling (Return, ctrl+n), and words after "type".
step() {
    expect_keyboard "$1" "(play.sh:${BASH_LINENO[0]})"
    shift
    while [ $# -gt 0 ]; do
        if [ "$1" = type ]; then send_text "$2"; shift 2; else send_key "$1"; shift; fi
    done
}

# One game, a step a line; the first game also checks the board's and the word entry's ties
# to the desktop.
play_game() {
    start_game "$quadrel"
    step "Player 1"           ctrl+a type Ann Return
    step "Player 2"           ctrl+a type Bob Return
    step board
    [ "$1" -eq 1 ] && { expect_dock_ties board; expect_fixed_size; }
    step board                ctrl+n
    step dialog
    [ "$1" -eq 1 ] && expect_dock_ties dialog
    # Too short: refused, and the emptied word box takes the next try.
    step dialog               type boo Return
    step message              Return
    # Alt+X is no access key here: it neither ends the program nor types a letter, or the
    # word would not be the one guessed below.
    step dialog               alt+x type Book Return
    # A wrong guess: the focus walks the boxes to Try!, Enter presses it, box 0 takes the next.
    step board                type oops Return
    sleep 0.3
    step board                type BOOK Return
    step message              Return
    step board                ctrl+n
    step "Keep Player Names?" Return
    step dialog
    ctrl_x_ends_game send_key ctrl+x
}

for round in $(seq "$games"); do
    play_game "$round"
    echo "game $round of $games played on $2, Ctrl+X ended it with status 0"
done
expect_quiet_wm
