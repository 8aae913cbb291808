#!/usr/bin/env bash
# "délié elliptique": three clicks at the corners of a square and a right click leave one
# quarter circle on screen and in the snapshot of the finished curve, with no trace of the
# rubber figure or of the control point's marker.
source "$(dirname "$0")/lib.sh"
demarrer_x
printf '1\r\n' >"$TRAVAIL/orvane.prm"  # a one-pixel pen, so the arc is one pixel wide
demarrer_orvane

vert="0,128,0"  # the start-up pencil colour
attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
# The last item of the trace types, in the palette centred on the screen.
xdotool mousemove $(( 471 + (LARGEUR - 1377) / 2 + 13 )) $(( HAUTEUR - 132 + 104 )) click 1

# zone_allumee X Y: something other than black in the 11 x 11 square about (X, Y).
zone_allumee() {
  local max
  max=$(import -window root -crop "11x11+$(( $1 - 5 ))+$(( $2 - 5 ))" -format '%[max]' info:)
  [ -n "$max" ] && [ "${max%.*}" -gt 0 ]
}
zone_eteinte() { ! zone_allumee "$@"; }

# A (x0, y0), B (x0 + r, y0), C (x0 + r, y0 + r): the quarter circle about (x0, y0 + r).
x0=400; y0=150; r=200
xdotool mousemove "$x0" "$y0" click 1
attendre 10 test -f "$TRAVAIL/~100.bmp" || echec "no snapshot before the curve"
xdotool mousemove $(( x0 + 50 )) $(( y0 - 40 )) mousemove $(( x0 + r )) "$y0" click 1
xdotool mousemove $(( x0 + r + 30 )) $(( y0 + 100 )) mousemove $(( x0 + r )) $(( y0 + r )) click 1
xdotool mousemove $(( x0 + r + 100 )) $(( y0 + r + 50 ))
# The rubber arc and the marker at C + (C - B) show while the curve is under way.
attendre 10 zone_allumee $(( x0 + r )) $(( y0 + 2 * r )) || echec "no marker"
xdotool click 3
attendre 10 test -f "$TRAVAIL/~101.bmp" || echec "no snapshot of the finished curve"
attendre 10 zone_eteinte $(( x0 + r )) $(( y0 + 2 * r )) || echec "marker left behind"

# Every lit pixel of the snapshot lies on the quarter circle, in the pencil colour.
convert "$TRAVAIL/~101.bmp" -alpha set -transparent black sparse-color:- | tr ' ' '\n' |
  grep . >"$TRAVAIL/points.txt" || echec "nothing drawn"
awk -F'[,()]' -v x0="$x0" -v y0="$y0" -v r="$r" -v vert="$vert" '
  { n++; d = sqrt(($1 - x0) ^ 2 + ($2 - y0 - r) ^ 2) - r
    if (d > 1.5 || d < -1.5 || $1 < x0 || $2 > y0 + r || $4 "," $5 "," $6 != vert) {
      print "stray pixel " $0; bad++ } }
  END { if (n < 250) { print "only " n " pixels on the arc"; bad++ }; exit bad > 0 }
' "$TRAVAIL/points.txt" || echec "the snapshot holds more or less than the arc"

# The screen shows what the snapshot holds, above the palette.
import -window root "$TRAVAIL/ecran.png"
haut=$(( HAUTEUR - 140 ))
differences=$(compare -metric AE "$TRAVAIL/ecran.png[${LARGEUR}x${haut}+0+0]" \
  "$TRAVAIL/~101.bmp[${LARGEUR}x${haut}+0+0]" null: 2>&1 || true)
[ "$differences" = "0" ] || echec "screen and snapshot differ in $differences pixels"
echo "PASS"
