#!/bin/sh
# Installs what is missing, builds, and starts Dorvan on a bundled example.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
EXAMPLE=examples/haulage-drift.zt2
if [ -x build/app/dorvan ]; then
    exec build/app/dorvan "$EXAMPLE"
elif [ -x build/cli/dorvan-cli ] && [ -f "$EXAMPLE" ]; then
    exec build/cli/dorvan-cli run "$EXAMPLE" --csv -
else
    echo "Built. The windowed program and the examples are not there yet."
fi
