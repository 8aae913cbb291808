#!/usr/bin/env bash
# The window manager's close request (WM_DELETE_WINDOW) asks "Quitter ?" as Escape does:
# "Non" keeps the program and writes nothing, "Oui" writes orvane.prm and ends it. With a
# directory in place of orvane.prm (not even root can write it), the error box names the
# file and the program still ends once it is closed. A session that ends by SIGTERM or
# SIGHUP writes the settings without asking.
source "$(dirname "$0")/lib.sh"
FERMER="$ORVANE_BUILD/tests/e2e/demande_fermeture"
[ -x "$FERMER" ] || echec "no $FERMER: build the tests first"
demarrer_x

question_visible() { xdotool search --onlyvisible --name '^Confirmation$'; }
question_partie() { ! xdotool search --onlyvisible --name '^Confirmation$'; }
# The windows titled Orvane: the main window, and the error box when it is shown.
fenetres_orvane() { xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | wc -l; }
boite_erreur_visible() { [ "$(fenetres_orvane)" -ge 2 ]; }
boite_erreur_partie() { [ "$(fenetres_orvane)" -le 1 ]; }
fin_du_programme() {
  attendre 10 programme_termine || echec "Orvane did not end after \"&Oui\""
  wait "$ORVANE_PID" && statut=0 || statut=$?
  [ "$statut" -eq 0 ] || echec "exit status $statut"
}

demarrer_orvane
attendre 10 pixel_est 1360 650 "255,128,64" || echec "palette not shown: $(pixel 1360 650)"
"$FERMER" "$FENETRE" || echec "the close request could not be sent"
attendre 10 question_visible || echec "no \"Quitter ?\" after the close request"
xdotool key Escape
attendre 10 question_partie || echec "\"&Non\" did not close the question"
kill -0 "$ORVANE_PID" 2>/dev/null || echec "Orvane ended after \"&Non\""
[ ! -e "$TRAVAIL/orvane.prm" ] || echec "\"&Non\" wrote orvane.prm"
pixel_est 1360 650 "255,128,64" || echec "the window is gone after \"&Non\""

"$FERMER" "$FENETRE" || echec "the close request could not be sent again"
attendre 10 question_visible || echec "no \"Quitter ?\" after the second close request"
xdotool key Return
fin_du_programme
[ -f "$TRAVAIL/orvane.prm" ] || echec "no orvane.prm after \"&Oui\""
[ "$(wc -l <"$TRAVAIL/orvane.prm")" -eq 20 ] || echec "orvane.prm is not whole"

# The settings file cannot be written: the error at start-up, then the one at the quit.
rm "$TRAVAIL/orvane.prm"
mkdir "$TRAVAIL/orvane.prm"
"$TRAVAIL/orvane" >"$TRAVAIL/orvane.log" 2>&1 &
ORVANE_PID=$!
attendre 20 boite_erreur_visible || echec "no error box for the unreadable settings"
xdotool key Return
attendre 10 boite_erreur_partie || echec "the error box stays"
FENETRE=$(xdotool search --onlyvisible --name '^Orvane$' | head -n 1)
"$FERMER" "$FENETRE" || echec "the close request could not be sent"
attendre 10 question_visible || echec "no \"Quitter ?\" with an unwritable orvane.prm"
xdotool key Return
attendre 10 boite_erreur_visible || echec "no error box for the unwritable orvane.prm"
kill -0 "$ORVANE_PID" 2>/dev/null || echec "Orvane ended before the error box was closed"
xdotool key Return
fin_du_programme
[ -d "$TRAVAIL/orvane.prm" ] || echec "the directory in orvane.prm's place was touched"

# The session's end by a signal, even while "Quitter ?" waits: the settings are written
# without asking and the program ends.
rmdir "$TRAVAIL/orvane.prm"
for signal in TERM HUP; do
  rm -f "$TRAVAIL/orvane.prm"
  demarrer_orvane "$TRAVAIL/orvane"
  xdotool key Escape
  attendre 10 question_visible || echec "no \"Quitter ?\" before SIG$signal"
  kill -s "$signal" "$ORVANE_PID"
  fin_du_programme
  [ "$(wc -l <"$TRAVAIL/orvane.prm")" -eq 20 ] || echec "no whole orvane.prm after SIG$signal"
done
echo "PASS"
