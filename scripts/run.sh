#!/usr/bin/env bash
# Sets up and builds the program alone (no tests, no benchmarks), then starts it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Orvane needs a display: run it from a desktop session (or set DISPLAY)." >&2
  exit 1
fi
bash "$racine/scripts/build.sh" program
exec "$racine/build/orvane" "$@"
