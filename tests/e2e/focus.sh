# Which windows of the game are shown, and which has the keyboard, on every desktop: each as
# a "title width height" line, in logical pixels.
#
# A window's kind is its title, but for the three the game titles Quadrel: the board, the word
# entry ("dialog") and the boxes that tell the player something ("message"). These are told
# apart by their shapes: the board is the game's only window taller than it is wide, the word
# entry a strip more than four times as wide as it is tall; a message is neither. A frame, a
# desktop's scale or a window manager's first guess changes the size, not the shape.

# Usage: windows shown|focused
windows() {
    if [ "$desktop" = sway ]; then
        local field=focused
        [ "$1" = shown ] && field=visible
        swaymsg -r -t get_tree 2>/dev/null | jq -r ".. | objects | select(.pid?) | select(.$field == true)
            | \"\(.name) \(.window_rect.width) \(.window_rect.height)\""
    elif is_wayland; then
        [ -s "$game_log" ] && awk -v want="$1" -f "${BASH_SOURCE[0]%/*}/wayland-windows.awk" "$game_log"
    elif [ "$1" = shown ]; then
        local id
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do x11_window "$id"; done
    else
        local id
        id=$(xdotool getwindowfocus 2>/dev/null) && x11_window "$id"
    fi
    return 0
}

x11_window() {
    local WIDTH= HEIGHT=
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')"
    [ -n "$WIDTH" ] && echo "$(xdotool getwindowname "$1" 2>/dev/null) $WIDTH $HEIGHT"
}

window_kind() {
    local parts title width height
    read -r -a parts <<<"$1"
    [ ${#parts[@]} -ge 3 ] || return 0
    title=${parts[*]:0:${#parts[@]}-2} width=${parts[-2]} height=${parts[-1]}
    if [ "$title" != Quadrel ]; then echo "$title"
    elif ((height > width)); then echo board
    elif ((width > 4 * height)); then echo dialog
    else echo message
    fi
}

is_shown() {
    local line
    game_runs "the $1 window"
    while read -r line; do
        [ "$(window_kind "$line")" = "$1" ] && return 0
    done < <(windows shown)
    return 1
}

has_keyboard() { [ "$(window_kind "$(windows focused)")" = "$1" ]; }

# Waits for the window to show (up to 10 s), then for it to have the keyboard (1 s more).
# Usage: expect_keyboard KIND WHERE   (WHERE names the step in a failure)
expect_keyboard() {
    local where="$2 after ${sent:-nothing}"
    wait_for 10 is_shown "$1" \
        || fail "$where no $1 window shown (the keyboard is with '$(windows focused)')"
    wait_for 1 has_keyboard "$1" \
        || fail "$where the $1 window did not get the keyboard within a second (it is with '$(windows focused)')"
}
