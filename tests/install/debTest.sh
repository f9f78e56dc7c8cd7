#!/usr/bin/env bash
# The Debian package: `cpack -G DEB` of the build, listed, never installed. Needs no network: cpack packs the
# installed tree and names the dependencies itself.
# usage: debTest.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/ss ./usr/include/ss/SS/SSExports.h "./usr/share/ss/samples/library/Connection Standards/EndPlate.xlsx" \
         ./usr/share/doc/SS/formats.md; do
  printf '%s\n' "$contents" | grep -qF " $f" || { echo "not in the package: $f"; printf '%s\n' "$contents"; exit 1; }
done
printf '%s\n' "$contents" | grep -qE " \./usr/lib[^ ]*/libSS\.so$" || { echo "no libSS.so"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for p in liborcus-0.17-0 libxlsxwriter4 libstdc++6; do
  printf '%s\n' "$depends" | grep -q "$p" || { echo "Depends lacks $p: $depends"; exit 1; }
done
echo "$(basename "$deb"): $(printf '%s\n' "$contents" | wc -l) entries; Depends: $depends"
