# Keys go to whichever window has the keyboard, never handed to a window first: xdotool on
# X11, and on Wayland a key sender of ours (mutterkeys, waylandkeys) that keeps one keyboard
# for the whole leg: a new virtual keyboard for every burst loses keys when bursts come quickly.

# The key sender answers "ok" to each line once the keys are in. mutter's takes them over the
# compositor's bus.
start_keys() {
    coproc KEYS {
        exec env ${bus_address:+"DBUS_SESSION_BUS_ADDRESS=$bus_address"} "$1" 2>"$compositor_dir/keys.log"
    }
    keys_pid=$KEYS_PID
}

keys() {
    local reply=
    echo "$1" >&"${KEYS[1]}" && read -r -t 10 reply <&"${KEYS[0]}"
    [ "$reply" = ok ] || fail "the key sender did not take '$1': $(cat "$compositor_dir/keys.log")"
}

send_text() {
    sent="'$1'"
    if is_wayland; then
        keys "type $1"
    else
        xdotool type --delay 30 "$1"
    fi
}

# One key or chord in xdotool's spelling: Return, ctrl+n, ctrl+a.
send_key() {
    sent=$1
    if is_wayland; then
        keys "key $1"
    else
        xdotool key "$1"
    fi
}

# Waits for the window to have the keyboard, then sends keys to whatever has it: chords in
# xdotool's spelling (Return, ctrl+n), and words after "type".
step() {
    expect_keyboard "$1" "(${BASH_SOURCE[1]##*/}:${BASH_LINENO[0]})"
    shift
    while [ $# -gt 0 ]; do
        if [ "$1" = type ]; then send_text "$2"; shift 2; else send_key "$1"; shift; fi
    done
}

# How every game played by keys ends: the right guess and its message, New Game with the names
# kept, and Ctrl+X in the word entry, which must end the program with status 0.
# Usage: finish_game WORD
finish_game() {
    step board                type "$1" Return
    step message              Return
    step board                ctrl+n
    step "Keep Player Names?" Return
    step dialog
    ctrl_x_ends_game send_key ctrl+x
}
