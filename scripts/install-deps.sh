#!/bin/sh
# Installs the Debian packages that building, running and testing Quillmere need.
# Does nothing when they are all present, so both make targets can call it every time.
set -e
PKGS="g++ cmake make ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev \
libqt6sql6-sqlite libqt6svg6 qt6-qpa-plugins libgl-dev libbenchmark-dev fonts-liberation fonts-dejavu-core \
cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils xvfb xauth xdotool imagemagick x11-utils \
bc desktop-file-utils appstream dpkg-dev file clang libclang-rt-14-dev ccache libcups2-dev libxcb1-dev xclip"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
