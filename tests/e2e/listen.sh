#!/usr/bin/env bash
# What the board tells the accessibility bus of its clock, heard by a11ylistener in one game won
# by keys alone: the running clock's name changes, at most twice a second, and after the win
# the name is the time in the message. (What a player hears of the rest of a game is asserted
# under the real screen reader, screenreader.sh.) Each step waits for the window or focus it
# needs before typing. Prints what the listener heard.
set -euo pipefail
quadrel=$1
listener=$2
# A private session bus; the accessibility bus is started on it when the listener asks.
[ -n "${QUADREL_PRIVATE_BUS:-}" ] || exec dbus-run-session -- env QUADREL_PRIVATE_BUS=1 "$0" "$@"
for part in steps x11 hear; do source "$(dirname "$0")/$part.sh"; done

heard=$(mktemp)
listening=
trap 'stop_processes "$listening"; stop_x11; rm -f "$heard"' EXIT
utterances() { cat "$heard"; }
heard_lines=0

start_xvfb
"$listener" >"$heard" &
listening=$!
hear 10 '^ready$'
"$quadrel" &
game=$!

tab=$'\t'
hear 10 "^window${tab}Player 1${tab}Enter the name of Player 1:$"
type_into "$(window "Player 1")" key ctrl+a type --delay 30 Ann
xdotool key Return
hear 10 "^window${tab}Player 2${tab}Enter the name of Player 2:$"
type_into "$(window "Player 2")" key ctrl+a type --delay 30 Bob
xdotool key Return
# The steps hand each window the keyboard themselves, as the other e2e steps did before the
# game took care of it; what is checked here is what the bus is told.
main=$(window Quadrel)
xdotool windowfocus --sync "$main"
hear 10 "^window${tab}Quadrel${tab}.*Ann chooses; Bob guesses\.$"
xdotool key ctrl+n

hear 10 "^window${tab}Quadrel${tab}Ann, enter a four-letter word:$"
hear 10 "^focus${tab}[a-z ]+${tab}Secret word${tab}"
type_into "$(window Quadrel "$main")" type --delay 30 Book
xdotool key Return
hear 10 "^focus${tab}text${tab}Letter 1${tab}Letter 1 of your guess${tab}$"
started=$(wc -l <"$heard")
sleep 3.5
type_into "$main" type --delay 60 BOOK
xdotool key Return
hear 10 "^window${tab}Quadrel${tab} *You Guessed It! *Congratulations! Your time was [0-9.]+ seconds\.$"
said=$(sed -E 's/.*Your time was ([0-9.]+) seconds\./\1/' <<<"$line_heard")
hear 10 "^clock${tab}"
[ "${line_heard#clock$tab}" = "$said" ] || fail "the clock says '${line_heard#clock$tab}', the message $said"
echo "after the win the clock says $said, the time in the message"
stopped=$(wc -l <"$heard")
type_into "$(window Quadrel "$main")" key Return
hear 10 "^focus${tab}"
ctrl_x_ends_game type_into "$main" key ctrl+x

# The clock's name changes while it ran, per second of the listener's clock: the 3.5 s and
# more that it ran are heard, but never more than twice in a second.
read -r busiest total < <(sed -n "$((started + 1)),${stopped}p" "$heard" \
    | awk -F '\t' '$1 == "name" && $3 == "Time" { n[int($2 / 1000)]++; t++ }
                   END { m = 0; for (s in n) if (n[s] > m) m = n[s]; print m, t + 0 }')
echo "the running clock changed its accessible name $total times, at most $busiest in a second"
[ "$total" -ge 3 ] || fail "the running clock was not heard"
[ "$busiest" -le 2 ] || fail "the clock floods the accessibility bus"

echo "--- what the player heard (name changes left out) ---"
grep -v "^name$tab" "$heard"
