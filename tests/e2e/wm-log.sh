# The log of GNOME's and KDE's window managers, and the warnings in it that fail a leg: with
# no other client, each is about a window of ours.

# A window manager on Xvfb whose messages go to a scratch file.
start_logged_wm() {
    wm_log=$(mktemp)
    start_wm sh -c 'exec "$@" >"$0" 2>&1' "$wm_log" "$@"
    mark_wm_log
}

# What the window manager logged so far is its own start, not the games'.
mark_wm_log() { wm_mark=$(wc -l <"$wm_log"); }

# Fails when the window manager logged a warning or a critical since it was marked. Three are
# not about us: an X window manager that still tidies up a window the game has just destroyed
# gets BadWindow back, which KWin logs; and Qt 6.4 on Wayland asks for the activation of a
# window that already has the keyboard whenever the focus moves inside it, naming the window
# that had the keyboard before as the asker, which KWin refuses ("Cannot grant a token"), and
# neither moves the keyboard; and mutter's complaint that a scratch session has no colour
# daemon, which mutter 48 on X11 makes a few seconds after it starts, sometimes only once the
# games have begun.
expect_quiet_wm() {
    [ -n "${wm_log:-}" ] || return 0
    local said
    said=$(tail -n +$((wm_mark + 1)) "$wm_log" \
        | grep -E -i '^(warning|critical) |-(WARNING|CRITICAL) \*\*|window manager warning' \
        | grep -v -e 'XCB error: 3 (BadWindow)' -e 'kwin_core: Cannot grant a token' \
                  -e 'Failed to connect to colord daemon' || true)
    [ -z "$said" ] || fail "$desktop warned while the games ran:
$said"
}
