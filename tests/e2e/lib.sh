# Shared steps of the end-to-end tests: a private X server, the real program in a directory
# of its own, and waits that poll what they check with a timeout.
set -euo pipefail

ORVANE_BIN=${1:?usage: test_x.sh path/to/orvane [build directory]}
ORVANE_BUILD=${2:-$(dirname "$ORVANE_BIN")}
LARGEUR=${LARGEUR:-1366}
HAUTEUR=${HAUTEUR:-768}
TRAVAIL=$(mktemp -d)
XVFB_PID=""
ORVANE_PID=""

echec() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    import -window root "$TRAVAIL/echec.png" 2>/dev/null && echo "screenshot: $TRAVAIL/echec.png" >&2
  fi
  exit 1
}

nettoyer() {
  # Ended as a session ends, Orvane still writes its settings: let it finish before its
  # directory goes.
  if [ -n "$ORVANE_PID" ] && kill "$ORVANE_PID" 2>/dev/null; then
    attendre 10 programme_termine || kill -KILL "$ORVANE_PID" 2>/dev/null || true
  fi
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  if [ -z "${GARDER:-}" ] && [ ! -f "$TRAVAIL/echec.png" ]; then rm -rf "$TRAVAIL"; fi
}
trap nettoyer EXIT

# attendre TIMEOUT_S COMMAND...: polls until the command succeeds.
attendre() {
  local limite=$(( $(date +%s%N) + ${1} * 1000000000 ))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$limite" ] || return 1
    sleep 0.05
  done
}

demarrer_x() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${LARGEUR}x${HAUTEUR}x24" -nolisten tcp -noreset >"$TRAVAIL/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    if attendre 10 xdpyinfo; then return 0; fi
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echec "no X server could be started"
}

# The program runs from a copy in the work directory, so its snapshots land there; or, given
# a path, from that path as it stands.
demarrer_orvane() {
  local programme=${1:-$TRAVAIL/orvane}
  if [ -z "${1:-}" ]; then
    cp "$ORVANE_BIN" "$programme"
    # Films come from the module beside the program.
    cp "$(dirname "$ORVANE_BIN")/orvane_module_film.so" "$TRAVAIL/"
  fi
  "$programme" >"$TRAVAIL/orvane.log" 2>&1 &
  ORVANE_PID=$!
  attendre 20 xdotool search --onlyvisible --name '^Orvane$' || echec "no Orvane window"
  FENETRE=$(xdotool search --onlyvisible --name '^Orvane$' | head -n 1)
}

# pixel X Y: the colour on screen as "r,g,b".
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}

# pixel_fichier FILE X Y: the colour of a picture file as "r,g,b".
pixel_fichier() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}

# The help panel, sized for its text and centred: its title strip, in the buttons' colour,
# crosses the upper half of the screen's middle column. The column is read whole before
# it is searched: grep -q leaving a pipe early would fail it.
colonne_du_milieu() {
  import -window root -crop "1x$(( HAUTEUR / 2 ))+$(( LARGEUR / 2 ))+0" -depth 8 txt:- 2>/dev/null
}
aide_montree() { local c; c=$(colonne_du_milieu) && grep -q "(150,228,190)" <<<"$c"; }
aide_cachee() {
  local c
  c=$(colonne_du_milieu) && [ -n "$c" ] && ! grep -q "(150,228,190)" <<<"$c"
}

pixel_est() { [ "$(pixel "$1" "$2")" = "$3" ]; }
pixel_n_est_pas() { local p; p=$(pixel "$1" "$2"); [ -n "$p" ] && [ "$p" != "$3" ]; }

# trait X1 Y1 X2 Y2: a left-button drag in small steps.
trait() {
  local x1=$1 y1=$2 x2=$3 y2=$4 i pas=10
  xdotool mousemove "$x1" "$y1" mousedown 1
  for i in $(seq 1 $pas); do
    xdotool mousemove $(( x1 + (x2 - x1) * i / pas )) $(( y1 + (y2 - y1) * i / pas ))
  done
  xdotool mouseup 1
}

# "Sauve" on the palette, after the palette's controls were centred on the screen.
sauve_x=$(( 824 + (LARGEUR - 1377) / 2 + 22 ))
sauve_y=$(( HAUTEUR - 132 + 22 + 14 ))

# Another window than the main one, named as the program: the message box.
message_visible() { xdotool search --onlyvisible --name '^Orvane$' | grep -vqx "$FENETRE"; }

# The program has ended; its exit status in $STATUT.
programme_termine() { ! kill -0 "$ORVANE_PID" 2>/dev/null; }
