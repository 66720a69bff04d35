#!/usr/bin/env bash
# Builds quillet.exe (32-bit, Release) and starts it under Wine: on your X display, or, with
# none, on a virtual screen of its own. Arguments go to the program (e.g. /p).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine_prefix.sh
source scripts/x_screen.sh

scripts/setup.sh
cmake -S . -B build/win32 -G Ninja --toolchain cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    >/dev/null
cmake --build build/win32 -j2 --target quillet

# The prefix keeps the program's settings file (QLT.ini in its Windows directory) between runs.
make_wine_prefix "${WINEPREFIX:-$PWD/build/wine}"

if [[ -n ${DISPLAY:-} ]]; then
    echo "run: Quillet on your display $DISPLAY"
else
    # Wine's processes do not outlive the screen they were started on.
    trap 'wineserver -k 2>/dev/null || true; stop_x_screen' EXIT
    start_x_screen
    echo "run: no DISPLAY, so Quillet runs on the virtual screen $DISPLAY (1280x1024 Xvfb)"
fi
status=0
wine build/win32/quillet.exe "$@" || status=$?
echo "run: Quillet ended with exit code $status"
exit "$status"
