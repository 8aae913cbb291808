#!/usr/bin/env bash
# setup.sh asks apt-get for the missing packages of the groups asked for and no others: the
# program alone never brings the benchmarks' Cairo and OpenCV. Without root and without sudo
# it stops with one sentence naming the packages. dpkg, apt-get, sudo and id are stand-ins.
set -euo pipefail
SETUP=${1:?usage: test_groupes.sh path/to/setup.sh}
export FAUX
FAUX=$(mktemp -d)
trap 'rm -rf "$FAUX"' EXIT
mkdir "$FAUX/bin"
for outil in awk grep sort; do ln -s "$(command -v "$outil")" "$FAUX/bin/$outil"; done
cat >"$FAUX/bin/dpkg-query" <<'FIN'
#!/bin/bash
shift 2
for p in "$@"; do grep -qxF "$p" "$FAUX/installes" && echo "$p install ok installed"; done
exit 0
FIN
cat >"$FAUX/bin/apt-get" <<'FIN'
#!/bin/bash
echo "${SUDO_FAUX:-root} $*" >>"$FAUX/apt.log"
FIN
cat >"$FAUX/bin/id" <<'FIN'
#!/bin/bash
echo "$UID_FAUX"
FIN
cat >"$FAUX/sudo" <<'FIN'
#!/bin/bash
[ "$1" = -n ] && exit 0
SUDO_FAUX=sudo "$@"
FIN
chmod +x "$FAUX/bin/"* "$FAUX/sudo"

echec() { echo "FAIL: $*" >&2; exit 1; }
# lancer UID GROUPS...: runs setup.sh with these stand-ins; its output in $sortie.
lancer() {
  local uid=$1
  shift
  : >"$FAUX/apt.log"
  statut=0
  sortie=$(UID_FAUX=$uid PATH="$FAUX/bin" "$BASH" "$SETUP" "$@" 2>&1) || statut=$?
  installe=$(grep ' install ' "$FAUX/apt.log" || true)
}
contient() { grep -qw -- "$2" <<<"$1"; }

: >"$FAUX/installes"
lancer 0 program
[ "$statut" -eq 0 ] || echec "program: exit $statut: $sortie"
for p in qt6-base-dev cmake ninja-build qt6-translations-l10n; do
  contient "$installe" "$p" || echec "program does not install $p: $installe"
done
for p in libcairo2-dev libopencv-dev libbenchmark-dev libgtest-dev xvfb clang; do
  ! contient "$installe" "$p" || echec "program installs $p"
done
programme_seul=$installe
lancer 0
[ "$installe" = "$programme_seul" ] || echec "no group is not the program group"

lancer 0 tests
for p in qt6-base-dev libgtest-dev libgmock-dev xvfb xdotool desktop-file-utils appstream; do
  contient "$installe" "$p" || echec "tests do not install $p"
done
for p in libcairo2-dev libopencv-dev libbenchmark-dev; do
  ! contient "$installe" "$p" || echec "tests install $p"
done

lancer 0 bench
for p in qt6-base-dev libbenchmark-dev libcairo2-dev libopencv-dev; do
  contient "$installe" "$p" || echec "bench does not install $p"
done
lancer 0 fuzz
contient "$installe" libclang-rt-14-dev || echec "fuzz does not install libclang-rt-14-dev"

# Only what is missing; nothing at all, silently, when everything is there.
UID_FAUX=0 PATH="$FAUX/bin" "$BASH" "$SETUP" --list tests >"$FAUX/installes"
grep -vx xvfb "$FAUX/installes" >"$FAUX/reste"; mv "$FAUX/reste" "$FAUX/installes"
lancer 0 tests
[ "$installe" = "root install -y -qq --no-install-recommends xvfb" ] || echec "missing only: $installe"
echo xvfb >>"$FAUX/installes"
lancer 0 tests
[ "$statut" -eq 0 ] && [ -z "$sortie" ] && [ ! -s "$FAUX/apt.log" ] ||
  echec "a set-up with nothing missing was not silent: '$sortie'"

# Not root: through sudo when there is one; otherwise one sentence and no apt-get.
: >"$FAUX/installes"
cp "$FAUX/sudo" "$FAUX/bin/sudo"
lancer 1000 program
contient "$installe" qt6-base-dev && [[ "$installe" == "sudo "* ]] || echec "no sudo: $installe"
rm "$FAUX/bin/sudo"
lancer 1000 program
[ "$statut" -ne 0 ] || echec "without root nor sudo the set-up went on"
[ ! -s "$FAUX/apt.log" ] || echec "without root nor sudo apt-get was called"
[ "$(wc -l <<<"$sortie")" -eq 1 ] || echec "more than one line: $sortie"
contient "$sortie" qt6-base-dev && contient "$sortie" "apt-get install" ||
  echec "the sentence names neither the packages nor the command: $sortie"

lancer 0 programme
[ "$statut" -eq 2 ] || echec "an unknown group was accepted"
echo "PASS"
