#!/usr/bin/env bash
# Writes cut short leave nothing behind: "Sauve" and orvane --render killed with SIGKILL at
# random moments leave in their folder only whole files, no hidden temporary one; SIGTERM
# and SIGINT end a render the same way; a render that memory cannot hold says so, ends with
# status 1 and writes nothing.
source "$(dirname "$0")/lib.sh"
demarrer_x

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))

# seulement_des_fichiers_entiers DIR: no hidden file, and every picture there reads whole.
seulement_des_fichiers_entiers() {
  local caches f
  caches=$(find "$1" -maxdepth 1 -name '.*' ! -name '.' -printf '%f ')
  [ -z "$caches" ] || echec "left in $1 after $2: $caches"
  for f in "$1"/*.bmp "$1"/*.png "$1"/*.jpg; do
    [ -e "$f" ] || continue
    identify -regard-warnings "$f" >/dev/null 2>&1 || echec "$(basename "$f") is not whole after $2"
  done
}

dialogue_enregistrement() { xdotool search --onlyvisible --name "enregistre l'image"; }
message_ou_dialogue() { message_visible || dialogue_enregistrement; }

# "Sauve" killed at a random moment after the file is chosen (a picture and its journal are
# written within some tens of milliseconds), three times.
for tour in 1 2 3; do
  demarrer_orvane
  attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
  trait $(( cx + 60 )) $(( cy + tour * 20 )) $(( cx + 140 )) $(( cy + 30 ))
  xdotool mousemove "$sauve_x" "$sauve_y" click 1
  attendre 10 message_ou_dialogue || echec "Sauve shows nothing"
  if ! dialogue_enregistrement >/dev/null; then
    xdotool key Return  # "n'existe pas!" before the first picture of that name
    attendre 10 dialogue_enregistrement || echec "no save dialog"
  fi
  xdotool key Return
  sleep "0.0$(( RANDOM % 10 ))"  # the random moment itself, not a wait for something
  kill -KILL "$ORVANE_PID"
  wait "$ORVANE_PID" 2>/dev/null || true
  ORVANE_PID=""
  seulement_des_fichiers_entiers "$TRAVAIL" "Sauve killed ($tour)"
done

# A journal to re-draw: one that a finished save wrote, or one saved now.
journal=$(find "$TRAVAIL" -maxdepth 1 -name '*.orvane' -size +0 | head -n 1)
if [ -z "$journal" ]; then
  demarrer_orvane
  xdotool mousemove "$sauve_x" "$sauve_y" click 1
  attendre 10 message_ou_dialogue || echec "Sauve shows nothing"
  dialogue_enregistrement >/dev/null || { xdotool key Return; attendre 10 dialogue_enregistrement; }
  xdotool key Return
  attendre 10 bash -c "ls '$TRAVAIL'/*.orvane" || echec "no journal written"
  journal=$(find "$TRAVAIL" -maxdepth 1 -name '*.orvane' | head -n 1)
fi

mkdir "$TRAVAIL/rendus"
# rendre OUT SCALE: orvane --render in the background, without a display; its id in $rendu.
rendre() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$ORVANE_BIN" --render "$journal" --scale "$2" --output "$TRAVAIL/rendus/$1" 2>/dev/null &
  rendu=$!
}
termine() { ! kill -0 "$rendu" 2>/dev/null; }

# At scale 8 (about 270 MB of picture) drawing and writing take seconds: killed at a random
# moment of them.
for format in png bmp jpg; do
  rendre "x8.$format" 8
  sleep "$(( RANDOM % 3 )).$(( RANDOM % 10 ))"
  kill -KILL "$rendu" 2>/dev/null || true
  wait "$rendu" 2>/dev/null || true
  seulement_des_fichiers_entiers "$TRAVAIL/rendus" "--render killed ($format)"
done

# SIGTERM and SIGINT (Ctrl-C) end it as they would any program: status 128 + the signal.
for signal in TERM INT; do
  rendre "signal.png" 8
  sleep "0.$(( RANDOM % 10 ))"
  kill -"$signal" "$rendu"
  statut=0
  attendre 10 termine || echec "--render goes on after SIG$signal"
  wait "$rendu" || statut=$?
  [ "$statut" -eq $(( 128 + $(kill -l "$signal") )) ] || [ "$statut" -eq 0 ] ||
    echec "--render ended with $statut after SIG$signal"
  seulement_des_fichiers_entiers "$TRAVAIL/rendus" "SIG$signal"
done

# Scale 16 is more than 800 MB of address space can hold.
statut=0
erreurs=$( (ulimit -v 800000; exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  "$ORVANE_BIN" --render "$journal" --scale 16 --output "$TRAVAIL/rendus/x16.png") 2>&1) ||
  statut=$?
[ "$statut" -eq 1 ] || echec "--render short of memory ended with $statut: $erreurs"
grep -q "^orvane : La mémoire manque pour une image de $(( LARGEUR * 16 )) x $(( HAUTEUR * 16 )) pixels" \
  <<<"$erreurs" || echec "no sentence for the memory: $erreurs"
[ ! -e "$TRAVAIL/rendus/x16.png" ] || echec "a picture written short of memory"
seulement_des_fichiers_entiers "$TRAVAIL/rendus" "the render short of memory"
echo "PASS"
