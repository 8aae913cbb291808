#!/usr/bin/env bash
# "Sauve" twice: the first save says the generic name is free and writes image.bmp, the
# second proposes and writes image_1.bmp; each file holds the picture shown on screen.
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))

dialogue_visible() { xdotool search --onlyvisible --name "enregistre l'image $1\$"; }

# meme_pixel FILE X Y: the file and the screen agree at (X, Y).
meme_pixel() {
  local f e
  f=$(pixel_fichier "$1" "$2" "$3"); e=$(pixel "$2" "$3")
  [ -n "$f" ] && [ "$f" = "$e" ] || echec "$(basename "$1") has $f at ($2,$3), the screen $e"
}

attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
trait $(( cx + 60 )) "$cy" $(( cx + 100 )) "$cy"
attendre 10 pixel_n_est_pas $(( cx + 80 )) "$cy" "0,0,0" || echec "first stroke not shown"

xdotool mousemove "$sauve_x" "$sauve_y" click 1
attendre 10 message_visible || echec "no \"n'existe pas!\" message before the first save"
xdotool key Return
attendre 10 dialogue_visible image.bmp || echec "the save dialog does not propose image.bmp"
xdotool key Return
attendre 10 test -s "$TRAVAIL/image.bmp" || echec "image.bmp not written"
attendre 10 bash -c "! xdotool search --onlyvisible --name \"enregistre l'image\"" ||
  echec "the save dialog stays open"
meme_pixel "$TRAVAIL/image.bmp" $(( cx + 80 )) "$cy"
meme_pixel "$TRAVAIL/image.bmp" 10 10

trait "$cx" $(( cy - 150 )) "$cx" $(( cy - 190 ))
attendre 10 pixel_n_est_pas "$cx" $(( cy - 170 )) "0,0,0" || echec "second stroke not shown"
xdotool mousemove "$sauve_x" "$sauve_y" click 1
attendre 10 dialogue_visible image_1.bmp || echec "the save dialog does not propose image_1.bmp"
message_visible && echec "a message before the second save"
xdotool key Return
attendre 10 test -s "$TRAVAIL/image_1.bmp" || echec "image_1.bmp not written"
meme_pixel "$TRAVAIL/image_1.bmp" "$cx" $(( cy - 170 ))
meme_pixel "$TRAVAIL/image_1.bmp" $(( cx + 80 )) "$cy"
[ "$(pixel_fichier "$TRAVAIL/image.bmp" "$cx" $(( cy - 170 )))" = "0,0,0" ] ||
  echec "image.bmp changed by the second save"
echo "PASS"
