#!/usr/bin/env bash
# Builds the ThreadSanitizer build (build-tsan/: clang with -fsanitize=thread) of the test
# programs that hold threaded tests, and runs only those tests: the snapshot ring's writing
# and folding threads, the re-drawing in bands, the window's re-drawing, opening and film
# workers, and the film's encoder thread. The first report fails the run.
#   bash scripts/tsan.sh
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build="$racine/build-tsan"
bash "$racine/scripts/setup.sh" tests fuzz

if [ ! -f "$build/build.ninja" ]; then
  mkdir -p "$build"
  cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DORVANE_TSAN=ON -DORVANE_BENCH=OFF >"$build/configure.log"
fi

# Each test program with the suites of its tests that start threads. Every window writes its
# snapshots on threads; those suites are the ones that wait for the writes or step through
# them. Left out: the command line's tests of a memory limit and of signals, which the
# sanitizer's runtime, reserving its own memory and catching signals first, would not pass.
declare -A filtres=(
  [journal_tests]='RedessinEnBandes*:RedessinReduit.*:RenduEchelle.*:RemplissageEchelle.*'
  [persistence_tests]='Historique.*:AnneauEncombre.*:Causes.*:DisquePlein.*'
  [film_tests]='Film.*:ImagesDuDessin.*'
  [app_tests]='Souris.*:JournalFenetre.*:RedessinFenetre.*:RedessinDuJournal.*:OuvertureEnFond.*:FilmFenetre.*:FilmCommande.*:RedessinCommande.*-RedessinCommande.MemoryShort*:RedessinCommande.ASignal*:FilmCommande.MemoryShort*'
)
programmes=(journal_tests persistence_tests film_tests app_tests)
nice cmake --build "$build" -j "$(nproc)" --target "${programmes[@]}"

for programme in "${programmes[@]}"; do
  QT_QPA_PLATFORM=offscreen nice "$build/tests/$programme" \
    --gtest_filter="${filtres[$programme]}" --gtest_brief=1
  echo "tsan: $programme: no report"
done
