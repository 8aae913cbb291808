#!/usr/bin/env bash
# Qt's own options reach Qt: -display chooses the X server whatever DISPLAY says,
# -qwindowtitle names the window, -style draws the palette's controls in that style. With a
# display that does not answer, standard error holds Orvane's one sentence and nothing of
# Qt's, unless Qt's logging rules or its plugins' debugging ask for Qt's lines.
source "$(dirname "$0")/lib.sh"

phrase="orvane : Orvane a besoin d'une session graphique (X11 ou Wayland) et n'en trouve aucune."
absent=""
for n in $(seq 219 260); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { absent=":$n"; break; }
done
[ -n "$absent" ] || echec "no free display number"

# sans_ecran ENV...: the program where nothing answers; status in $statut, standard error
# in $erreurs.
sans_ecran() {
  statut=0
  erreurs=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_LOGGING_RULES -u QT_DEBUG_PLUGINS \
    -u QT_LOGGING_CONF XDG_RUNTIME_DIR="$TRAVAIL" env "$@" 2>&1 >/dev/null) || statut=$?
}
sans_ecran DISPLAY="$absent" "$ORVANE_BIN"
[ "$statut" -eq 1 ] && [ "$erreurs" = "$phrase" ] ||
  echec "with $absent not answering: status $statut and '$erreurs'"
sans_ecran -u DISPLAY WAYLAND_DISPLAY=absent XDG_SESSION_TYPE=wayland "$ORVANE_BIN"
[ "$statut" -eq 1 ] && [ "$erreurs" = "$phrase" ] ||
  echec "with a Wayland socket missing: status $statut and '$erreurs'"
sans_ecran DISPLAY=":0" "$ORVANE_BIN" -display "$absent"
[ "$statut" -eq 1 ] && [ "$erreurs" = "$phrase" ] ||
  echec "with -display $absent not answering: status $statut and '$erreurs'"
for demande in QT_DEBUG_PLUGINS=1 'QT_LOGGING_RULES=qt.qpa.*=true'; do
  sans_ecran DISPLAY="$absent" "$demande" "$ORVANE_BIN"
  [ "$statut" -eq 1 ] || echec "with $demande the status is $statut"
  grep -q "could not connect to display $absent" <<<"$erreurs" ||
    echec "with $demande Qt's lines are missing: $erreurs"
  [ "$(tail -n 1 <<<"$erreurs")" = "$phrase" ] || echec "with $demande the sentence is not last: $erreurs"
done

demarrer_x
reel=$DISPLAY
cp "$ORVANE_BIN" "$TRAVAIL/orvane"
# lancer ARGS...: Orvane on the real server named by -display, DISPLAY naming none.
lancer() {
  DISPLAY="$absent" "$TRAVAIL/orvane" -display "$reel" "$@" >"$TRAVAIL/orvane.log" 2>&1 &
  ORVANE_PID=$!
}
arreter() {
  kill "$ORVANE_PID"
  attendre 10 programme_termine || echec "Orvane did not end on SIGTERM"
}

lancer -qwindowtitle "Mon dessin"
attendre 20 xdotool search --onlyvisible --name '^Mon dessin$' ||
  echec "no window titled by -qwindowtitle on $reel: $(cat "$TRAVAIL/orvane.log")"
arreter

# palette_stable FILE: a screenshot of the palette in FILE, the same as the one before.
palette_stable() {
  import -window root -crop "${LARGEUR}x140+0+$(( HAUTEUR - 140 ))" "$1"
  local pareil=1
  [ -f "$TRAVAIL/avant.ppm" ] && cmp -s "$1" "$TRAVAIL/avant.ppm" && pareil=0
  cp "$1" "$TRAVAIL/avant.ppm"
  return "$pareil"
}

# The palette's check boxes and radio buttons as each style draws them.
palette() {  # palette STYLE: a screenshot of the palette drawn in that style
  lancer -style "$1"
  attendre 20 xdotool search --onlyvisible --name '^Orvane$' || echec "no window with -style $1"
  attendre 10 pixel_n_est_pas 5 $(( HAUTEUR - 5 )) "0,0,0" || echec "no palette with -style $1"
  # Once drawn, two screenshots in a row agree.
  rm -f "$TRAVAIL/avant.ppm"
  attendre 10 palette_stable "$TRAVAIL/palette_$1.ppm" || echec "the palette keeps changing"
  arreter
}
palette windows
palette fusion
ecart=$(compare -metric AE "$TRAVAIL/palette_windows.ppm" "$TRAVAIL/palette_fusion.ppm" null: 2>&1) || true
[ "${ecart%% *}" -gt 1000 ] 2>/dev/null || echec "-style windows and fusion draw the same palette ($ecart)"
echo "PASS"
