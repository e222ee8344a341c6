# One way to wait, and stopping processes with it.

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
