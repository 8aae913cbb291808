#!/usr/bin/env bash
# Sets up and builds the benchmarks (with their peers Cairo and OpenCV), then runs the ones
# named (bench_lines, ...) or all of them, each as the median of five repetitions.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
bash "$racine/scripts/build.sh" bench
cd "$racine/build/bench"
noms=("$@")
if [ ${#noms[@]} -eq 0 ]; then
  mapfile -t noms < <(find . -maxdepth 1 -type f -executable -name 'bench_*' -printf '%f\n' | sort)
fi
for nom in "${noms[@]}"; do
  "./$nom" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
