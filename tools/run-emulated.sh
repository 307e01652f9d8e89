#!/bin/bash
# Runs halvenor-fix.exe under Wine against the emulated Halvenor HD card.
#
#   tools/run-emulated.sh          build if needed, register the card, run the tool
#   tools/run-emulated.sh reset    put the card's registers back to their first values
#
# The card's registers outlive a run, so a second run shows the bits already
# set. Uses the 32-bit build where this machine can run 32-bit code, else the
# 64-bit build of the same sources.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
tree=
for preset in x86 x64; do
    cmake --preset "$preset" >/dev/null
    if grep -q '^HALVENOR_CAN_RUN_TARGET:INTERNAL=ON' "build/$preset/CMakeCache.txt"; then
        tree=build/$preset
        break
    fi
done
if [ -z "$tree" ]; then
    echo "Wine cannot run Windows programs on this machine." >&2
    exit 2
fi
cmake --build "$tree" --target halvenor-fix halvenor-emu wine_prefix >/dev/null

trap '"$tree/wine-stop" >/dev/null 2>&1 || true' EXIT
"$tree/wine-start"
wine() { (cd "$tree" && ./wine-run "$@"); }

if [ "${1:-}" = reset ]; then
    wine reg delete 'HKCU\Software\Halvenor\HD Emulator' /f >/dev/null 2>&1 || true
    echo "Emulated card reset: TSSTATEM = 40, TSSYNC = 0A."
    exit 0
fi

wine regsvr32 /s halvenor-emu.dll
echo "> halvenor-fix.exe   ($tree, emulated card)"
set +e
wine halvenor-fix.exe
status=$?
set -e
echo "> exit status $status"
