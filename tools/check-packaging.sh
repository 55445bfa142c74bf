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
# The workbook writer, where the program looks for it.
[ -x "$stage/usr/libexec/kalvix/kalvix-xlsx" ] || fail "workbook writer not installed"
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
if command -v gio >/dev/null && [ -f "$share/mime/mime.cache" ]; then
  # A design is told from any other .csv by its version line.
  printf 'Setup format version:;2.0\n\nPanel configuration\n' > "$stage/design.csv"
  printf 'a;b\n1;2\n' > "$stage/other.csv"
  printf 'PK\003\004' > "$stage/pack.tarvex"
  type_of() { XDG_DATA_DIRS=$share XDG_DATA_HOME=$stage/none gio info -a standard::content-type "$1" |
              sed -n 's/.*content-type: //p'; }
  [ "$(type_of "$stage/design.csv")" = application/x-kalvix-design ] || fail "design not recognised"
  other=$(type_of "$stage/other.csv")
  [ "$other" = text/csv ] || fail "other CSV files taken for designs ($other)"
  [ "$(type_of "$stage/pack.tarvex")" = application/x-kalvix-datapack ] || fail "data pack not recognised"
fi
grep -q "^Icon=$id$" "$share/applications/$id.desktop" || fail "desktop entry names another icon"
echo "Installed files are valid."

if [ "$deb" = "--deb" ]; then
  command -v dpkg-shlibdeps >/dev/null || { echo "SKIP: dpkg-dev is not installed"; exit 77; }
  (cd "$build" && cpack -G DEB >/dev/null)
  package=$(ls -t "$build"/kalvix_*.deb | head -n 1)
  dpkg-deb -I "$package"
  depends=$(dpkg-deb -f "$package" Depends)
  for lib in libqt5widgets5 libqt5gui5 libqt5core5a libquazip1-qt5 libxlsxwriter4 libssl3 libc6; do
    echo "$depends" | grep -q "$lib" || fail "$lib missing from Depends: $depends"
  done
  dpkg-deb -c "$package" > "$stage/contents"
  for file in usr/bin/Kalvix usr/libexec/kalvix/kalvix-xlsx usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
              usr/share/mime/packages/$id.xml usr/share/icons/hicolor/48x48/apps/$id.png; do
    grep -q "\./$file\$" "$stage/contents" || fail "$file missing from the package"
  done
  echo "Package $package is complete."
fi
