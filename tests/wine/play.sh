#!/usr/bin/env bash
# The Windows build played by keys alone on Wine's own windows (Qt's windows platform), on an
# Xvfb with no window manager or with openbox: both names, the board's fixed frame (Wine tells
# the window manager which functions the Windows frame has), Ctrl+N, a refused word, the word,
# two wrong guesses whose marks are read off the board, the right guess and its message, the
# keep-names question, Ctrl+X. The desktop steps are the Linux games' own (tests/e2e); every
# key goes to whatever has the keyboard, and the window the player needs must have it.
# Usage: play.sh QUADREL.EXE DESKTOP   (DESKTOP: none or openbox)
set -euo pipefail
exe=$1
here=$(dirname "$0")
for part in steps x11 desktops keys focus; do source "$here/../e2e/$part.sh"; done
source "$here/windows.sh"
need tesseract tesseract-ocr
need import imagemagick
scratch=$(mktemp -d)
trap 'stop_x11; stop_desktop; rm -rf "$scratch"' EXIT

start_desktop "$2"
wine_manages_windows_for "$2"
echo "desktop: $2 (Wine $(WINEDEBUG=-all wine --version))"

# The board as tesseract reads it, grabbed and enlarged three times. The rows of the used-word
# list hold capitals, spaces and a dash only, so that is all it reads: no I taken for a 1.
read_board() {
    import -window "$(xdotool getwindowfocus)" -resize 300% "$scratch/board.png" 2>/dev/null
    tesseract "$scratch/board.png" - --psm 6 -c tessedit_char_whitelist="ABCDEFGHIJKLMNOPQRSTUVWXYZ -" \
        2>/dev/null | tr '\n' '|'
}

# Spaces are left out of the comparison: tesseract may not see the one after the dash.
board_lists() { [[ $(read_board | tr -d ' ') == *"${1// /}"* ]]; }

# The newest row of the used-word list, as the board shows it.
expect_row() {
    wait_for 3 board_lists "$1" || fail "the board does not list '$1' (it reads: $(read_board))"
    echo "the board lists '$1'"
}

start_game "$here/wine-run" "$exe"
step "Player 1"           ctrl+a type Ann Return
step "Player 2"           ctrl+a type Bob Return
step board
expect_fixed_size
step board                ctrl+n
step dialog               type boo Return
step message              Return
step dialog               type Book Return
step board                type oops Return
step board
expect_row "OOPS - OIXX"
step board                type kobo Return
step board
expect_row "KOBO - OIOO"
finish_game BOOK
echo "a whole game played under Wine on $2; Ctrl+X ended it with status 0"
