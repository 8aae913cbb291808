#!/usr/bin/env bash
# Sets up what the asked-for groups need (program, tests, bench: see setup.sh), configures
# build/ for them and builds. A part configured once stays on: building the program alone
# never turns off tests or benchmarks built earlier. Quiet on a tree already built.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build="$racine/build"
groupes=("$@")
[ ${#groupes[@]} -gt 0 ] || groupes=(program)
bash "$racine/scripts/setup.sh" "${groupes[@]}"

demande() { local g; for g in "${groupes[@]}"; do [ "$g" = "$1" ] && return 0; done; return 1; }

# valeur OPTION GROUP: ON when the group is asked for, else what the cache holds, else OFF.
valeur() {
  if demande "$2"; then echo ON; return; fi
  local v
  v=$(sed -n "s/^$1:BOOL=//p" "$build/CMakeCache.txt" 2>/dev/null || true)
  echo "${v:-OFF}"
}
tests=$(valeur ORVANE_TESTS tests)
bench=$(valeur ORVANE_BENCH bench)

if [ "$(valeur ORVANE_TESTS -)" != "$tests" ] || [ "$(valeur ORVANE_BENCH -)" != "$bench" ] ||
   [ ! -f "$build/build.ninja" ]; then
  mkdir -p "$build"
  if ! cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
       -DORVANE_TESTS="$tests" -DORVANE_BENCH="$bench" >"$build/configure.log" 2>&1; then
    cat "$build/configure.log" >&2
    exit 1
  fi
fi

cibles=()
[ "${groupes[*]}" = program ] && cibles=(--target orvane)
{ cmake --build "$build" -j "$(nproc)" "${cibles[@]}" || exit 1; } |
  { grep -Ev '^(ninja: no work to do\.|\[0/[0-9]+\] Re-checking globbed directories\.\.\.)$' || true; }
