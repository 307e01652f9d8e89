#!/bin/bash
# Installs what is missing, builds the tool, the emulated card and the tests
# for 32-bit and 64-bit Windows, and runs every test under Wine.
#
# The 32-bit tree holds the shipped executable. Where this machine cannot run
# 32-bit code, that tree runs only the checks that need no Windows process,
# and the 64-bit build of the same sources runs the rest.
set -euo pipefail
cd "$(dirname "$0")/.."

stop_wine() {
    for tree in build/x86 build/x64; do
        if [ -x "$tree/wine-stop" ]; then
            "$tree/wine-stop" >/dev/null 2>&1 || true
        fi
    done
}
trap stop_wine EXIT

tools/install-deps.sh
for preset in x86 x64; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
