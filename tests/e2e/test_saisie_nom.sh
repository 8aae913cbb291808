#!/usr/bin/env bash
# Typing a picture name into the name box after a stroke leaves the picture alone: the
# canvas is unchanged (no erase, no colouring pass), the palette stays, the box holds the
# text, and the next drag draws a stroke where it is made (no fill mode, no centre choice).
# Then Ctrl+Z once shows what F4 twice shows (the picture before the last stroke), and the
# drag after it is again a stroke.
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
palette_y=$(( HAUTEUR - 132 ))
decalage=$(( (LARGEUR - 1377) / 2 ))
attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
attendre 10 pixel_est 1360 650 "255,128,64" || echec "palette not shown"

# canvas FILE: the canvas above the palette.
canvas() { import -window root -crop "${LARGEUR}x${palette_y}+0+0" -depth 8 "$1"; }
memes_images() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

trait $(( cx + 60 )) "$cy" $(( cx + 100 )) "$cy"
attendre 10 test -f "$TRAVAIL/~100.bmp" || echec "no ~100.bmp after the stroke"
attendre 10 pixel_n_est_pas $(( cx + 80 )) "$cy" "0,0,0" || echec "stroke not shown"
canvas "$TRAVAIL/avant.png"

# The name box, its text selected, then a name typed over it.
xdotool mousemove $(( 1224 + decalage + 60 )) $(( palette_y + 24 + 10 )) click 1
xdotool key ctrl+a
xdotool type --delay 30 "mes epures clk.png"
canvas "$TRAVAIL/apres.png"
memes_images "$TRAVAIL/avant.png" "$TRAVAIL/apres.png" ||
  echec "typing the name changed the picture (see $TRAVAIL/apres.png)"
pixel_est 1360 650 "255,128,64" || echec "the palette went away while typing"

# The next drag draws where it is made.
trait 200 150 260 150
attendre 10 pixel_n_est_pas 230 150 "0,0,0" || echec "the drag after typing drew no stroke"
attendre 10 test -f "$TRAVAIL/~101.bmp" || echec "no ~101.bmp after the second stroke"

# Ctrl+Z against F4 twice, from the same place in the ring: the first F4 shows the stroke's
# own snapshot, Ctrl+Z passes over it.
trait $(( cx + 150 )) "$cy" $(( cx + 190 )) "$cy"
attendre 10 test -f "$TRAVAIL/~102.bmp" || echec "no ~102.bmp after the third stroke"
xdotool mousemove 10 10
xdotool key F4 F4
attendre 10 pixel_est $(( cx + 170 )) "$cy" "0,0,0" || echec "F4 twice did not go back"
canvas "$TRAVAIL/par_f4.png"
xdotool key F5 F5
attendre 10 pixel_n_est_pas $(( cx + 170 )) "$cy" "0,0,0" || echec "F5 twice did not come back"
xdotool key ctrl+z
attendre 10 pixel_est $(( cx + 170 )) "$cy" "0,0,0" || echec "Ctrl+Z did not go back"
canvas "$TRAVAIL/par_ctrl_z.png"
memes_images "$TRAVAIL/par_f4.png" "$TRAVAIL/par_ctrl_z.png" ||
  echec "Ctrl+Z does not show what F4 twice shows"
trait 200 300 260 300
attendre 10 pixel_n_est_pas 230 300 "0,0,0" || echec "the drag after Ctrl+Z drew no stroke"

# The box still holds the name: it is what the confirmed quit writes.
xdotool key Escape
attendre 10 xdotool search --onlyvisible --name '^Confirmation$' || echec "no \"Quitter ?\""
xdotool key Return
attendre 10 programme_termine || echec "Orvane did not end"
[ "$(sed -n 7p "$TRAVAIL/orvane.prm" | tr -d '\r')" = "mes epures clk.png" ] ||
  echec "the name box held '$(sed -n 7p "$TRAVAIL/orvane.prm")'"
echo "PASS"
