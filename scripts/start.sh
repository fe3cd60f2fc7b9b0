#!/bin/sh
# Installs what is missing, builds, and starts Dorvan on a bundled example.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
EXAMPLE=examples/haulage-drift.zt2
if [ -x build/app/dorvan ]; then
    if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
        echo "Built. No display to show the window on: start build/app/dorvan $EXAMPLE on a desktop," >&2
        echo "or run it here with xvfb-run." >&2
        exit 1
    fi
    exec build/app/dorvan "$EXAMPLE"
elif [ -x build/cli/dorvan-cli ] && [ -f "$EXAMPLE" ]; then
    exec build/cli/dorvan-cli run "$EXAMPLE" --csv -
else
    echo "Built. The windowed program and the examples are not there yet."
fi
