#!/usr/bin/env bash
# Installs, from Debian packages and only when missing, what the asked-for groups need:
#   program  Qt, its translations, FFmpeg's libraries and the build tools (the default)
#   tests    the program's, plus GoogleTest, Xvfb, xdotool, the desktop-file checkers and
#            what builds and checks the Debian package (dpkg-dev, file, lintian), and
#            what finds a file's type as the desktop does (xdg-utils, shared-mime-info),
#            and ffprobe (in ffmpeg), which reads the films back as players do
#   bench    the program's, plus Google Benchmark and its peers Cairo, OpenCV and the ffmpeg
#            program (films made from PNG frames, as a user would without Orvane)
#   fuzz     the program's, plus clang and its sanitizer and libFuzzer runtimes
# As root it calls apt-get itself, otherwise through sudo. Silent when nothing is missing.
# With --list it only prints the groups' packages, one a line.
set -euo pipefail

lister=false
groupes=()
for argument in "$@"; do
  case "$argument" in
    --list) lister=true ;;
    program | tests | bench | fuzz) groupes+=("$argument") ;;
    *)
      echo "setup: unknown group '$argument' (program, tests, bench, fuzz)" >&2
      exit 2
      ;;
  esac
done
[ ${#groupes[@]} -gt 0 ] || groupes=(program)

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev qt6-translations-l10n libxcb1-dev
  zlib1g-dev libpng-dev libjpeg-dev
  libavcodec-dev libavformat-dev libswscale-dev libavutil-dev
)
for groupe in "${groupes[@]}"; do
  case "$groupe" in
    tests)
      packages+=(libgtest-dev libgmock-dev xvfb xdotool imagemagick x11-utils
                 fonts-dejavu-core fonts-dejavu-extra desktop-file-utils appstream
                 dpkg-dev file lintian xdg-utils shared-mime-info libfile-mimeinfo-perl
                 ffmpeg)
      ;;
    bench) packages+=(libbenchmark-dev libcairo2-dev libopencv-dev ffmpeg) ;;
    fuzz) packages+=(clang libclang-rt-14-dev llvm-14) ;;
  esac
done

if $lister; then
  printf '%s\n' "${packages[@]}" | sort -u
  exit 0
fi

# One query for all of them: a package dpkg has never heard of is simply absent.
installes=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
  awk '$NF == "installed" { print $1 }' || true)
manquants=()
for p in "${packages[@]}"; do
  grep -qxF "$p" <<<"$installes" || manquants+=("$p")
done

[ ${#manquants[@]} -eq 0 ] && exit 0
mapfile -t manquants < <(printf '%s\n' "${manquants[@]}" | sort -u)

if [ "$(id -u)" -eq 0 ]; then
  en_root=()
elif command -v sudo >/dev/null 2>&1 && { [ -t 0 ] || sudo -n true 2>/dev/null; }; then
  en_root=(sudo)
else
  echo "setup: missing Debian packages ${manquants[*]}; install them as root with:" \
    "apt-get install --no-install-recommends ${manquants[*]}" >&2
  exit 1
fi

echo "setup: installing ${manquants[*]}"
export DEBIAN_FRONTEND=noninteractive
"${en_root[@]}" apt-get update -qq
"${en_root[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
