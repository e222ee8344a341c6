# The last step of a game, for the end-to-end scripts, over tools/shell's run.sh and wait.sh
# (sourced here: how a run fails or is skipped, and one way to wait). Like every file here that
# scripts source, sourcing it only defines functions.

for part in run wait; do source "${BASH_SOURCE[0]%/*}/../../tools/shell/$part.sh"; done

game_ended() { ! kill -0 "$game" 2>/dev/null; }

# Sends Ctrl+X through COMMAND: the game must end within five seconds, with status 0.
# Usage: ctrl_x_ends_game COMMAND [ARGUMENT...]
ctrl_x_ends_game() {
    "$@"
    wait_for 5 game_ended || fail "Ctrl+X did not end the program"
    local status=0
    wait "$game" || status=$?
    game=
    [ "$status" -eq 0 ] || fail "Ctrl+X ended the program with exit status $status"
}
