#!/usr/bin/env bash
# Installed into a prefix of its own, Orvane has a valid desktop entry, icon and metainfo,
# manual page, answers --help and --version and makes a film without a display, and, started from the prefix,
# writes its snapshots in the user's data directory and its settings in the configuration
# directory, never beside the binary. Qt's own dialogs speak the user's language.
source "$(dirname "$0")/lib.sh"

prefixe="$TRAVAIL/prefixe"
cmake --install "$ORVANE_BUILD" --prefix "$prefixe" >"$TRAVAIL/install.log" 2>&1 ||
  echec "cmake --install failed: $(cat "$TRAVAIL/install.log")"
for f in bin/orvane share/applications/orvane.desktop \
         share/icons/hicolor/scalable/apps/orvane.svg share/metainfo/org.orvane.Orvane.metainfo.xml \
         share/man/man1/orvane.1.gz share/doc/orvane/copyright; do
  [ -f "$prefixe/$f" ] || echec "$f not installed"
done
desktop-file-validate "$prefixe/share/applications/orvane.desktop" || echec "desktop entry invalid"
appstreamcli validate-tree --no-net "$prefixe" >"$TRAVAIL/appstream.log" 2>&1 ||
  echec "metainfo invalid: $(cat "$TRAVAIL/appstream.log")"

sans_ecran=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
version=$("${sans_ecran[@]}" "$prefixe/bin/orvane" --version) || echec "--version failed"
[[ "$version" =~ ^Orvane\ [0-9]+\.[0-9]+ ]] || echec "--version printed '$version'"
aide=$("${sans_ecran[@]}" "$prefixe/bin/orvane" --help) || echec "--help failed"
grep -q '^Usage : orvane' <<<"$aide" || echec "--help printed '$aide'"

# Films come from the module installed with the program.
"${JOURNAL_LOURD:-$ORVANE_BUILD/tests/e2e/journal_lourd}" "$TRAVAIL/petit.orvane" 64 48 1 || echec "no journal to film"
"${sans_ecran[@]}" "$prefixe/bin/orvane" --film "$TRAVAIL/petit.orvane" --duration 1 \
  --output "$TRAVAIL/petit.mp4" >"$TRAVAIL/film.log" 2>&1 ||
  echec "the installed program makes no film: $(cat "$TRAVAIL/film.log")"
[ -s "$TRAVAIL/petit.mp4" ] || echec "the installed program wrote no film"

MANPATH="$prefixe/share/man" man -P cat orvane 2>/dev/null | grep -q '^NOM' ||
  echec "man orvane does not show the installed manual page"

export XDG_DATA_HOME="$TRAVAIL/donnees" XDG_CONFIG_HOME="$TRAVAIL/config" LANG=fr_FR.UTF-8 LC_ALL= LANGUAGE=
demarrer_x
demarrer_orvane "$prefixe/bin/orvane"
cx=$(( LARGEUR / 2 )); cy=$(( HAUTEUR / 2 ))
attendre 10 pixel_est 10 10 "0,0,0" || echec "no black canvas"
trait $(( cx + 60 )) "$cy" $(( cx + 100 )) "$cy"
attendre 10 test -f "$XDG_DATA_HOME/Orvane/~100.bmp" || echec "no ~100.bmp in the data directory"
[ -z "$(find "$prefixe" -name '~1*.bmp')" ] || echec "a snapshot was written inside the prefix"
[ "$(pixel_fichier "$XDG_DATA_HOME/Orvane/~100.bmp" $(( cx + 80 )) "$cy")" != "0,0,0" ] ||
  echec "~100.bmp does not hold the stroke"

# A right click on the palette's own surface opens the colour dialog, titled in French
# ("Sélectionner une couleur": the pattern skips the accent, which xdotool may not decode).
xdotool mousemove $(( LARGEUR - 3 )) $(( HAUTEUR - 3 )) click 3
attendre 10 xdotool search --onlyvisible --name 'lectionner une couleur' ||
  echec "no colour dialog titled in French"
xdotool key Escape
attendre 10 bash -c "! xdotool search --onlyvisible --name 'lectionner une couleur'" ||
  echec "the colour dialog stays open"

# The settings go to the user's configuration directory.
xdotool key Escape
attendre 10 xdotool search --onlyvisible --name '^Confirmation$' || echec "no \"Quitter ?\""
xdotool key Return
attendre 10 programme_termine || echec "Orvane did not end after \"&Oui\""
[ -f "$XDG_CONFIG_HOME/Orvane/orvane.prm" ] || echec "no orvane.prm in the configuration directory"
[ -z "$(find "$prefixe" "$XDG_DATA_HOME" -name orvane.prm)" ] ||
  echec "orvane.prm written outside the configuration directory"
echo "PASS"
