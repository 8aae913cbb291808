#!/usr/bin/env bash
# The journal written by "Sauve", re-drawn without a window: at scale 1 it is the saved
# picture, at scale 4 four times its size; "Ouvrir" of the journal shows the picture again
# and the next save's journal holds the old strokes and the new one. A damaged journal
# gives one sentence, status 1 and no picture.
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
haut_toile=$(( HAUTEUR - 140 ))  # the canvas above the palette

dialogue_visible() { xdotool search --onlyvisible --name "$1"; }
dialogue_parti() { ! xdotool search --onlyvisible --name "$1"; }

# redessiner JOURNAL OUT ARGS...: orvane --render without a display; the status in
# $statut, standard error in $erreurs.
redessiner() {
  local journal=$1 sortie=$2
  shift 2
  statut=0
  erreurs=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$ORVANE_BIN" --render "$journal" --output "$sortie" "$@" 2>&1 >/dev/null) || statut=$?
}

# memes_pixels A B: the two pictures are the same, pixel for pixel.
memes_pixels() {
  local ecart
  ecart=$(compare -metric AE "$1" "$2" null: 2>&1) || true
  [ "$ecart" = "0" ] || echec "$(basename "$1") and $(basename "$2") differ in $ecart pixels"
}

taille() { identify -format '%wx%h' "$1"; }

# sauver NAME: "Sauve", the dialog proposing NAME, confirmed.
sauver() {
  xdotool mousemove "$sauve_x" "$sauve_y" click 1
  if [ "$1" = image.bmp ]; then
    attendre 10 message_visible || echec "no \"n'existe pas!\" message before the first save"
    xdotool key Return
  fi
  attendre 10 dialogue_visible "enregistre l'image $1\$" || echec "the save dialog does not propose $1"
  xdotool key Return
  attendre 10 test -s "$TRAVAIL/$1.orvane" || echec "$1.orvane not written"
  attendre 10 dialogue_parti "enregistre l'image" || echec "the save dialog stays open"
}

attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
trait $(( cx + 60 )) "$cy" $(( cx + 140 )) $(( cy + 30 ))
attendre 10 pixel_n_est_pas $(( cx + 100 )) $(( cy + 15 )) "0,0,0" || echec "first stroke not shown"
sauver image.bmp
test -s "$TRAVAIL/image.bmp" || echec "image.bmp not written"

# Scale 1 is the saved picture; scale 4 the same figure four times larger.
redessiner "$TRAVAIL/image.bmp.orvane" "$TRAVAIL/x1.png" --scale 1
[ "$statut" -eq 0 ] || echec "--render at scale 1 ended with $statut: $erreurs"
memes_pixels "$TRAVAIL/x1.png" "$TRAVAIL/image.bmp"
redessiner "$TRAVAIL/image.bmp.orvane" "$TRAVAIL/x4.PNG" --scale 4
[ "$statut" -eq 0 ] || echec "--render at scale 4 ended with $statut: $erreurs"
[ "$(taille "$TRAVAIL/x4.PNG")" = "$(( 4 * LARGEUR ))x$(( 4 * HAUTEUR ))" ] ||
  echec "the scale 4 picture is $(taille "$TRAVAIL/x4.PNG")"
[ "$(pixel_fichier "$TRAVAIL/x4.PNG" $(( 4 * (cx + 100) + 2 )) $(( 4 * (cy + 15) + 2 )))" != "0,0,0" ] ||
  echec "the stroke is not at four times its place in the scale 4 picture"
redessiner "$TRAVAIL/image.bmp.orvane" "$TRAVAIL/lisse.jpg" --scale 2 --smooth
[ "$statut" -eq 0 ] || echec "--render --smooth ended with $statut: $erreurs"
[ "$(taille "$TRAVAIL/lisse.jpg")" = "$(( 2 * LARGEUR ))x$(( 2 * HAUTEUR ))" ] ||
  echec "the smoothed scale 2 picture is $(taille "$TRAVAIL/lisse.jpg")"

# A damaged journal: one sentence naming it, status 1, no picture.
head -c 40 "$TRAVAIL/image.bmp.orvane" >"$TRAVAIL/abime.orvane"
redessiner "$TRAVAIL/abime.orvane" "$TRAVAIL/abime.png" --scale 2
[ "$statut" -eq 1 ] || echec "a damaged journal ended with status $statut"
[ "$(wc -l <<<"$erreurs")" -eq 1 ] && grep -q '^orvane : .*abime\.orvane' <<<"$erreurs" ||
  echec "not one sentence naming the damaged journal: $erreurs"
[ ! -e "$TRAVAIL/abime.png" ] || echec "a picture written from a damaged journal"

# A new canvas, then "Ouvrir" of the journal: the saved picture again.
xdotool key e
attendre 10 pixel_est $(( cx + 100 )) $(( cy + 15 )) "0,0,0" || echec "E did not clear the canvas"
xdotool key ctrl+o
# The open dialog, over the middle of the cleared canvas.
attendre 10 pixel_n_est_pas "$cx" "$cy" "0,0,0" || echec "no open dialog"
xdotool type --delay 20 "$TRAVAIL/image.bmp.orvane"
xdotool key Return
convert "$TRAVAIL/image.bmp" -crop "${LARGEUR}x${haut_toile}+0+0" +repage "$TRAVAIL/haut.png"
# The screen above the palette is the saved picture once the dialog is gone.
ecran_comme_image() {
  import -window root -crop "${LARGEUR}x${haut_toile}+0+0" +repage "$TRAVAIL/ecran.png" &&
    [ "$(compare -metric AE "$TRAVAIL/ecran.png" "$TRAVAIL/haut.png" null: 2>&1)" = "0" ]
}
attendre 20 ecran_comme_image || memes_pixels "$TRAVAIL/ecran.png" "$TRAVAIL/haut.png"

# A stroke drawn after it: the next save's journal has both.
trait "$cx" $(( cy - 150 )) $(( cx - 40 )) $(( cy - 200 ))
attendre 10 pixel_n_est_pas $(( cx - 20 )) $(( cy - 175 )) "0,0,0" || echec "second stroke not shown"
sauver image_1.bmp
redessiner "$TRAVAIL/image_1.bmp.orvane" "$TRAVAIL/deux.bmp" --scale 1
[ "$statut" -eq 0 ] || echec "--render of the second journal ended with $statut: $erreurs"
memes_pixels "$TRAVAIL/deux.bmp" "$TRAVAIL/image_1.bmp"
for point in "$(( cx + 100 )) $(( cy + 15 ))" "$(( cx - 20 )) $(( cy - 175 ))"; do
  [ "$(pixel_fichier "$TRAVAIL/deux.bmp" $point)" != "0,0,0" ] ||
    echec "the second journal misses the stroke at $point"
done
echo "PASS"
