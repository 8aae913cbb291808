#!/usr/bin/env bash
# On a Debian machine with nothing installed, the program's packages and everything they
# depend on bring neither OpenCV nor Cairo's development files, which the benchmarks ask
# for (Cairo's library itself comes with Debian's FFmpeg, whose SVG decoder draws with it).
# apt-get only simulates, against an empty package status. Skipped when apt has no package
# lists.
set -euo pipefail
SETUP=${1:?usage: test_sans_cairo_opencv.sh path/to/setup.sh}
vide=$(mktemp)
trap 'rm -f "$vide"' EXIT
apt-cache show qt6-base-dev >/dev/null 2>&1 || { echo "SKIP: apt has no package lists"; exit 77; }

# paquets_tires GROUP: every package apt would install for the group, one a line.
paquets_tires() {
  local paquets
  mapfile -t paquets < <(bash "$SETUP" --list "$1")
  apt-get -s -o Dir::State::status="$vide" install --no-install-recommends "${paquets[@]}" |
    awk '/^Inst / { print $2 }'
}
echec() { echo "FAIL: $*" >&2; exit 1; }

programme=$(paquets_tires program)
grep -qx qt6-base-dev <<<"$programme" || echec "the simulation did not resolve: $programme"
! grep -E '^(libcairo2-dev|libopencv)' <<<"$programme" || echec "the program's set-up brings the above"
bench=$(bash "$SETUP" --list bench)
grep -qx libcairo2-dev <<<"$bench" && grep -qx libopencv-dev <<<"$bench" ||
  echec "the benchmarks' set-up lacks Cairo or OpenCV"
echo "PASS: $(wc -l <<<"$programme") packages for the program on a bare system"
