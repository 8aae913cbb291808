#!/usr/bin/env bash
# Orvane starts full-screen with its black canvas and the palette along the bottom, and
# quits through "Quitter ?" with Escape then Enter.
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

geometrie=$(xdotool getwindowgeometry "$FENETRE")
echo "$geometrie" | grep -q "Position: 0,0" || echec "window not at 0,0: $geometrie"
echo "$geometrie" | grep -q "Geometry: ${LARGEUR}x${HAUTEUR}" || echec "window does not cover the screen: $geometrie"

palette="255,128,64"
# Spots of the palette's own surface between its controls, and of the canvas above it.
attendre 10 pixel_est 1360 650 "$palette" || echec "palette colour missing at (1360,650): $(pixel 1360 650)"
pixel_est 420 762 "$palette" || echec "palette colour missing at (420,762): $(pixel 420 762)"
pixel_est 1000 641 "$palette" || echec "palette colour missing at (1000,641): $(pixel 1000 641)"
for p in "10 10" "683 384" "1350 600"; do
  set -- $p
  pixel_est "$1" "$2" "0,0,0" || echec "canvas not black at ($1,$2): $(pixel "$1" "$2")"
done

xdotool key Escape
attendre 10 xdotool search --onlyvisible --name '^Confirmation$' || echec "no \"Quitter ?\" question"
xdotool key Return
attendre 10 programme_termine || echec "Orvane did not end after \"&Oui\""
wait "$ORVANE_PID" && statut=0 || statut=$?
[ "$statut" -eq 0 ] || echec "exit status $statut"
echo "PASS"
