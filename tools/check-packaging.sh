#!/bin/sh
# Checks what `cmake --install` and `cpack -G DEB` deliver: the files a
# desktop expects, validated by the desktop's own tools, and a package whose
# dependencies dpkg-shlibdeps found.
#
# Usage: tools/check-packaging.sh BUILD_DIR [--deb]
# Needs desktop-file-utils and appstream (and dpkg-dev for --deb); exits 77
# (skipped) when they are missing.
set -eu
build=${1:?usage: $0 BUILD_DIR [--deb]}
deb=${2:-}
id=com.tarvex_fire.Kalvix

for tool in desktop-file-validate appstreamcli; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null
share=$stage/usr/share

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$stage/usr/bin/Kalvix" ] || fail "program not installed"
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" || fail "metainfo"
for size in 16 22 24 32 48 64 128 256 512; do
  [ -s "$share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "icon ${size}x${size} missing"
done
[ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon missing"
[ -s "$share/mime/packages/$id.xml" ] || fail "file types missing"
if command -v xmllint >/dev/null; then
  xmllint --noout "$share/mime/packages/$id.xml" || fail "file types are not well-formed"
fi
if command -v update-mime-database >/dev/null; then
  # The database must accept the entry and map both kinds of file.
  cp -r /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/" 2>/dev/null || true
  update-mime-database "$share/mime" || fail "update-mime-database refused the file types"
  grep -q 'application/x-kalvix-datapack:\*\.tarvex' "$share/mime/globs" || fail "*.tarvex not mapped"
  grep -q 'application/x-kalvix-design' "$share/mime/magic" || fail "design files not recognised"
fi
grep -q "^Icon=$id$" "$share/applications/$id.desktop" || fail "desktop entry names another icon"
echo "Installed files are valid."

if [ "$deb" = "--deb" ]; then
  command -v dpkg-shlibdeps >/dev/null || { echo "SKIP: dpkg-dev is not installed"; exit 77; }
  (cd "$build" && cpack -G DEB >/dev/null)
  package=$(ls -t "$build"/kalvix_*.deb | head -n 1)
  dpkg-deb -I "$package"
  depends=$(dpkg-deb -f "$package" Depends)
  for lib in libqt5widgets5 libqt5gui5 libqt5core5a libquazip1-qt5 libssl3 libc6; do
    echo "$depends" | grep -q "$lib" || fail "$lib missing from Depends: $depends"
  done
  dpkg-deb -c "$package" | grep -q "./usr/bin/Kalvix" || fail "program missing from the package"
  dpkg-deb -c "$package" | grep -q "./usr/share/applications/$id.desktop" || fail "desktop entry missing"
  echo "Package $package is complete."
fi
