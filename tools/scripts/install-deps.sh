#!/bin/sh
# Installs the Debian packages the game needs to build, test and run, and the
# packages named as arguments (make fuzz adds clang and its fuzzer runtime).
# As root through apt-get, otherwise through sudo; without either it prints the
# one line to run and fails.
set -e
PACKAGES="cmake g++ make pkg-config libsdl2-dev libpng-dev zlib1g-dev \
libjpeg62-turbo-dev libogg-dev libvorbis-dev libcairo2-dev libfreetype-dev \
libgtest-dev fonts-comfortaa libfluidsynth-dev timgm6mb-soundfont xvfb xauth \
xdotool openbox x11-utils python3 $*"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" = "0" ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "Please run as root: apt-get install -y$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y --no-install-recommends $missing || {
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends $missing
}
