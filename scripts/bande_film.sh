#!/usr/bin/env bash
# Draws the README's strip of a film: a figure drawn in the real program under Xvfb and
# saved, its journal filmed with orvane --film, and four of the film's frames (the blank
# canvas, two moments of the drawing, the finished picture) side by side in
# docs/film_bande.png (the middle of each frame):
#   bash scripts/bande_film.sh build/orvane
# Needs what the end-to-end tests need (bash scripts/setup.sh tests).
racine=$(cd "$(dirname "$0")/.." && pwd)
source "$racine/tests/e2e/lib.sh"
demarrer_x
demarrer_orvane
cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
for i in 0 1 2 3; do
  trait $(( cx + 40 + i * 30 )) $(( cy - 40 - i * 25 )) $(( cx + 150 + i * 20 )) $(( cy + 30 - i * 10 ))
  trait $(( cx + 30 + i * 35 )) $(( cy + 25 )) $(( cx + 90 + i * 30 )) $(( cy - 90 + i * 15 ))
done
xdotool key ctrl+s
attendre 10 message_visible || echec "no message before the save"
xdotool key Return
attendre 10 xdotool search --onlyvisible --name "enregistre l'image image.bmp" || echec "no save dialog"
xdotool key Return
attendre 10 test -s "$TRAVAIL/image.bmp.orvane" || echec "no journal saved"

# 4 s of drawing at 10 frames a second: frames 0 to 39, the last the finished picture.
"$ORVANE_BIN" --film "$TRAVAIL/image.bmp.orvane" --output "$TRAVAIL/film.mp4" --duration 4 \
  --fps 10 2>/dev/null || echec "--film failed"
for n in 0 13 26 39; do
  ffmpeg -v error -y -i "$TRAVAIL/film.mp4" -vf "select=eq(n\\,$n)" -frames:v 1 \
    "$TRAVAIL/image_$n.png" || echec "frame $n not read"
done
# The middle half of each frame, where the figure is.
for n in 0 13 26 39; do
  convert "$TRAVAIL/image_$n.png" -gravity center -crop 50%x50%+0+0 +repage -resize 50% \
    "$TRAVAIL/bande_$n.png"
done
montage "$TRAVAIL"/bande_{0,13,26,39}.png -tile 4x1 -geometry +4+0 -background white \
  "$racine/docs/film_bande.png"
echo "docs/film_bande.png"
