#!/usr/bin/env bash
# Three strokes, two clicks on "-": the screen shows the picture after the second stroke.
# A further stroke is written to ~101.bmp.
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
# Each stroke on its own ring about the centre, so no copy of one covers another.
trait $(( cx + 60 )) "$cy" $(( cx + 100 )) "$cy"
attendre 10 test -f "$TRAVAIL/~100.bmp" || echec "no ~100.bmp after the first stroke"
trait $(( cx + 150 )) "$cy" $(( cx + 190 )) "$cy"
attendre 10 test -f "$TRAVAIL/~101.bmp" || echec "no ~101.bmp after the second stroke"
trait $(( cx + 240 )) "$cy" $(( cx + 280 )) "$cy"
attendre 10 test -f "$TRAVAIL/~102.bmp" || echec "no ~102.bmp after the third stroke"
attendre 10 pixel_n_est_pas $(( cx + 260 )) "$cy" "0,0,0" || echec "third stroke not shown"

# "-" is a small button at the top of the palette: its place after centring the palette.
moins_x=$(( 843 + (LARGEUR - 1377) / 2 + 9 ))
moins_y=$(( HAUTEUR - 132 + 3 + 6 ))
xdotool mousemove "$moins_x" "$moins_y" click 1
xdotool mousemove "$moins_x" "$moins_y" click 1
attendre 10 pixel_est $(( cx + 260 )) "$cy" "0,0,0" ||
  echec "third stroke still shown after two steps back: $(pixel $(( cx + 260 )) "$cy")"
pixel_n_est_pas $(( cx + 170 )) "$cy" "0,0,0" || echec "second stroke lost"
pixel_n_est_pas $(( cx + 80 )) "$cy" "0,0,0" || echec "first stroke lost"

cp "$TRAVAIL/~101.bmp" "$TRAVAIL/avant.bmp"
trait "$cx" $(( cy - 240 )) "$cx" $(( cy - 280 ))
attendre 10 bash -c "! cmp -s '$TRAVAIL/~101.bmp' '$TRAVAIL/avant.bmp'" ||
  echec "the further stroke was not written to ~101.bmp"
[ "$(pixel_fichier "$TRAVAIL/~101.bmp" "$cx" $(( cy - 260 )))" != "0,0,0" ] ||
  echec "~101.bmp does not hold the further stroke"
[ ! -e "$TRAVAIL/~103.bmp" ] || echec "a snapshot went past ~102.bmp"
echo "PASS"
