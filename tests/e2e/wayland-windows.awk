# The game's windows as the compositor has told the game about them, from the game's own
# protocol log (WAYLAND_DEBUG=client): a window is shown from its role to its role's end, its
# title and size are what the game asked for, and it has the keyboard from the keyboard's enter
# to its leave. Prints "title width height" for each shown window (want=shown) or for the one
# that has the keyboard (want=focused).
function id(kind) { match($0, kind "[@#][0-9]+"); return substr($0, RSTART, RLENGTH) }
/ -> xdg_wm_base[@#][0-9]+\.get_xdg_surface\(/ { surface[id("xdg_surface")] = id("wl_surface") }
/ -> xdg_surface[@#][0-9]+\.get_toplevel\(/ { w = surface[id("xdg_surface")]; of[id("xdg_toplevel")] = w; shown[w] = 1 }
/ -> xdg_toplevel[@#][0-9]+\.set_title\(/ { w = of[id("xdg_toplevel")]; match($0, /\(".*"\)/)
    title[w] = substr($0, RSTART + 2, RLENGTH - 4) }
/ -> xdg_surface[@#][0-9]+\.set_window_geometry\(/ { match($0, /\(.*\)/); split(substr($0, RSTART + 1, RLENGTH - 2), g, /, /)
    size[surface[id("xdg_surface")]] = g[3] " " g[4] }
/ -> xdg_toplevel[@#][0-9]+\.destroy\(/ { shown[of[id("xdg_toplevel")]] = 0 }
/ wl_keyboard[@#][0-9]+\.enter\(/ { focus = id("wl_surface") }
/ wl_keyboard[@#][0-9]+\.leave\(/ { focus = "" }
END {
    for (w in shown)
        if (shown[w] && (want == "shown" || w == focus) && (w in size)) print title[w] " " size[w]
}
