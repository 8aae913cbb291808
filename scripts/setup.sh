#!/usr/bin/env bash
# Installs, from Debian packages and only when missing, everything Orvane needs to build,
# run its tests and run its benchmarks; `setup.sh fuzz` adds what the fuzzers need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils
  libcairo2-dev libopencv-dev
  fonts-dejavu-core fonts-dejavu-extra
)
# "fuzz": clang with its sanitizer and libFuzzer runtimes, for scripts/fuzz.sh.
if [ "${1:-}" = fuzz ]; then
  packages+=(clang-14 libclang-rt-14-dev llvm-14)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
