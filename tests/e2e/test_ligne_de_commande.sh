#!/usr/bin/env bash
# The command line: a picture named on it (spaces in its name) is painted at start; a file
# that cannot be read gives the error box and a black canvas; an unknown option is told on
# standard error with the usage (status 2); without a display, or with one that does not
# answer, Orvane says that it needs a graphical session and ends with status 1, not with
# an abort and its core dump.
source "$(dirname "$0")/lib.sh"

# lancer_sans_fenetre ENV...: runs the program with that environment and no window; its
# status in $statut and its standard error in $erreurs.
lancer_sans_fenetre() {
  statut=0
  erreurs=$(env "$@" 2>&1 >/dev/null) || statut=$?
}

lancer_sans_fenetre -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ORVANE_BIN" --couleur
[ "$statut" -eq 2 ] || echec "an unknown option ended with status $statut"
grep -q '^orvane : Option inconnue : « --couleur »\.$' <<<"$erreurs" ||
  echec "no sentence for the unknown option: $erreurs"
grep -q '^Usage : orvane' <<<"$erreurs" || echec "no usage after the unknown option: $erreurs"

for ecran in "" ":219"; do
  if [ -n "$ecran" ]; then
    [ ! -e "/tmp/.X11-unix/X${ecran#:}" ] || continue
    lancer_sans_fenetre -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$ecran" "$ORVANE_BIN"
  else
    lancer_sans_fenetre -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ORVANE_BIN"
  fi
  # 134 would be the abort of a toolkit that found no platform.
  [ "$statut" -eq 1 ] || echec "without a display ('$ecran') the status is $statut: $erreurs"
  grep -q "besoin d'une session graphique" <<<"$erreurs" ||
    echec "without a display ('$ecran') no sentence: $erreurs"
  ! grep -q 'Reinstalling' <<<"$erreurs" || echec "the toolkit's abort message: $erreurs"
done

demarrer_x
cp "$ORVANE_BIN" "$TRAVAIL/orvane"

# A copy of the program without its film module still starts; a film then says why it
# cannot be made, and writes nothing.
"${JOURNAL_LOURD:-$ORVANE_BUILD/tests/e2e/journal_lourd}" "$TRAVAIL/petit.orvane" 64 48 1 ||
  echec "no journal to film"
statut=0
erreurs=$("$TRAVAIL/orvane" --film "$TRAVAIL/petit.orvane" --output "$TRAVAIL/petit.mp4" 2>&1) ||
  statut=$?
[ "$statut" -eq 1 ] || echec "a film without the module: status $statut: $erreurs"
grep -q "^orvane : Les films ne peuvent pas être faits : le module « orvane_module_film.so » est introuvable.$" <<<"$erreurs" ||
  echec "a film without the module: $erreurs"
[ -z "$(find "$TRAVAIL" -name '*petit.mp4*')" ] || echec "a film without the module left a file"

mkdir "$TRAVAIL/mes images"
image="$TRAVAIL/mes images/dessin du soir.png"
convert -size 200x120 'xc:rgb(10,200,30)' "$image"

"$TRAVAIL/orvane" "$image" >"$TRAVAIL/orvane.log" 2>&1 &
ORVANE_PID=$!
attendre 20 xdotool search --onlyvisible --name '^Orvane$' || echec "no Orvane window"
attendre 10 pixel_est 100 60 "10,200,30" || echec "the picture is not painted: $(pixel 100 60)"
pixel_est 250 60 "0,0,0" || echec "the canvas beside the picture is not black"
pixel_est 100 150 "0,0,0" || echec "the canvas below the picture is not black"
kill "$ORVANE_PID"
wait "$ORVANE_PID" 2>/dev/null || true

fenetres_orvane() { xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | wc -l; }
boite_erreur_visible() { [ "$(fenetres_orvane)" -ge 2 ]; }
boite_erreur_partie() { [ "$(fenetres_orvane)" -eq 1 ]; }
"$TRAVAIL/orvane" "$TRAVAIL/mes images/absente.png" >"$TRAVAIL/orvane.log" 2>&1 &
ORVANE_PID=$!
attendre 20 boite_erreur_visible || echec "no error box for a picture that cannot be read"
xdotool key Return
attendre 10 boite_erreur_partie || echec "the error box stays"
pixel_est 100 60 "0,0,0" || echec "the canvas is not black after the error"
kill -0 "$ORVANE_PID" || echec "Orvane ended after the error"
echo "PASS"
