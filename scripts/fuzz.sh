#!/usr/bin/env bash
# Builds the sanitizer build (build-san/: clang with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer), runs each fuzzer for SECONDS, then the random-use test of the
# window with EVENTS events (100000 unless told) under the same sanitizers.
#   bash scripts/fuzz.sh SECONDS [EVENTS]
# The corpus grows in build-san/corpus/; each fuzzer's log and any input that made it fail
# are kept in build-san/artefacts/.
set -euo pipefail
usage="usage: bash scripts/fuzz.sh SECONDS [EVENTS]"
secondes=${1:-}
evenements=${2:-100000}
if ! [[ "$secondes" =~ ^[1-9][0-9]*$ && "$evenements" =~ ^[0-9]+$ ]]; then
  echo "$usage" >&2
  exit 2
fi

racine=$(cd "$(dirname "$0")/.." && pwd)
build="$racine/build-san"
bash "$racine/scripts/setup.sh" fuzz

if [ ! -f "$build/build.ninja" ]; then
  mkdir -p "$build"
  cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DORVANE_FUZZ=ON -DORVANE_BENCH=OFF >"$build/configure.log"
fi
fuzzers=(fuzz_journal fuzz_lecture_bmp fuzz_nombres fuzz_parametres fuzz_trace)
# The journal reader sets aside room for what the bytes hold (pictures unpacked included):
# on inputs of a few kilobytes, one allocation of 16 MB is out of proportion, a finding.
declare -A limites=([fuzz_journal]="-malloc_limit_mb=16 -rss_limit_mb=1024")
# Only what the runs below need: the fuzzers, their seeds and the window's tests.
nice cmake --build "$build" -j "$(nproc)" --target graines_fuzz app_tests "${fuzzers[@]}"

"$build/fuzz/graines_fuzz" "$build/corpus"
mkdir -p "$build/artefacts"
for fuzzer in "${fuzzers[@]}"; do
  journal="$build/artefacts/$fuzzer.log"
  # shellcheck disable=SC2086  # the limits are separate options
  if ! nice "$build/fuzz/$fuzzer" -max_total_time="$secondes" -timeout=25 -print_final_stats=1 \
       ${limites[$fuzzer]:-} -artifact_prefix="$build/artefacts/$fuzzer-" "$build/corpus/${fuzzer#fuzz_}" \
       >"$journal" 2>&1; then
    tail -n 80 "$journal" >&2
    echo "fuzz: $fuzzer failed; its log and input are in $build/artefacts/" >&2
    exit 1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")
  echo "fuzz: $fuzzer: $executions executions in $secondes s, no report"
done

# Errors raised in handlers, caught where Qt calls in, must leak nothing either.
filtre='SourisErreurs.*:ErreursDeDemarrage.*'
[ "$evenements" -gt 0 ] && filtre="UsageAleatoire.*:$filtre"
ORVANE_EVENEMENTS="$evenements" nice "$build/tests/app_tests" \
  --gtest_filter="$filtre" --gtest_brief=1
