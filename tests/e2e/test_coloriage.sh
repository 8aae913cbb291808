#!/usr/bin/env bash
# K over a drawn figure: a ring of 24 segments about the centre. The pass colours the inside
# and the outside, so no pixel keeps the black background, and it writes one snapshot.
# Keys typed during a pass are dropped; clicks made meanwhile are handled after it.
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
attendre 10 aide_montree || echec "no help panel"
[ ! -e "$TRAVAIL/~102.bmp" ] || echec "K wrote more than one snapshot"
xdotool key Escape
attendre 10 aide_cachee || echec "help still shown"

# E typed right after K would clear the picture to black. Both go at once, so that E is
# queued before the pass ends however quick it is.
xdotool key --delay 0 k e
attendre 20 test -f "$TRAVAIL/~102.bmp" || echec "no snapshot after the second K"
xdotool key F1
attendre 10 aide_montree || echec "no help panel"
pixel_n_est_pas 10 10 "0,0,0" || echec "E typed during the pass cleared the picture"
xdotool key Escape

# A click on the white "New" made during the pass whitens the picture after it.
nouveau_x=$(( 64 + (LARGEUR - 1377) / 2 + 24 ))
nouveau_y=$(( HAUTEUR - 132 + 6 + 12 ))
xdotool key k mousemove "$nouveau_x" "$nouveau_y" click 1
attendre 20 test -f "$TRAVAIL/~103.bmp" || echec "no snapshot after the third K"
attendre 10 pixel_est 10 10 "255,255,255" || echec "the click on New made during the pass was lost"
p=$(pixel_fichier "$TRAVAIL/~103.bmp" 10 10)
[ "$p" != "255,255,255" ] && [ "$p" != "0,0,0" ] || echec "the pass's snapshot is not the coloured picture: $p"
echo "PASS"
