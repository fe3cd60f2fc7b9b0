#!/bin/sh
# Installs what is missing, builds, and runs every test without a display.
# SANITIZE=1 builds into build-asan with AddressSanitizer and UBSan.
# CMAKE_ARGS adds options to the configure step (e.g. -DDORVAN_GUI=OFF).
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
if [ "${SANITIZE:-0}" = 1 ]; then
    BUILD=${BUILD_DIR:-build-asan}
    EXTRA="-DDORVAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"
else
    BUILD=${BUILD_DIR:-build}
    EXTRA="-DCMAKE_BUILD_TYPE=RelWithDebInfo"
fi
# A locale with a decimal comma for the locale-independence tests, made
# without root into the build folder.
LOCALES="$PWD/$BUILD/locale"
mkdir -p "$LOCALES"
if [ ! -d "$LOCALES/de_DE.UTF-8" ]; then
    localedef -i de_DE -f UTF-8 "$LOCALES/de_DE.UTF-8" >/dev/null 2>&1 || true
fi
# Warnings are errors in our own code here and in CI.
cmake -S . -B "$BUILD" -G Ninja $EXTRA -DCMAKE_COMPILE_WARNING_AS_ERROR=ON ${CMAKE_ARGS:-} \
      -DDORVAN_LOCPATH="$LOCALES" >/dev/null
cmake --build "$BUILD"
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
