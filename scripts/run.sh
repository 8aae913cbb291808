#!/usr/bin/env bash
# Sets up, builds and starts Orvane on the current X display.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/build.sh"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Orvane needs a display: run it from a desktop session (or set DISPLAY)." >&2
  exit 1
fi
exec "$racine/build/orvane"
