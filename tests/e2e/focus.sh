# Which windows of the game are shown, and which has the keyboard, on every desktop: each as
# a "title width height" line, in logical pixels.
#
# A window's kind is its title, but for the three the game titles Quadrel: the board, the word
# entry ("dialog") and the boxes that tell the player something ("message"). These are told
# apart by the sizes the game gives them, learnt as it first shows them: the board is the
# first window titled Quadrel, the word entry the next of another size; any other is a message.

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

# Sets title and size ("width height") from a window's line.
read_window() {
    local parts
    read -r -a parts <<<"$1"
    [ ${#parts[@]} -ge 3 ] || return 1
    title=${parts[*]:0:${#parts[@]}-2} size="${parts[-2]} ${parts[-1]}"
}

window_kind() {
    local title size
    read_window "$1" || return 0
    if [ "$title" != Quadrel ]; then echo "$title"
    elif [ "$size" = "${board_size:-}" ]; then echo board
    elif [ "$size" = "${dialog_size:-}" ]; then echo dialog
    else echo message
    fi
}

is_shown() {
    local line variable=$1_size title size
    game_runs "the $1 window"
    while read -r line; do
        case "$(window_kind "$line")" in
            "$1") return 0 ;;
            # The first time the board or the word entry is expected, a window titled Quadrel
            # of a size not learnt yet is it.
            message)
                [[ $1 == board || $1 == dialog ]] && [ -z "${!variable:-}" ] && read_window "$line" || continue
                printf -v "$variable" '%s' "$size"
                echo "the $1 is ${size/ /x}"
                return 0 ;;
        esac
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
