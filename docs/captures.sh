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
# The palette back in place, whatever its slide-out did.
# A spot of bare palette, between "stop" and the generic name.
palette_montree() { pixel_est $(( px + 1000 )) $(( py + 10 )) "255,128,64"; }
palette() {
  xdotool mousemove "$cx" $(( HAUTEUR - 2 ))
  attendre 5 palette_montree || { touche space; attendre 5 palette_montree; } || echec "no palette"
}
cacher_palette() { touche space; attendre 5 pixel_n_est_pas $(( px + 1000 )) $(( py + 10 )) "255,128,64"; }
capture() { sleep 0.3; import -window root "$docs/$1.png"; echo "docs/$1.png"; }
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

# 6. A figure saved with Ctrl+S, its journal re-drawn four times larger without a window:
# the whole picture reduced, a detail at full size, and the same detail of the saved
# picture enlarged by repeating its pixels.
nouveau
palette
clic 586 50        # Symétrie: vitrail
clic 248 91        # ombre 1
etoile 70
cacher_palette
rm -f "$TRAVAIL/image.bmp" "$TRAVAIL/image.orvane"
touche ctrl+s
# The generic name is free: a message says so first, then the dialog proposes it.
attendre 10 bash -c "xdotool search --onlyvisible --name '^Orvane\$' | grep -vqx $FENETRE" ||
  echec "no message before the save"
touche Return
attendre 10 xdotool search --onlyvisible --name "enregistre l'image image.bmp" || echec "no save dialog"
touche Return
attendre 10 test -s "$TRAVAIL/image.orvane" || echec "no journal saved"
"$ORVANE_BIN" --render "$TRAVAIL/image.orvane" --scale 4 --output "$TRAVAIL/x4.png" ||
  echec "--render failed"
# The detail: a quarter of the figure's right half, 640 x 360 pixels of the scale 4 picture.
dx=$(( 4 * (cx + 60) )); dy=$(( 4 * (cy - 130) ))
convert "$TRAVAIL/x4.png" -resize 12.5% "$docs/redessin_x4.png"
convert "$TRAVAIL/x4.png" -crop "640x360+$dx+$dy" +repage "$docs/redessin_detail.png"
convert "$TRAVAIL/image.bmp" -crop "160x90+$(( dx / 4 ))+$(( dy / 4 ))" +repage -scale 400% \
  "$docs/redessin_agrandi.png"
echo "docs/redessin_x4.png docs/redessin_detail.png docs/redessin_agrandi.png"
