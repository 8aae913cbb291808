#!/usr/bin/env bash
# Draws the README's pictures with the real program under Xvfb and saves them in docs/:
#   bash docs/captures.sh build/orvane
# Every picture is the screen as the program shows it, palette hidden.
docs=$(cd "$(dirname "$0")" && pwd)
source "$docs/../tests/e2e/lib.sh"
demarrer_x
cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
# The docked palette's controls: its left edge sits at (screen width - 1377) / 2.
px=$(( (LARGEUR - 1377) / 2 )); py=$(( HAUTEUR - 132 ))
clic() { xdotool mousemove $(( px + $1 )) $(( py + $2 )) click 1; }
touche() { xdotool key "$@"; }
# A spot of bare palette at its right end, past the palette-colour square: the label of
# the directory, left of it, shows the program's own path, whose letters may cover any spot
# nearer the middle.
palette_montree() { pixel_est $(( LARGEUR - 6 )) $(( py + 14 )) "255,128,64"; }
# The palette back in place, whatever its slide-out did.
palette() {
  xdotool mousemove "$cx" $(( HAUTEUR - 2 ))
  attendre 5 palette_montree || { touche space; attendre 5 palette_montree; } || echec "no palette"
}
cacher_palette() { touche space; attendre 5 pixel_n_est_pas $(( LARGEUR - 6 )) $(( py + 14 )) "255,128,64"; }
# The screen no longer changes: two grabs in a row are the same.
ecran_stable() {
  import -window root "$TRAVAIL/avant.ppm" && import -window root "$TRAVAIL/apres.ppm" &&
    cmp -s "$TRAVAIL/avant.ppm" "$TRAVAIL/apres.ppm"
}
capture() {
  attendre 10 ecran_stable || echec "the screen keeps changing before $1"
  import -window root "$docs/$1.png"; echo "docs/$1.png"
}
# Every stroke, fill and colouring pass ends with a snapshot: its count tells that the
# program has handled the gesture.
cliches() { find "$TRAVAIL" -maxdepth 1 -name '~1*.bmp' | wc -l; }
plus_de_cliches_que() { [ "$(cliches)" -gt "$1" ]; }
# geste COMMAND...: runs the gesture and waits for its snapshot.
geste() {
  local n; n=$(cliches)
  "$@"
  attendre 60 plus_de_cliches_que "$n" || echec "no snapshot after: $*"
}
nouveau() {
  if [ -n "$ORVANE_PID" ]; then kill "$ORVANE_PID" 2>/dev/null; wait "$ORVANE_PID" 2>/dev/null || true; fi
  rm -f "$TRAVAIL"/~1*.bmp "$TRAVAIL/orvane.prm"
  demarrer_orvane
  attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
}
# Strokes around the centre: radius r, a zigzag of n steps.
etoile() {
  local r=$1 i
  for i in 0 1 2; do
    trait $(( cx + r + i * 25 )) $(( cy - 30 - i * 20 )) $(( cx + r + 90 + i * 25 )) $(( cy + 40 - i * 10 ))
    trait $(( cx + r / 2 + i * 30 )) $(( cy + 20 )) $(( cx + r + i * 30 )) $(( cy - 60 ))
  done
}

# 0. Orvane as it starts, its palette docked along the bottom.
nouveau
capture orvane

# 1. The start-up rosace of 24 petals, random colours.
nouveau
etoile 60
trait $(( cx + 200 )) $(( cy - 10 )) $(( cx + 260 )) $(( cy + 30 ))
cacher_palette; capture rosace

# 2. "vitrail" (mirrored petals) with the graded shadow "ombre 1".
nouveau
palette
clic 586 50        # Symétrie: vitrail
clic 248 91        # ombre 1
etoile 80
cacher_palette; capture vitrail_ombre

# 3. A spiral of 20 turns winding inward.
nouveau
palette
clic 679 100       # Spirale
trait $(( cx + 250 )) $(( cy - 40 )) $(( cx + 300 )) $(( cy + 20 ))
trait $(( cx + 300 )) $(( cy + 20 )) $(( cx + 250 )) $(( cy + 60 ))
cacher_palette; capture spirale

# 4. The random colouring pass (K) over a rosace.
nouveau
etoile 40
trait $(( cx + 150 )) $(( cy - 150 )) $(( cx + 300 )) $(( cy + 100 ))
cacher_palette
touche k
attendre 60 pixel_n_est_pas 10 10 "0,0,0" || echec "the pass left the corner black"
capture coloriage

