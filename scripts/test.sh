#!/usr/bin/env bash
# Builds everything and runs every test: natively (Debug, with AddressSanitizer and UBSan),
# then the 32-bit and 64-bit Windows builds, then under Wine on a virtual screen the conformance
# suite and the end-to-end test. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine_prefix.sh
source scripts/x_screen.sh

started=$SECONDS
phase() { echo; echo "=== $* (at $((SECONDS - started)) s)"; }

phase "setup"
scripts/setup.sh

phase "native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j2
ctest --test-dir build/native --output-on-failure -j2

phase "Windows builds, 32 and 64 bits"
for arch in win32:i686 win64:x86_64; do
    cmake -S . -B "build/${arch%%:*}" -G Ninja --toolchain "cmake/mingw-${arch#*:}.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "build/${arch%%:*}" -j2
done

phase "Wine prefix and virtual screen"
wine_dir=$(mktemp -d /tmp/quillet-test-wine.XXXXXX)
cleanup() {
    wineserver -k 2>/dev/null || true
    stop_x_screen
    rm -rf "$wine_dir"
}
trap cleanup EXIT
# Made before the screen exists, so that Wine shows nothing while it sets itself up.
unset DISPLAY
make_wine_prefix "$wine_dir/prefix"
start_x_screen
echo "Wine prefix $WINEPREFIX, screen $DISPLAY"

phase "tests under Wine"
# One at a time: the tests share the screen, the pointer and the keyboard. Last, so that the
# summary of the whole run is ctest's.
ctest --test-dir build/win32 --output-on-failure
