#!/usr/bin/env bash
# Start-up to the first painted frame under Xvfb: from launching the program until the screen
# shows the palette's colour and the black canvas. Prints each run and the medians of the
# time (ms) and of the process's peak memory at that frame.
# Usage: bench/startup.sh build/orvane [runs] [WIDTHxHEIGHT] [scale]
#   e.g. bench/startup.sh build/orvane 7 3840x2160 2   (a HiDPI screen: 4 times the canvas)
# ORVANE_REGLAGES=FILE puts that settings file beside the program first (a damaged one, say:
# its palette colour is then not applied).
set -euo pipefail
binaire=$(realpath "${1:?usage: startup.sh path/to/orvane [runs] [WIDTHxHEIGHT] [scale]}")
essais=${2:-7}
ecran=${3:-1366x768}
echelle=${4:-1}
largeur=${ecran%x*}
hauteur=${ecran#*x}
# A pixel of the palette right of its controls, and one of the canvas.
palette_x=$(( largeur - 6 ))
palette_y=$(awk -v h="$hauteur" -v s="$echelle" 'BEGIN { printf "%d", h - 60 * s }')
travail=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$travail"' EXIT

for n in $(seq 150 190); do
  [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 "${largeur}x${hauteur}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  break
done
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

cc -O2 -o "$travail/premiere_image" "$(dirname "$0")/premiere_image.c" -lX11

mesures=()
memoires=()
for i in $(seq 1 "$essais"); do
  cp "$binaire" "$travail/orvane"
  rm -f "$travail/orvane.prm"
  [ -z "${ORVANE_REGLAGES:-}" ] || cp --sparse=always "$ORVANE_REGLAGES" "$travail/orvane.prm"
  read -r ms pid < <(QT_SCALE_FACTOR=$echelle "$travail/premiere_image" \
    "$palette_x" "$palette_y" 255,128,64 10 10 0,0,0 20000 "$travail/orvane")
  if [ "${ms:-0}" = 0 ]; then
    kill "${pid:-0}" 2>/dev/null || true
    exit 1
  fi
  mo=$(( $(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status") / 1024 ))
  kill "$pid"
  # Gone, or a zombie its new parent has not reaped yet.
  while grep -qv '^State:.*Z' <(grep '^State:' "/proc/$pid/status" 2>/dev/null); do
    sleep 0.01
  done
  mesures+=("$ms")
  memoires+=("$mo")
  echo "run $i: $ms ms, peak memory $mo MB"
done
mediane() { printf '%s\n' "$@" | sort -n | sed -n "$(( (essais + 1) / 2 ))p"; }
echo "median start-up to first painted frame: $(mediane "${mesures[@]}") ms"
echo "median peak memory at that frame: $(mediane "${memoires[@]}") MB"
