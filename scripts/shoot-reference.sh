#!/bin/sh
# Screenshots of the six reference windows, opened the way a user opens them,
# and a check that the help window's points are not kept: they must be gone
# from a part of the window that another window covered, and from the whole
# window when it is shown again.
#
#   scripts/shoot-reference.sh [build folder] [output folder]
#
# Runs the program under its own X server (xvfb-run) from the build folder and
# drives it with xdotool; writes one PNG of the whole screen per step. Without a
# window manager the keyboard follows the pointer, so the pointer is moved over
# the window that is to receive the keys.
set -eu
BUILD=$(cd "${1:-build}" && pwd)
OUT=$(mkdir -p "${2:-reference-shots}" && cd "${2:-reference-shots}" && pwd)

if [ -z "${QUILLMERE_SHOOT_INNER:-}" ]; then
    export QUILLMERE_SHOOT_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$BUILD" "$OUT"
fi

cd "$BUILD"
./quillmere 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

shot() { sleep "${2:-0.8}"; import -window root "$OUT/$1.png"; }
# Pixels of a part of the screen that differ from its most common colour.
sprinkled() { # file x y width height
    convert "$1" -crop "$4x$5+$2+$3" +repage txt:- | grep -v '^#' | awk '{ print $3 }' |
        sort | uniq -c | sort -rn | awk 'NR > 1 { s += $1 } END { print s + 0 }'
}
main_window() { xdotool mousemove 700 500 click 1; sleep 0.3; }
help_menu() { # y of the item
    xdotool mousemove 213 35 click 1; sleep 0.5; xdotool mousemove 256 "$1" click 1
}

sleep 6 # the splash gives way to the main window after 4 s

xdotool mousemove 297 498 click 1 # the bookshelf picture above "To Info Area"
shot info
xdotool mousemove 400 200 key alt+o
shot outline-from-info
xdotool mousemove 400 200 key alt+r
shot outline-returned
xdotool mousemove 480 534 click 1 # Intro
shot intro
xdotool mousemove 400 200 key alt+o
shot outline
xdotool mousemove 400 200 key alt+r
main_window; xdotool key F1
shot help 3
help_menu 102 # Book Shelf, over most of the help window
shot book
xdotool mousemove 400 300 key alt+r
shot help-uncovered 0.3
shot help-uncovered-later 2
xdotool mousemove 150 500 click 1 key alt+r # the help window's margin, then its Return
sleep 0.5
main_window; xdotool key F1
shot help-again 0.3
help_menu 124 # Real Help
shot real
xdotool mousemove 400 300 key alt+r
shot end

# The help window's client area is at (116, 63), 589 x 455 pixels; its left
# margin (x 117..216) lay under the bookshelf, its right margin (x 684..703) did
# not; the strip under its button is y 490..516.
echo "help window after 3 s:       left margin $(sprinkled "$OUT/help.png" 117 143 100 297)," \
    "right margin $(sprinkled "$OUT/help.png" 684 143 20 297)"
echo "uncovered, after 0.3 s:      left margin $(sprinkled "$OUT/help-uncovered.png" 117 143 100 297)," \
    "right margin $(sprinkled "$OUT/help-uncovered.png" 684 143 20 297)"
echo "uncovered, after 2.3 s:      left margin $(sprinkled "$OUT/help-uncovered-later.png" 117 143 100 297)"
echo "shown again, after 0.3 s:    strip under the button $(sprinkled "$OUT/help-again.png" 117 490 588 27)"
echo "screenshots in $OUT"
