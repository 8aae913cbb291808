#!/usr/bin/env bash
# "Sauve" writes the picture's journal beside it; Orvane started again with that journal on
# its command line draws the same picture, and a damaged journal gives the error box and
# leaves the canvas black.
source "$(dirname "$0")/lib.sh"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
dialogue_visible() { xdotool search --onlyvisible --name "enregistre l'image"; }

attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
trait $(( cx + 60 )) "$cy" $(( cx + 140 )) $(( cy + 30 ))
attendre 10 pixel_n_est_pas $(( cx + 100 )) $(( cy + 15 )) "0,0,0" || echec "the stroke is not shown"
xdotool mousemove "$sauve_x" "$sauve_y" click 1
attendre 10 message_visible || echec "no message before the first save"
xdotool key Return
attendre 10 dialogue_visible || echec "no save dialog"
xdotool key Return
attendre 10 test -s "$TRAVAIL/image.bmp.orvane" || echec "image.bmp.orvane not written beside image.bmp"
test -s "$TRAVAIL/image.bmp" || echec "image.bmp not written"
kill "$ORVANE_PID"
attendre 10 programme_termine || echec "Orvane did not end"

# The picture's points where the stroke and its copies are, and where the canvas is black.
"$TRAVAIL/orvane" "$TRAVAIL/image.bmp.orvane" >"$TRAVAIL/orvane.log" 2>&1 &
ORVANE_PID=$!
attendre 20 xdotool search --onlyvisible --name '^Orvane$' || echec "no Orvane window"
for point in "$(( cx + 100 )) $(( cy + 15 ))" "$(( cx - 100 )) $(( cy - 15 ))" "10 10"; do
  set -- $point
  attendu=$(pixel_fichier "$TRAVAIL/image.bmp" "$1" "$2")
  attendre 10 pixel_est "$1" "$2" "$attendu" ||
    echec "the journal drawn again has $(pixel "$1" "$2") at ($1,$2), the picture $attendu"
done
kill "$ORVANE_PID"
attendre 10 programme_termine || echec "Orvane did not end"

head -c 30 "$TRAVAIL/image.bmp.orvane" >"$TRAVAIL/coupe.orvane"
fenetres_orvane() { xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | wc -l; }
boite_erreur_visible() { [ "$(fenetres_orvane)" -ge 2 ]; }
"$TRAVAIL/orvane" "$TRAVAIL/coupe.orvane" >"$TRAVAIL/orvane.log" 2>&1 &
ORVANE_PID=$!
attendre 20 boite_erreur_visible || echec "no error box for a damaged journal"
xdotool key Return
attendre 10 pixel_est $(( cx + 100 )) $(( cy + 15 )) "0,0,0" ||
  echec "a damaged journal drew something"
kill -0 "$ORVANE_PID" || echec "Orvane ended after the error"
echo "PASS"
