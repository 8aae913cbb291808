#!/usr/bin/env bash
# On every screen the palette fits: narrower than its layout it is scaled as one piece, and
# its controls answer clicks at their scaled places, on screens at a scale of 1, 2 and 1.25.
# The places are those of the layout (a 1377-pixel block centred on the screen), times the
# palette's scale f = min(1, logical width / 1366), times the screen's scale.
source "$(dirname "$0")/lib.sh"

# ecran "W H S": the screen's device size and scale.
configurations=("1024 768 1" "1366 768 1" "2560 1600 2" "2560 1600 1.25")

# place X Y W H: the device pixel at the centre of a palette control laid out at (X, Y, W, H).
place() {
  awk -v x="$1" -v y="$2" -v w="$3" -v h="$4" -v L="$LARGEUR" -v H="$HAUTEUR" -v s="$ECHELLE" '
    function arrondi(v) { return int(v + 0.5) }
    BEGIN {
      l = L / s; hl = H / s; f = l < 1366 ? l / 1366 : 1
      large = l < 1366 ? 1366 : l; d = int((large - 1377) / 2)
      haut = hl - arrondi(132 * f)
      printf "%d %d\n", arrondi(s * f * (x + d + w / 2)), arrondi(s * (haut + f * (y + h / 2)))
    }'
}
cliquer() { xdotool mousemove $(place "$@") click 1; }
fenetres() { xdotool search --onlyvisible --pid "$ORVANE_PID" 2>/dev/null | wc -l; }
une_fenetre_de_plus() { [ "$(fenetres)" -gt 1 ]; }
une_seule_fenetre() { [ "$(fenetres)" -eq 1 ]; }
ligne() { sed -n "${1}p" "$TRAVAIL/orvane.prm" | tr -d '\r'; }

for configuration in "${configurations[@]}"; do
  read -r LARGEUR HAUTEUR ECHELLE <<<"$configuration"
  demarrer_x
  rm -f "$TRAVAIL/orvane.prm"
  QT_SCALE_FACTOR=$ECHELLE demarrer_orvane
  ici="${LARGEUR}x${HAUTEUR} at scale $ECHELLE"
  attendre 10 pixel_est 5 5 "0,0,0" || echec "no black canvas on $ici"

  # "Aide": the help panel, in the buttons' colour, centred on the screen.
  cliquer 1119 22 31 28
  attendre 10 aide_montree || echec "\"Aide\" showed no help panel on $ici"
  xdotool key Escape
  attendre 10 aide_cachee || echec "the help panel stayed on $ici"

  # The white "New", at the palette's left end.
  cliquer 64 6 49 25
  attendre 10 pixel_est 5 5 "255,255,255" || echec "the white \"New\" did nothing on $ici"

  # The palette-colour square, at its right end: the colour dialog, cancelled.
  cliquer 1320 95 27 25
  attendre 10 une_fenetre_de_plus || echec "the palette-colour square opened no dialog on $ici"
  xdotool key Escape
  attendre 10 une_seule_fenetre || echec "the colour dialog stayed on $ici"

  # The name box takes a typed letter; "Quit" asks, and "Oui" writes the name.
  cliquer 1224 24 121 21
  xdotool key End type z
  cliquer 1156 22 48 29
  attendre 10 une_fenetre_de_plus || echec "\"Quit\" asked nothing on $ici"
  xdotool key Return
  attendre 10 programme_termine || echec "Orvane did not end on $ici"
  [ "$(ligne 7)" = "image.bmpz" ] || echec "the name box holds '$(ligne 7)' on $ici"

  kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
done
echo "PASS"
