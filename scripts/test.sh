#!/usr/bin/env bash
# Sets up, builds and runs every test: unit and widget tests, the installation check and the
# end-to-end tests that drive the real program under Xvfb.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/build.sh" tests
cd "$racine/build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
