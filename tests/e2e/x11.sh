# The board's frame on an X11 desktop, over tools/shell/x11.sh (sourced here), for the
# end-to-end games. Source steps.sh first.

source "${BASH_SOURCE[0]%/*}/../../tools/shell/x11.sh"

window_line_is() { [ "$(x11_window "$1")" = "$2" ]; }

# The board keeps its size: its frame offers the window manager neither resizing nor
# maximizing, and a maximize request (as a program or a key binding sends it) does not grow it.
expect_fixed_size() {
    [ "$desktop" = none ] || is_wayland && return 0
    need wmctrl wmctrl
    # The functions of _MOTIF_WM_HINTS that would let the window manager grow the window.
    local all=1 resize=2 maximize=16
    local id functions before
    id=$(xdotool getwindowfocus)
    functions=$(xprop -id "$id" _MOTIF_WM_HINTS | sed -n 's/^[^=]*= [^,]*, *\([^,]*\),.*/\1/p')
    [ -n "$functions" ] || fail "the board has no _MOTIF_WM_HINTS"
    (( functions & (all | resize | maximize) )) \
        && fail "the board offers resizing or maximizing (_MOTIF_WM_HINTS functions $functions)"
    before=$(x11_window "$id")
    wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz
    sleep 0.3
    wait_for 2 window_line_is "$id" "$before" \
        || fail "a maximize request grew the board from '$before' to '$(x11_window "$id")'"
}
