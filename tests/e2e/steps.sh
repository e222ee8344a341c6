# What the end-to-end scripts, the bench and the screenshots share: how a run fails or is
# skipped, one way to wait, and the last step of a game. Like every file here that scripts
# source, sourcing it only defines functions.

fail() { echo "FAIL: $*" >&2; exit 1; }

skip() { echo "SKIP: $*"; exit 0; }

# Usage: need COMMAND PACKAGE
need() {
    command -v "$1" >/dev/null 2>&1 || skip "$2 is not installed (make test-desktops installs it)"
}

# Runs COMMAND every tenth of a second until it succeeds; returns 1 if it has not within
# SECONDS. COMMAND runs in this shell: it may set variables, or fail the run outright.
# Usage: wait_for SECONDS COMMAND [ARGUMENT...]
wait_for() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}

# Stops the processes and waits for them; empty arguments are passed over. One still there
# five seconds after TERM is killed: a window manager that takes the signal just before it
# sleeps on its X connection may sleep on (fluxbox did once, on a busy machine).
stop_processes() {
    local pid
    for pid; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait_for 5 ended "$pid" || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# Whether the process has ended: gone, or a zombie that its parent has yet to wait for.
ended() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    stat=${stat##*) }
    [ "${stat:0:1}" = Z ]
}

# Fails the run if the game in $game has ended, naming what the run was waiting for.
game_runs() {
    [ -z "${game:-}" ] || kill -0 "$game" 2>/dev/null && return 0
    # What the game said last, without the Wayland protocol lines logged around it.
    [ -s "${game_log:-}" ] && grep -v '^\[' "$game_log" | tail -n 20 >&2
    fail "the game ended early, waiting for $1"
}

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
