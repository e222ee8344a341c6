#!/usr/bin/env bash
# Plays one whole game on a real X server with real key strokes: both names, Ctrl+N, a
# word, a wrong guess, the winning guess, then Ctrl+X. Checks the windows a player sees and
# that the program ends with status 0.
set -euo pipefail
quadrel=$1

# Xvfb picks a free display itself and writes its number when it is ready.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$displayfile")
unset QT_QPA_PLATFORM

fail() { echo "FAIL: $*" >&2; exit 1; }

# The id of the one visible window with this exact title, once it is there.
window() {
    local id
    for _ in $(seq 100); do
        kill -0 "$game" 2>/dev/null || fail "the game ended early"
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no visible window titled '$1'"
}

visible_count() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

gone() {
    for _ in $(seq 100); do
        [ "$(visible_count "$1")" -eq "$2" ] && return 0
        sleep 0.1
    done
    fail "expected $2 visible window(s) titled '$1', saw $(visible_count "$1")"
}

type_into() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
    shift
    xdotool "$@"
}

"$quadrel" &
game=$!

id=$(window "Player 1")
type_into "$id" key ctrl+a type --delay 30 "Ann"
xdotool key Return
id=$(window "Player 2")
type_into "$id" key ctrl+a type --delay 30 "Bob"
xdotool key Return

main=$(window "Quadrel")
echo "main window shown after both names"
type_into "$main" key ctrl+n

# The main window hides and the borderless dialog, also titled Quadrel, takes its place.
for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --name '^Quadrel$' 2>/dev/null | grep -v "^$main\$" | tail -n 1) || true
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || fail "the word entry dialog did not show"
xdotool search --onlyvisible --name '^Quadrel$' | grep -qx "$main" && fail "main window still shown during word entry"
echo "word entry dialog shown, main window hidden"
type_into "$dialog" type --delay 30 "Book"
xdotool key Return

for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Quadrel$' 2>/dev/null | grep -qx "$main" && break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Quadrel$' | grep -qx "$main" || fail "main window not back after the word"
echo "main window back, game running"

# A wrong guess: the focus walks the boxes to Try!, Enter presses it. No box opens.
type_into "$main" type --delay 60 "oops"
xdotool key Return
sleep 0.5
[ "$(visible_count Quadrel)" -eq 1 ] || fail "a message box opened on a wrong guess"
echo "wrong guess taken without a message"

# The winning guess opens the congratulation, titled Quadrel.
type_into "$main" type --delay 60 "BOOK"
xdotool key Return
gone Quadrel 2
echo "congratulation shown"
message=$(xdotool search --onlyvisible --name '^Quadrel$' | grep -v "^$main\$" | tail -n 1)
type_into "$message" key Return
gone Quadrel 1

type_into "$main" key ctrl+x
status=0
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "Ctrl+X did not end the program"
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "Ctrl+X ended the program with status 0"
