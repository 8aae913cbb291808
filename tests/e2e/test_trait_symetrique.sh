#!/usr/bin/env bash
# A stroke dragged across the canvas appears on screen with its symmetric copies: under the
# start-up "rosace" of 24 petals about the screen centre, the copy turned half a turn lies
# point-reflected through the centre.
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
vert="0,128,0"  # the start-up pencil colour
attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
trait $(( cx + 100 )) $(( cy - 80 )) $(( cx + 160 )) $(( cy - 80 ))

# The stroke itself, its half-turn copy, and the quarter-turn copy (a turn of 2*pi/4 moves
# +x to -y on screen: six petals of 24).
attendre 10 pixel_est $(( cx + 130 )) $(( cy - 80 )) "$vert" ||
  echec "stroke not on screen: $(pixel $(( cx + 130 )) $(( cy - 80 )))"
pixel_est $(( cx - 130 )) $(( cy + 80 )) "$vert" ||
  echec "half-turn copy missing: $(pixel $(( cx - 130 )) $(( cy + 80 )))"
pixel_est $(( cx - 80 )) $(( cy - 130 )) "$vert" ||
  echec "quarter-turn copy missing: $(pixel $(( cx - 80 )) $(( cy - 130 )))"
# Between the copies the canvas stays black.
pixel_est $(( cx + 130 )) $(( cy - 70 )) "0,0,0" || echec "stray pixels beside the stroke"
pixel_est "$cx" "$cy" "0,0,0" || echec "stray pixels at the centre"
echo "PASS"
