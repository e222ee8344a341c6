# Shared by the end-to-end tests, the screenshots and the bench: a private Xvfb and a few
# xdotool steps. Sourcing it only defines functions; the caller stops what they started, in
# its own EXIT trap, with stop_x11.

fail() { echo "FAIL: $*" >&2; exit 1; }

game=
xvfb=
wm=

stop_x11() {
    local pid
    for pid in "$game" "$wm" "$xvfb"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    game= wm= xvfb=
    return 0
}

# Xvfb picks a free display itself and writes its number once it is ready. It picks by its
# abstract socket, which is shared by every root of the machine while lock files are not: a
# number taken in another root is passed over, and clients, which try that socket first,
# reach this server and no other.
# Usage: start_xvfb [WIDTHxHEIGHTxDEPTH]   (default 1024x768x24)
start_xvfb() {
    local displayfile
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset \
        3>"$displayfile" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
    [ -s "$displayfile" ] || { rm -f "$displayfile"; fail "Xvfb did not start"; }
    export DISPLAY=:$(cat "$displayfile")
    rm -f "$displayfile"
    unset QT_QPA_PLATFORM
}

# A window manager on that server, once it has announced itself on the root window. The
# pointer is parked in a corner, off every window, so that no window takes keys by hovering.
start_wm() {
    "$@" >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        kill -0 "$wm" 2>/dev/null || fail "$1 did not start"
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "$1 did not start"
    xdotool mousemove 1023 767
}

# The id of the newest visible window with this exact title, once it is there.
window() {
    local id
    for _ in $(seq 100); do
        [ -z "$game" ] || kill -0 "$game" 2>/dev/null || fail "the game ended early"
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no visible window titled '$1'"
}

visible_count() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# Waits until exactly $2 windows titled $1 are visible.
expect_visible() {
    for _ in $(seq 100); do
        [ "$(visible_count "$1")" -eq "$2" ] && return 0
        sleep 0.1
    done
    fail "expected $2 visible window(s) titled '$1', saw $(visible_count "$1")"
}

# A visible window titled $1 other than $2, once it is there.
other_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -v "^$2\$" | tail -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no second visible window titled '$1'"
}

is_visible() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -qx "$2"
}

wait_visible() {
    for _ in $(seq 100); do is_visible "$1" "$2" && return 0; sleep 0.1; done
    fail "window $2 ('$1') did not show"
}

# Without a window manager nothing moves the keyboard focus: give it to the window first.
type_into() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
    shift
    xdotool "$@"
}

# Answers the two name boxes.
enter_names() {
    local id
    id=$(window "Player 1")
    type_into "$id" key ctrl+a type --delay 30 "$1"
    xdotool key Return
    id=$(window "Player 2")
    type_into "$id" key ctrl+a type --delay 30 "$2"
    xdotool key Return
}
