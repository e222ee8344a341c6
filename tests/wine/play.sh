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
need tesseract tesseract-ocr
need import imagemagick
scratch=$(mktemp -d)
trap 'stop_x11; stop_desktop; rm -rf "$scratch"' EXIT

start_desktop "$2"
echo "desktop: $2 (Wine $(wine --version))"

# The newest row of the used-word list, as the board shows it: the board is grabbed, enlarged
# three times, and read by tesseract.
board_reads() {
    import -window "$(xdotool getwindowfocus)" -resize 300% "$scratch/board.png" 2>/dev/null
    tesseract "$scratch/board.png" - --psm 6 2>/dev/null | grep -q -F -- "$1"
}

expect_row() {
    wait_for 3 board_reads "$1" || fail "the board does not show '$1' (it reads: $(tesseract \
        "$scratch/board.png" - --psm 6 2>/dev/null | tr '\n' '|'))"
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
step board                type BOOK Return
step message              Return
step board                ctrl+n
step "Keep Player Names?" Return
step dialog
ctrl_x_ends_game send_key ctrl+x
echo "a whole game played under Wine on $2; Ctrl+X ended it with status 0"
