#!/usr/bin/env bash
# Start-up to the first painted frame under Xvfb: from launching the program until the screen
# shows the palette's colour and the black canvas. Prints each run and the medians of the time
# (ms) and of the process's peak memory at that frame. A settings file given third is put
# beside the program first (a damaged one, say: its palette colour is then not applied).
# Usage: bench/startup.sh build/orvane [runs] [settings file]
set -euo pipefail
binaire=$(realpath "${1:?usage: startup.sh path/to/orvane [runs] [settings file]}")
essais=${2:-7}
reglages=${3:-}
travail=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$travail"' EXIT

for n in $(seq 150 190); do
  [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1366x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  break
done
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}

mesures=()
memoires=()
for i in $(seq 1 "$essais"); do
  cp "$binaire" "$travail/orvane"
  rm -f "$travail/orvane.prm"
  [ -z "$reglages" ] || cp --sparse=always "$reglages" "$travail/orvane.prm"
  debut=$(date +%s%N)
  "$travail/orvane" >/dev/null 2>&1 &
  pid=$!
  until [ "$(pixel 1360 650)" = "255,128,64" ] && [ "$(pixel 10 10)" = "0,0,0" ]; do
    [ $(( $(date +%s%N) - debut )) -lt 20000000000 ] || { echo "no frame after 20 s" >&2; exit 1; }
  done
  fin=$(date +%s%N)
  mo=$(( $(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status") / 1024 ))
  kill "$pid"; wait "$pid" 2>/dev/null || true
  ms=$(( (fin - debut) / 1000000 ))
  mesures+=("$ms")
  memoires+=("$mo")
  echo "run $i: $ms ms, peak memory $mo MB"
done
mediane() { printf '%s\n' "$@" | sort -n | sed -n "$(( (essais + 1) / 2 ))p"; }
echo "median start-up to first painted frame: $(mediane "${mesures[@]}") ms (each reading is up to ~30 ms late)"
echo "median peak memory at that frame: $(mediane "${memoires[@]}") MB"
