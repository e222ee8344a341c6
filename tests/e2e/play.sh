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

start_desktop "$2"
echo "desktop: $2"

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
    # A wrong guess: the focus walks the boxes to Try!, Enter presses it, box 0 takes the next
    # (the game handles keys in order, so the next word's keys come after).
    step board                type oops Return
    finish_game BOOK
}

for round in $(seq "$games"); do
    play_game "$round"
    echo "game $round of $games played on $2, Ctrl+X ended it with status 0"
done
expect_quiet_wm
