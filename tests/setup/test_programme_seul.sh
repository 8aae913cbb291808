#!/usr/bin/env bash
# A packager's build, -DORVANE_TESTS=OFF or -DBUILD_TESTING=OFF, configures the program with
# nothing but Qt Widgets, libxcb and the build tools: GoogleTest and Qt Test are not even
# looked for (finding them is made impossible here), and no test program is built.
set -euo pipefail
SOURCES=${1:?usage: test_programme_seul.sh SOURCE_DIRECTORY}
TRAVAIL=$(mktemp -d)
trap 'rm -rf "$TRAVAIL"' EXIT
echec() { echo "FAIL: $*" >&2; exit 1; }

for option in -DORVANE_TESTS=OFF -DBUILD_TESTING=OFF; do
  build="$TRAVAIL/build${option%%=*}"
  cmake -S "$SOURCES" -B "$build" -G Ninja "$option" \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON \
    >"$TRAVAIL/configure.log" 2>&1 || echec "$option: configure failed: $(cat "$TRAVAIL/configure.log")"
  ! grep -Eq '^(GTest_DIR|Qt6Test_DIR):' "$build/CMakeCache.txt" ||
    echec "$option: GoogleTest or Qt Test was looked for"
  targets=$(ninja -C "$build" -t targets all)
  grep -q '^orvane:' <<<"$targets" || echec "$option: no orvane target"
  ! grep -q '^tests/app_tests:' <<<"$targets" || echec "$option: the tests would be built"
done
echo "PASS"
