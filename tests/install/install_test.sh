#!/usr/bin/env bash
# Installs the build into a fresh prefix, builds the consumer program against it through
# CMake's find_package and through pkg-config, runs both and compares what they print.
# Usage: install_test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "$build/install-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/ulmaro"
"$prefix/bin/ulmaro" check "$here/../../examples/commands.json" >/dev/null

cmake -S "$here/consumer" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/cmake" >/dev/null

pc=$(dirname "$(find "$prefix" -name ulmaro.pc)")
libdir=$(PKG_CONFIG_PATH=$pc pkg-config --variable=libdir ulmaro)
# shellcheck disable=SC2046
g++ -std=c++20 -o "$work/consumer-pc" "$here/consumer/main.cpp" $(PKG_CONFIG_PATH=$pc pkg-config --cflags --libs ulmaro) \
  -Wl,-rpath,"$libdir"

status=0
for program in "$work/cmake/consumer" "$work/consumer-pc"; do
  mkdir -p "$work/out" && rm -f "$work/out"/*
  "$program" "$work/out" > "$work/printed.txt"
  test -s "$work/out/form.png"
  if ! diff -u "$here/expected.txt" "$work/printed.txt"; then
    echo "install_test: $program printed something else"
    status=1
  fi
done
exit $status
