#!/usr/bin/env bash
# On a 1024 x 768 screen: Ctrl+Z after a stroke takes it off the screen, Ctrl+Y brings it
# back; the palette and the help are captured (kept with GARDER=1) for the eye.
LARGEUR=1024
HAUTEUR=768
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
import -window root "$TRAVAIL/palette.png"

# Each stroke on its own ring about the centre, so no copy of one covers another.
trait $(( cx + 60 )) "$cy" $(( cx + 100 )) "$cy"
attendre 10 test -f "$TRAVAIL/~100.bmp" || echec "no ~100.bmp after the first stroke"
trait $(( cx + 150 )) "$cy" $(( cx + 190 )) "$cy"
attendre 10 test -f "$TRAVAIL/~101.bmp" || echec "no ~101.bmp after the second stroke"
attendre 10 pixel_n_est_pas $(( cx + 170 )) "$cy" "0,0,0" || echec "second stroke not shown"

xdotool key ctrl+z
attendre 10 pixel_est $(( cx + 170 )) "$cy" "0,0,0" ||
  echec "the second stroke is still shown after Ctrl+Z: $(pixel $(( cx + 170 )) "$cy")"
pixel_n_est_pas $(( cx + 80 )) "$cy" "0,0,0" || echec "Ctrl+Z took the first stroke as well"
xdotool key ctrl+y
attendre 10 pixel_n_est_pas $(( cx + 170 )) "$cy" "0,0,0" || echec "Ctrl+Y did not bring it back"

xdotool key F1
attendre 10 aide_montree || echec "F1 showed no help panel"
import -window root "$TRAVAIL/aide.png"
xdotool key Escape
attendre 10 aide_cachee || echec "the help panel stayed"
echo "PASS"
