#!/usr/bin/env bash
# On a HiDPI screen the canvas is in the screen's own pixels: a drag from device pixel
# (600, 301) to (1400, 301) under "unique" with a one-pixel pen draws exactly that row of
# device pixels, in a snapshot the screen's full device size. Run at a scale of 2 and of 1.25.
source "$(dirname "$0")/lib.sh"
LARGEUR=2560 HAUTEUR=1600
demarrer_x
vert="0,128,0"  # the start-up pencil colour

for echelle in 2 1.25; do
  rm -f "$TRAVAIL"/~1*.bmp
  # Pen width 1, trace type "crayon", symmetry "unique".
  printf '1\r\n0\r\n4\r\n' >"$TRAVAIL/orvane.prm"
  QT_SCALE_FACTOR=$echelle demarrer_orvane
  attendre 10 pixel_est 2550 10 "0,0,0" || echec "no black canvas at scale $echelle"
  xdotool mousemove 600 301 mousedown 1
  for x in 700 900 1100 1300 1400; do xdotool mousemove "$x" 301; done
  xdotool mouseup 1
  attendre 10 test -f "$TRAVAIL/~100.bmp" || echec "no snapshot at scale $echelle"

  [ "$(identify -format '%wx%h' "$TRAVAIL/~100.bmp")" = "2560x1600" ] ||
    echec "snapshot of $(identify -format '%wx%h' "$TRAVAIL/~100.bmp") at scale $echelle"
  # The picture is exactly the black canvas with that row in the pencil colour.
  convert -size 2560x1600 xc:black -fill "rgb($vert)" -draw "rectangle 600,301 1399,301" \
    "$TRAVAIL/attendu.png"
  differents=$(compare -metric AE "$TRAVAIL/~100.bmp" "$TRAVAIL/attendu.png" null: 2>&1 || true)
  [ "$differents" = "0" ] || echec "scale $echelle: $differents pixels differ from the row"
  # The screen shows the canvas pixel for pixel.
  pixel_est 600 301 "$vert" && pixel_est 1399 301 "$vert" && pixel_est 1400 301 "0,0,0" &&
    pixel_est 1000 300 "0,0,0" && pixel_est 1000 302 "0,0,0" || echec "screen differs at scale $echelle"
  kill "$ORVANE_PID"; wait "$ORVANE_PID" 2>/dev/null || true
done
echo "PASS"
