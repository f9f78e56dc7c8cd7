#!/usr/bin/env bash
# The installed tree: `cmake --install` of the build into a fresh prefix; ss from there runs on its own sample
# library and module (no SS_LIBRARY, SS_MODULE or SS_HOME); a consumer configured with find_package(SS) builds
# and calls an exported entry point; pkg-config names the installed headers and libraries.
# usage: installTest.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
for f in bin/ss include/ss/SS/SSExports.h include/ss/nuvo/Ork_String.h share/ss/samples/library/Connection\ Standards/EndPlate.kvs \
         share/ss/texts/en.txt share/ss/icons/Section1.bmp share/doc/SS/ss.md; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
ls "$prefix"/lib*/libSS.so "$prefix"/lib*/libnuvo.so "$prefix"/lib*/cmake/SS/SSConfig.cmake "$prefix"/lib*/pkgconfig/ss.pc >/dev/null

# ss of the installed tree, from elsewhere, with the environment of a fresh user.
tour=$(cd "$work" && env -u SS_LIBRARY -u SS_MODULE -u SS_HOME -u SS_SETTINGS HOME="$work" "$prefix/bin/ss")
expected="SS - connection standards of the library $prefix/share/ss/samples/library/"
[ "$(printf '%s\n' "$tour" | head -n 1)" = "$expected" ] || { echo "tour: $tour"; exit 1; }
printf '%s\n' "$tour" | grep -q "== EndPlate ==" || { echo "tour: $tour"; exit 1; }

cmake -S "$source/tests/install/consumer" -B "$work/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_PREFIX_PATH="$prefix" >"$work/consumer.log" || { cat "$work/consumer.log"; exit 1; }
cmake --build "$work/consumer" >>"$work/consumer.log" || { cat "$work/consumer.log"; exit 1; }
out=$(cd "$work" && env -u SS_LIBRARY -u SS_HOME HOME="$work" "$work/consumer/consumer")
printf '%s\n' "$out" | grep -q "^first cell: Input$" || { echo "consumer: $out"; exit 1; }

pc=$(PKG_CONFIG_PATH=$(echo "$prefix"/lib*/pkgconfig) pkg-config --cflags --libs ss)
include=$(printf '%s\n' "$pc" | grep -o -- '-I[^ ]*' | cut -c3-)
libdir=$(printf '%s\n' "$pc" | grep -o -- '-L[^ ]*' | cut -c3-)
[ -e "$include/SS/SSExports.h" ] && [ -e "$libdir/libSS.so" ] || { echo "pkg-config: $pc"; exit 1; }
printf '%s\n' "$pc" | grep -q -- "-lSS -lnuvo" || { echo "pkg-config: $pc"; exit 1; }
echo "installed tree, consumer and pkg-config fine"
