#!/usr/bin/env bash
# Plays one whole game on a real X server with real key strokes: both names, Ctrl+N, a
# word, a wrong guess, the winning guess, then Ctrl+X. Checks the windows a player sees and
# that the program ends with status 0, and what a dock sees of the windows.
# Usage: play.sh <game> <desktop entry>
set -euo pipefail
quadrel=$1
wm_class=$(sed -n 's/^StartupWMClass=//p' "$2")
source "$(dirname "$0")/../../tools/x11-helpers.sh"

# A dock ties a window to its launcher by the window's class, and picks the icon size it
# needs from those the window offers.
expect_dock_ties() {
    local class sizes
    class=$(xprop -id "$1" WM_CLASS)
    [[ $class == *", \"$wm_class\"" ]] || fail "window class $class is not the entry's '$wm_class'"
    sizes=$(xprop -len 10000000 -id "$1" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x [0-9]*).*/\1/p' \
        | sort -n | tr '\n' ' ')
    [ "$sizes" = "16 24 32 48 64 128 256 " ] || fail "window icon sizes: $sizes"
}

start_xvfb
"$quadrel" &
game=$!

enter_names Ann Bob
main=$(window "Quadrel")
echo "main window shown after both names"
expect_dock_ties "$main"
echo "main window has the entry's class and an icon in every size"
type_into "$main" key ctrl+n

# The main window hides and the borderless dialog, also titled Quadrel, takes its place.
dialog=$(other_window Quadrel "$main")
is_visible Quadrel "$main" && fail "main window still shown during word entry"
echo "word entry dialog shown, main window hidden"
expect_dock_ties "$dialog"
type_into "$dialog" type --delay 30 "Book"
xdotool key Return
wait_visible Quadrel "$main"
expect_visible Quadrel 1
echo "main window back, game running"

# A wrong guess: the focus walks the boxes to Try!, Enter presses it. No box opens.
type_into "$main" type --delay 60 "oops"
xdotool key Return
sleep 0.5
expect_visible Quadrel 1
echo "wrong guess taken without a message"

# The winning guess opens the congratulation, titled Quadrel.
type_into "$main" type --delay 60 "BOOK"
xdotool key Return
message=$(other_window Quadrel "$main")
echo "congratulation shown"
type_into "$message" key Return
expect_visible Quadrel 1

type_into "$main" key ctrl+x
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "Ctrl+X did not end the program"
status=0
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "Ctrl+X ended the program with status 0"
