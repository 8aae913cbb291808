#!/usr/bin/env bash
# Installed into a prefix, journals are known to the desktop: xdg-mime names their type by
# their name and by their first bytes, the desktop entry lists it, and the thumbnailer run
# as a file manager runs it (its Exec line, %i %o %s replaced) writes a PNG of the journal's
# picture reduced to fit the size, without a display; a damaged journal gives status 1.
source "$(dirname "$0")/lib.sh"

prefixe="$TRAVAIL/prefixe"
cmake --install "$ORVANE_BUILD" --prefix "$prefixe" >"$TRAVAIL/install.log" 2>&1 ||
  echec "cmake --install failed: $(cat "$TRAVAIL/install.log")"
type_journal=application/x-orvane
for f in share/mime/packages/orvane.xml share/thumbnailers/orvane.thumbnailer \
         share/icons/hicolor/scalable/mimetypes/application-x-orvane.svg; do
  [ -f "$prefixe/$f" ] || echec "$f not installed"
done
grep -q "^MimeType=.*$type_journal;" "$prefixe/share/applications/orvane.desktop" ||
  echec "the desktop entry does not list $type_journal"

exemple="$ORVANE_BUILD/tests/graines/journal/exemple.orvane"  # a 64 x 48 canvas
[ -f "$exemple" ] || echec "no example journal at $exemple"
cp "$exemple" "$TRAVAIL/dessin du soir.orvane"
cp "$exemple" "$TRAVAIL/sans extension"

# The type, as a file manager finds it: the prefix's MIME database before the system's.
sur_le_bureau=(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$TRAVAIL/vide"
               XDG_DATA_DIRS="$prefixe/share:/usr/share")
"${sur_le_bureau[@]}" update-mime-database "$prefixe/share/mime" || echec "update-mime-database failed"
for journal in "$TRAVAIL/dessin du soir.orvane" "$TRAVAIL/sans extension"; do
  type=$("${sur_le_bureau[@]}" xdg-mime query filetype "$journal") || echec "xdg-mime failed"
  [ "$type" = "$type_journal" ] || echec "xdg-mime names '$type' for $(basename "$journal")"
done

# The thumbnailer's command line, its %i %o %s replaced as a file manager does, each
# argument whole even with spaces; the program found on PATH, no display.
exec_ligne=$(sed -n 's/^Exec=//p' "$prefixe/share/thumbnailers/orvane.thumbnailer")
[ -n "$exec_ligne" ] || echec "the thumbnailer has no Exec line"
vignette() {  # vignette INPUT OUTPUT SIZE: runs the Exec line; status in $statut
  local mot commande=()
  read -r -a mots <<<"$exec_ligne"
  for mot in "${mots[@]}"; do
    case "$mot" in
      %i) commande+=("$1") ;;
      %o) commande+=("$2") ;;
      %s) commande+=("$3") ;;
      *) commande+=("$mot") ;;
    esac
  done
  statut=0
  erreurs=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$prefixe/bin:$PATH" \
    "${commande[@]}" 2>&1 >/dev/null) || statut=$?
}

# The picture the journal holds, at scale 1, reduced by ImageMagick to compare.
env -u DISPLAY "$ORVANE_BIN" --render "$exemple" --scale 1 --output "$TRAVAIL/entiere.png" \
  2>/dev/null || echec "--render of the example failed"
[ "$(identify -format '%wx%h' "$TRAVAIL/entiere.png")" = 64x48 ] || echec "the example is not 64 x 48"
for taille in 32 16; do
  sortie="$TRAVAIL/vignette $taille.png"
  vignette "$TRAVAIL/dessin du soir.orvane" "$sortie" "$taille"
  [ "$statut" -eq 0 ] || echec "the thumbnailer ended with $statut: $erreurs"
  [ -z "$erreurs" ] || echec "the thumbnailer said: $erreurs"
  [ "$(identify -format '%m %wx%h' "$sortie")" = "PNG ${taille}x$(( taille * 3 / 4 ))" ] ||
    echec "the thumbnail at $taille is $(identify -format '%m %wx%h' "$sortie")"
  convert "$TRAVAIL/entiere.png" -filter box -resize "${taille}x${taille}" "$TRAVAIL/reference.png"
  # Root mean square difference, 0 to 1: the two reductions' filters differ a little.
  ecart=$(compare -metric RMSE "$sortie" "$TRAVAIL/reference.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/') || true
  awk -v e="$ecart" 'BEGIN { exit !(e != "" && e < 0.04) }' ||
    echec "the thumbnail at $taille differs from the picture reduced: RMSE $ecart"
done
# A picture that fits already is kept as it is.
vignette "$TRAVAIL/sans extension" "$TRAVAIL/grande.png" 256
[ "$statut" -eq 0 ] && compare -metric AE "$TRAVAIL/grande.png" "$TRAVAIL/entiere.png" null: 2>/dev/null ||
  echec "at 256 the thumbnail is not the picture itself: $erreurs"

head -c 40 "$exemple" >"$TRAVAIL/coupe.orvane"
vignette "$TRAVAIL/coupe.orvane" "$TRAVAIL/coupe.png" 128
[ "$statut" -eq 1 ] || echec "a damaged journal ended with status $statut"
grep -q "^orvane : Impossible de lire le journal « .*coupe.orvane » : " <<<"$erreurs" ||
  echec "no sentence for a damaged journal: $erreurs"
[ "$(wc -l <<<"$erreurs")" -eq 1 ] || echec "more than one line for a damaged journal: $erreurs"
[ ! -e "$TRAVAIL/coupe.png" ] || echec "a thumbnail was written for a damaged journal"
echo "PASS"
