#!/usr/bin/env bash
# Plays one whole game on a real X server with real key strokes: both names, Ctrl+N, a
# word, a wrong guess, the winning guess, then Ctrl+X. Checks the windows a player sees and
# that the program ends with status 0.
set -euo pipefail
quadrel=$1
source "$(dirname "$0")/../../tools/x11-helpers.sh"

start_xvfb
"$quadrel" &
game=$!

enter_names Ann Bob
main=$(window "Quadrel")
echo "main window shown after both names"
type_into "$main" key ctrl+n

# The main window hides and the borderless dialog, also titled Quadrel, takes its place.
dialog=$(other_window Quadrel "$main")
is_visible Quadrel "$main" && fail "main window still shown during word entry"
echo "word entry dialog shown, main window hidden"
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