# 5. One smooth chain of elliptic arcs through five clicked points, ended by a right click.
nouveau
palette
clic 484 103       # délié elliptique
cacher_palette
for p in "$(( cx + 120 )) $(( cy ))" "$(( cx + 200 )) $(( cy - 80 ))" "$(( cx + 280 )) $(( cy ))" \
         "$(( cx + 200 )) $(( cy + 80 ))" "$(( cx + 260 )) $(( cy + 160 ))"; do
  xdotool mousemove $p click 1
done
xdotool click 3
capture ellipses

# 6. A figure of every kind of mark, saved with "Sauve", its journal re-drawn four times
# larger without a window: the whole picture reduced, a detail at full size, and the same
# detail of the saved picture enlarged by repeating its pixels.
# Twelve petals; a star of lines about the centre and diamonds around it, drawn in
# "crayon", close the loops that are filled: the diamonds up to their own colour ("peind
# j'usqu'à", which takes the colour of the last stroke), the star's middle by its colour
# ("peind tant que"). A fan with the shadow "ombre 2" and mirrored "losanges" with
# "ombre 1" go round them, and the colouring pass K goes over the whole.
nouveau
palette
xdotool mousemove $(( px + 725 )) $(( py + 46 )) click --repeat 12 --delay 80 1   # 24 -> 12 petals
clic 484 35        # lignes
ligne() { xdotool mousemove "$1" "$2" click 1 mousemove "$3" "$4" click 1; }
geste ligne $(( cx + 60 )) $(( cy - 95 )) $(( cx + 60 )) $(( cy + 95 ))
clic 248 109       # ombre 2
clic 484 52        # éventail
geste trait $(( cx + 300 )) $(( cy - 55 )) $(( cx + 340 )) $(( cy + 55 ))
clic 247 91        # ombre 1 (ombre 2 goes off)
clic 484 86        # losanges
geste trait $(( cx + 250 )) $(( cy - 80 )) $(( cx + 330 )) $(( cy - 20 ))
clic 247 91        # no shadow: the diamonds' colour alone closes them
clic 484 19        # crayon
losange() {
  local p x y
  xdotool mousemove $(( cx + 120 )) "$cy" mousedown 1
  for p in "200 -45" "290 0" "200 45" "120 0"; do
    read -r x y <<<"$p"
    xdotool mousemove $(( cx + x )) $(( cy + y ))
  done
  xdotool mouseup 1
}
geste losange
clic 20 104        # peind j'usqu'à
geste xdotool mousemove $(( cx + 200 )) "$cy" click 1
clic 20 76         # peind tant que
geste xdotool mousemove $(( cx + 20 )) $(( cy + 10 )) click 1
geste xdotool mousemove 7 0 key k
rm -f "$TRAVAIL/image.bmp" "$TRAVAIL/image.bmp.orvane"
xdotool mousemove "$sauve_x" "$sauve_y" click 1   # Sauve
# The generic name is free: a message says so first, then the dialog proposes it.
attendre 10 message_visible || echec "no message before the save"
touche Return
attendre 10 xdotool search --onlyvisible --name "enregistre l'image image.bmp" || echec "no save dialog"
touche Return
attendre 10 test -s "$TRAVAIL/image.bmp.orvane" || echec "no journal saved"
"$ORVANE_BIN" --render "$TRAVAIL/image.bmp.orvane" --scale 4 --output "$TRAVAIL/x4.png" ||
  echec "--render failed"
# The detail: 640 x 360 pixels of the scale 4 picture, a diamond's outer end and the
# shadowed strokes beside it.
dx=$(( 4 * (cx + 190) )); dy=$(( 4 * (cy - 80) ))
convert "$TRAVAIL/x4.png" -resize 12.5% "$docs/redessin_x4.png"
convert "$TRAVAIL/x4.png" -crop "640x360+$dx+$dy" +repage "$docs/redessin_detail.png"
convert "$TRAVAIL/image.bmp" -crop "160x90+$(( dx / 4 ))+$(( dy / 4 ))" +repage -scale 400% \
  "$docs/redessin_agrandi.png"
echo "docs/redessin_x4.png docs/redessin_detail.png docs/redessin_agrandi.png"
