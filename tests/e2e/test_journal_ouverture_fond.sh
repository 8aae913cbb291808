#!/usr/bin/env bash
# A heavy journal named on the command line is drawn in the background: the window paints
# itself again when uncovered meanwhile, "Annuler" leaves the canvas black, SIGTERM ends
# the program within a second, and left alone the figure appears whole.
source "$(dirname "$0")/lib.sh"
demarrer_x
"${JOURNAL_LOURD:-$ORVANE_BUILD/tests/e2e/journal_lourd}" "$TRAVAIL/lourd.orvane" "$LARGEUR" "$HAUTEUR" 2000 ||
  echec "no heavy journal"
cp "$ORVANE_BIN" "$TRAVAIL/orvane"

progres() { xdotool search --onlyvisible --name '^Redessin$' | head -n 1; }
progres_visible() { [ -n "$(progres)" ]; }
ouvrir_lourd() {
  "$TRAVAIL/orvane" "$TRAVAIL/lourd.orvane" >"$TRAVAIL/orvane.log" 2>&1 &
  ORVANE_PID=$!
  attendre 20 progres_visible || echec "no progress dialog while the journal opens"
}
# Points of the figure, above the palette.
cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
points=("$(( cx + 60 )) $(( cy - 120 ))" "$(( cx - 90 )) $(( cy + 40 ))"
        "$(( cx + 150 )) $(( cy - 30 ))" "$(( cx - 30 )) $(( cy - 200 ))")

# Covered by another window and uncovered while the journal is drawn, the palette is
# painted again at once.
ouvrir_lourd
attendre 10 pixel_n_est_pas "$sauve_x" "$sauve_y" "0,0,0" || echec "no palette"
palette=$(pixel "$sauve_x" "$sauve_y")
xmessage -geometry "300x100+$(( sauve_x - 10 ))+$(( sauve_y - 10 ))" -bg magenta -fg magenta \
  cache >/dev/null 2>&1 &
CACHE=$!
attendre 10 pixel_est "$sauve_x" "$sauve_y" "255,0,255" || echec "the palette was not covered"
kill "$CACHE"
wait "$CACHE" 2>/dev/null || true
attendre 2 pixel_est "$sauve_x" "$sauve_y" "$palette" ||
  echec "the palette was not painted again while the journal opens: $(pixel "$sauve_x" "$sauve_y")"
progres_visible || echec "the journal was drawn before the check: make it heavier"

# "Annuler" (Escape in its dialog) stops the drawing and leaves the canvas black.
xdotool windowfocus "$(progres)"
xdotool key Escape
attendre 2 bash -c "! xdotool search --onlyvisible --name '^Redessin$'" ||
  echec "Escape did not stop the open"
for point in "${points[@]}"; do
  set -- $point
  pixel_est "$1" "$2" "0,0,0" || echec "a cancelled open drew $(pixel "$1" "$2") at ($1,$2)"
done
kill -0 "$ORVANE_PID" || echec "Orvane ended with the open"
kill "$ORVANE_PID"
attendre 10 programme_termine || echec "Orvane did not end"

# SIGTERM during the open ends the program within a second.
ouvrir_lourd
kill -TERM "$ORVANE_PID"
attendre 1 programme_termine || echec "Orvane still runs a second after SIGTERM during an open"

# Left alone, the figure appears whole: as the command line draws it.
"$TRAVAIL/orvane" --render "$TRAVAIL/lourd.orvane" --scale 1 --output "$TRAVAIL/attendue.bmp" \
  2>/dev/null || echec "--render failed"
ouvrir_lourd
attendre 120 bash -c "! xdotool search --onlyvisible --name '^Redessin$'" ||
  echec "the open did not end"
for point in "${points[@]}"; do
  set -- $point
  attendu=$(pixel_fichier "$TRAVAIL/attendue.bmp" "$1" "$2")
  [ "$attendu" != "0,0,0" ] || echec "($1,$2) is no point of the figure"
  attendre 5 pixel_est "$1" "$2" "$attendu" ||
    echec "the opened journal has $(pixel "$1" "$2") at ($1,$2), the figure $attendu"
done
echo "PASS"
