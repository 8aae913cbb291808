#!/usr/bin/env bash
# K over a drawn figure: a ring of 24 segments about the centre. The pass colours the inside
# and the outside, so no pixel keeps the black background, and it writes one snapshot.
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"

# A pen of 5: thin lines crossing at a shallow angle shut single pixels in, which no sample
# of the row through the centre reaches. X widens the pen while the palette is hidden.
xdotool key space x space
# Each segment crosses its two neighbours only: one inside, one outside.
trait $(( cx + 100 )) $(( cy - 20 )) $(( cx + 100 )) $(( cy + 20 ))
attendre 10 test -f "$TRAVAIL/~100.bmp" || echec "no snapshot after the stroke"
[ "$(pixel_fichier "$TRAVAIL/~100.bmp" $(( cx + 100 )) "$cy")" != "0,0,0" ] ||
  echec "the ring is not in the snapshot"

xdotool mousemove 7 0 key k
attendre 20 test -f "$TRAVAIL/~101.bmp" || echec "no snapshot after K"
attendre 10 pixel_n_est_pas 10 10 "0,0,0" || echec "the coloured picture is not on screen"

noirs=$(convert "$TRAVAIL/~101.bmp" -fill white +opaque black -format "%[fx:round((1-mean)*w*h)]" info:)
[ "$noirs" = "0" ] || echec "$noirs pixels of the background colour left after K"

# F1 shows the help after every event queued before it: by then a second pass would have
# written its snapshot.
xdotool key F1
attendre 10 pixel_est $(( cx - 190 )) $(( cy - 180 )) "150,228,190" || echec "no help panel"
[ ! -e "$TRAVAIL/~102.bmp" ] || echec "K wrote more than one snapshot"
echo "PASS"
