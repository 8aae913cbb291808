#!/usr/bin/env bash
# Films of the drawing: the journal written by "Sauve" filmed without a window at scales 1
# and 2; in the window, Ctrl+Shift+F stopped by "Annuler" leaves no file, and left to the
# end writes a film that plays.
source "$(dirname "$0")/lib.sh"
command -v ffprobe >/dev/null || echec "ffprobe is missing: bash scripts/setup.sh tests"
demarrer_x
demarrer_orvane

cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
dialogue_visible() { xdotool search --onlyvisible --name "$1"; }
dialogue_parti() { ! xdotool search --onlyvisible --name "$1"; }

# sonde FILM: "codec width height frames" as a player reads them.
sonde() {
  ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=codec_name,width,height,nb_read_frames -of csv=p=0 "$1" | tr , ' '
}

# No film from the window in the work directory, not even a hidden temporary.
sans_film() {
  ! ls -A "$TRAVAIL" | grep -Eq '^image_x1\.mp4$|^\.orvane-tmp'
}

attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
trait $(( cx + 60 )) "$cy" $(( cx + 140 )) $(( cy + 30 ))
attendre 10 pixel_n_est_pas $(( cx + 100 )) $(( cy + 15 )) "0,0,0" || echec "stroke not shown"
xdotool mousemove "$sauve_x" "$sauve_y" click 1
attendre 10 message_visible || echec "no \"n'existe pas!\" message before the first save"
xdotool key Return
attendre 10 dialogue_visible "enregistre l'image image.bmp\$" || echec "no save dialog"
xdotool key Return
attendre 10 test -s "$TRAVAIL/image.bmp.orvane" || echec "image.bmp.orvane not written"
attendre 10 dialogue_parti "enregistre l'image" || echec "the save dialog stays open"

# Without a display, at scales 1 and 2: H.264 of the canvas's size, 30 frames a second
# for 2 s of drawing and 3 s of the finished picture.
for k in 1 2; do
  statut=0
  erreurs=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ORVANE_BIN" \
    --film "$TRAVAIL/image.bmp.orvane" --output "$TRAVAIL/x$k.mp4" --scale "$k" \
    --duration 2 2>&1 >/dev/null) || statut=$?
  [ "$statut" -eq 0 ] || echec "--film at scale $k ended with $statut: $erreurs"
  lu=$(sonde "$TRAVAIL/x$k.mp4")
  [ "$lu" = "h264 $(( k * LARGEUR )) $(( k * HAUTEUR )) 150" ] ||
    echec "the scale $k film reads as '$lu'"
done

# Ctrl+Shift+F with the defaults (20 s), stopped by "Annuler": no file.
xdotool key ctrl+shift+f
attendre 10 dialogue_visible '^Filmer le dessin' || echec "no film dialog"
xdotool key Return
attendre 10 dialogue_visible "filme le dessin" || echec "no file dialog for the film"
xdotool key Return
attendre 10 dialogue_visible '^Film( |$)' || echec "no progress dialog"
xdotool key Escape
attendre 10 dialogue_parti '^Film( |$)' || echec "Annuler left the progress dialog open"
attendre 5 sans_film || echec "a stopped film left a file: $(ls -A "$TRAVAIL")"

# Again with 1 s of drawing, left to its end: a film that plays. The key does nothing
# until the stopped film's thread has ended.
ctrl_maj_f() { xdotool key ctrl+shift+f; attendre 1 dialogue_visible '^Filmer le dessin'; }
attendre 10 ctrl_maj_f || echec "no film dialog the second time"
xdotool key Tab ctrl+a
xdotool type 1
xdotool key Return
attendre 10 dialogue_visible "filme le dessin" || echec "no file dialog the second time"
xdotool key Return
attendre 60 test -s "$TRAVAIL/image_x1.mp4" || echec "image_x1.mp4 not written"
attendre 10 dialogue_parti '^Film( |$)' || echec "the progress dialog stays open"
lu=$(sonde "$TRAVAIL/image_x1.mp4")
[ "$lu" = "h264 $LARGEUR $HAUTEUR 120" ] || echec "the window's film reads as '$lu'"
echo "PASS"
