#!/bin/sh
# Render every picture in resources/pictures to PNG for a visual check.
#
#   scripts/preview-pictures.sh OUTDIR
#
# For each NAME.svg it writes NAME.png at the picture's own size and
# NAME-128.png (or NAME-990.png for the splash) enlarged; icons also get
# NAME-16.png, the size of a title-bar icon.  The splash additionally gets
# splash-window.png, the part that the 464 x 291 px start-up window shows
# (the picture sits 8 px above the window's top edge).
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 OUTDIR" >&2
    exit 2
fi
out=$1
here=$(cd "$(dirname "$0")/.." && pwd)
src="$here/resources/pictures"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert not found; install librsvg2-bin" >&2
    exit 1
fi

mkdir -p "$out"
for svg in "$src"/*.svg; do
    name=$(basename "$svg" .svg)
    rsvg-convert "$svg" -o "$out/$name.png"
    if [ "$name" = splash ]; then
        rsvg-convert -w 990 "$svg" -o "$out/$name-990.png"
        rsvg-convert --page-width 464 --page-height 291 --top=-8 \
            "$svg" -o "$out/$name-window.png"
    else
        rsvg-convert -w 128 -h 128 "$svg" -o "$out/$name-128.png"
        rsvg-convert -w 16 -h 16 "$svg" -o "$out/$name-16.png"
    fi
    echo "$out/$name.png"
done
