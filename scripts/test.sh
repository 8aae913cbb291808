#!/usr/bin/env bash
# Sets up, builds and runs every test: unit and widget tests, the installation check and the
# end-to-end tests that drive the real program under Xvfb; then a short run of the fuzzers
# and of the random-use test in the sanitizer build (scripts/fuzz.sh), and the threaded tests
# under ThreadSanitizer (scripts/tsan.sh).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/build.sh" tests
cd "$racine/build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
bash "$racine/scripts/fuzz.sh" 15 3000
bash "$racine/scripts/tsan.sh"
