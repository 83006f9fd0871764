#!/bin/sh
# The game's figures beside the floor of an empty SDL window, in a real window
# (a virtual X server when there is no display) and headless.
#   sh tools/scripts/bench.sh [build folder]
set -e
BUILD=${1:-build}
RUN="$BUILD/run"
XVFB_PID=""
if [ -z "$DISPLAY" ]; then
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "no DISPLAY and no Xvfb: only the headless figures (install-deps installs xvfb)"
    else
        for n in 91 92 93 94 95 96 97 98 99; do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { DISPLAY_NUMBER=$n; break; }
        done
        Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        trap 'kill $XVFB_PID 2>/dev/null' EXIT INT TERM
        export DISPLAY=":$DISPLAY_NUMBER"
        sleep 1
    fi
fi
if [ -n "$DISPLAY" ]; then
    echo "== in a window on $DISPLAY"
    "$BUILD/tests/glimmerdeep_floor" 400
    "$BUILD/tests/glimmerdeep_floor" 400 software
    "$BUILD/tests/glimmerdeep_bench" window "$RUN"
fi
echo "== headless"
env -u DISPLAY "$BUILD/tests/glimmerdeep_bench" headless "$RUN"
