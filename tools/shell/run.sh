# How a script of the tests or the tools fails or is skipped. Like every file in tools/shell,
# sourcing it only defines functions.

fail() { echo "FAIL: $*" >&2; exit 1; }

skip() { echo "SKIP: $*"; exit 0; }

# Usage: need COMMAND PACKAGE
need() {
    command -v "$1" >/dev/null 2>&1 || skip "$2 is not installed (make test-desktops installs it)"
}

# Fails the run if the game in $game has ended, naming what the run was waiting for.
game_runs() {
    [ -z "${game:-}" ] || kill -0 "$game" 2>/dev/null && return 0
    # What the game said last, without the Wayland protocol lines logged around it.
    [ -s "${game_log:-}" ] && grep -v '^\[' "$game_log" | tail -n 20 >&2
    fail "the game ended early, waiting for $1"
}
