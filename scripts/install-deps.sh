#!/bin/sh
# Installs the Debian packages needed to build, test and run Dorvan.
# Does nothing when everything is already there, so it is cheap to repeat.
set -e
PKGS="build-essential cmake ninja-build pkg-config nlohmann-json3-dev qt6-base-dev qt6-base-dev-tools libgl-dev
qt6-svg-dev libgtest-dev libgmock-dev googletest libbenchmark-dev poppler-utils fonts-liberation2 locales xvfb xauth clang libclang-rt-14-dev
dpkg-dev desktop-file-utils appstream shared-mime-info lintian"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    # A mirror that drops a connection is tried again rather than failing the build.
    $SUDO apt-get -o Acquire::Retries=3 update -q
    $SUDO apt-get -o Acquire::Retries=3 install -y -q $missing
fi
