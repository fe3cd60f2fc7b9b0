#!/bin/sh
# The Release build (-O3) and its tests, then the Debian package: made by
# CPack, checked by lintian (any error or warning fails), unpacked into a
# scratch root, its desktop entry, MIME type, metainfo, licence, changelog
# and manual pages checked, and the installed programs run. Fails when any
# step fails.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD=${BUILD_DIR:-build-release}
VERSION=$(sed -n 's/^project(dorvan VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
      -DDORVAN_BENCH=OFF ${CMAKE_ARGS:-} >/dev/null
cmake --build "$BUILD"
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600)

echo "== the package"
rm -f "$BUILD"/dorvan_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD"/dorvan_*.deb)
echo "$DEB: Depends: $(dpkg-deb -f "$DEB" Depends)"
dpkg-deb -f "$DEB" Depends | grep -q libqt6widgets6
echo "== lintian"
lintian --fail-on error,warning "$DEB"
ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT
dpkg-deb -x "$DEB" "$ROOT"
SHARE="$ROOT/usr/share"

desktop-file-validate "$SHARE/applications/org.dorvan.Dorvan.desktop"
appstreamcli validate --strict --no-net "$SHARE/metainfo/org.dorvan.Dorvan.metainfo.xml" >/dev/null
grep -q "version=\"$VERSION\"" "$SHARE/metainfo/org.dorvan.Dorvan.metainfo.xml"
# The changelog's newest entry is this version.
gzip -dc "$SHARE/doc/dorvan/changelog.gz" | head -1 | grep -q "^dorvan ($VERSION) "
# The MIME database built from the package knows .zt2 by name and by content.
update-mime-database "$SHARE/mime"
grep -q "^50:application/x-dorvan-document:\*\.zt2$" "$SHARE/mime/globs2"
grep -q "CKalvexBranch" "$SHARE/mime/magic"
for size in 16 24 32 48 64 128 256; do
    test -s "$SHARE/icons/hicolor/${size}x${size}/apps/dorvan.png"
done
test -s "$SHARE/icons/hicolor/scalable/apps/dorvan.svg"
# Both manual pages (lintian has read them), and dorvan's names every
# option of its --help.
test -s "$SHARE/man/man1/dorvan-cli.1.gz"
"$ROOT/usr/bin/dorvan" --help | grep -o -- '--[a-z-]*' | while read -r option; do
    gzip -dc "$SHARE/man/man1/dorvan.1.gz" | sed 's/\\-/-/g' | grep -q -- "$option" || { echo "dorvan.1 lacks $option"; exit 1; }
done
# The licence's copyright line is in the copyright file and in --version.
COPYRIGHT=$(sed -n 's/^Copyright (c) //p' LICENSE)
grep -q "^Copyright: $COPYRIGHT$" "$SHARE/doc/dorvan/copyright"

dpkg-deb -f "$DEB" Version | grep -qx "$VERSION"
for program in dorvan dorvan-cli; do
    "$ROOT/usr/bin/$program" --version >"$ROOT/version"
    grep -qx "$program $VERSION" "$ROOT/version"
    grep -qx "Copyright (c) $COPYRIGHT" "$ROOT/version"
done
"$ROOT/usr/bin/dorvan-cli" run "$SHARE/dorvan/examples/haulage-drift.zt2"
echo "== the package installs and runs: $DEB"
