#!/bin/sh
# Installs the build into a scratch tree, validates the desktop entry and the
# AppStream metainfo, builds the Debian package, unpacks it into a clean folder
# tree and starts the unpacked program from the folder its desktop entry names.
#   scripts/check-package.sh <build folder>
set -e
BUILD=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

DESTDIR="$work/install" cmake --install "$BUILD" --prefix /usr >/dev/null
desktop-file-validate "$work/install/usr/share/applications/org.quillmere.Quillmere.desktop"
appstreamcli validate --no-net "$work/install/usr/share/metainfo/org.quillmere.Quillmere.metainfo.xml"

(cd "$work" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/quillmere_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6sql6-sqlite libqt6svg6 libqt6printsupport6 libcups2 fonts-liberation; do
    echo "$depends" | grep -q "$need" || { echo "package does not depend on $need: $depends" >&2; exit 1; }
done
# Every dependency must be installed here, as apt would have done.
dpkg-checkbuilddeps -d "$depends" /dev/null 2>/dev/null || {
    echo "unmet dependencies: $depends" >&2; exit 1; }

dpkg-deb -x "$deb" "$work/root"
path=$(sed -n 's/^Path=//p' "$work/root/usr/share/applications/org.quillmere.Quillmere.desktop")
[ "$path" = /usr/share/quillmere ] || { echo "unexpected Path=$path" >&2; exit 1; }
for db in pad.mdb pinfo.mdb phelp.mdb Pbook.mdb; do
    [ -s "$work/root$path/$db" ] || { echo "missing $db in the package" >&2; exit 1; }
done
# Start it where the desktop entry would, past the splash, and check it is still running.
cd "$work/root$path"
QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/quillmere" >"$work/log" 2>&1 &
pid=$!
sleep 6
if ! kill -0 "$pid" 2>/dev/null; then
    cat "$work/log" >&2; echo "the packaged program did not keep running" >&2; exit 1
fi
kill "$pid"
echo "package $(basename "$deb") installs, validates and starts"
