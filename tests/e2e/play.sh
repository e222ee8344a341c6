#!/usr/bin/env bash
# Plays whole games on a real desktop with real key strokes and no clicks: both names,
# Ctrl+N, a refused word, a word, a wrong guess, the winning guess, New Game with Yes, then
# Ctrl+X. Every key goes to whatever has the keyboard, and after every step the window the
# player needs must have it within a second. The first game also asks the window manager
# to maximize the board, which keeps its size.
# Usage: play.sh QUADREL DESKTOP [GAMES]   (DESKTOP as in desktops.sh)
set -euo pipefail
quadrel=$1
games=${3:-5}
here=$(dirname "$0")
source "$here/../../tools/x11-helpers.sh"
source "$here/desktops.sh"
trap 'stop_x11; stop_desktop' EXIT
wm_class=$(sed -n 's/^StartupWMClass=//p' "$here/../../packaging/io.github.quadrel.Quadrel.desktop")

# A dock ties the window that has the keyboard to its launcher by the window's class, and
# picks the icon size it needs from those the window offers (X11 only: Wayland has no xprop).
expect_dock_ties() {
    is_wayland && return 0
    local id class sizes
    id=$(xdotool getwindowfocus)
    class=$(xprop -id "$id" WM_CLASS)
    [[ $class == *", \"$wm_class\"" ]] || fail "$1: window class $class is not the entry's '$wm_class'"
    sizes=$(xprop -len 10000000 -id "$id" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x [0-9]*).*/\1/p' \
        | sort -n | tr '\n' ' ')
    [ "$sizes" = "16 24 32 48 64 128 256 " ] || fail "$1: window icon sizes: $sizes"
}

start_desktop "$2"
echo "desktop: $2"

play_game() {
    local round=$1
    start_game "$quadrel"

    expect_keyboard "Player 1"
    send_key ctrl+a
    send_text Ann
    send_key Return
    expect_keyboard "Player 2"
    send_key ctrl+a
    send_text Bob
    send_key Return

    expect_keyboard board
    if [ "$round" -eq 1 ]; then
        expect_dock_ties board
        expect_fixed_size
        expect_keyboard board
    fi
    send_key ctrl+n
    expect_keyboard dialog
    [ "$round" -eq 1 ] && expect_dock_ties dialog

    # Too short: refused, and the emptied word box takes the next try.
    send_text boo
    send_key Return
    expect_keyboard message
    send_key Return
    expect_keyboard dialog
    # Alt+X is no access key here: it neither ends the program nor types a letter, or the
    # word would not be the one guessed below.
    send_key alt+x
    send_text Book
    send_key Return

    # A wrong guess: the focus walks the boxes to Try!, Enter presses it, box 0 takes the next.
    expect_keyboard board
    send_text oops
    send_key Return
    sleep 0.3
    expect_keyboard board
    send_text BOOK
    send_key Return
    expect_keyboard message
    send_key Return

    expect_keyboard board
    send_key ctrl+n
    expect_keyboard "Keep Player Names?"
    send_key Return
    expect_keyboard dialog

    send_key ctrl+x
    for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game" 2>/dev/null && fail "Ctrl+X did not end the program"
    local status=0
    wait "$game" || status=$?
    game=
    [ "$status" -eq 0 ] || fail "exit status $status"
}

for round in $(seq "$games"); do
    play_game "$round"
    echo "game $round of $games played on $2, Ctrl+X ended it with status 0"
done
expect_quiet_wm
