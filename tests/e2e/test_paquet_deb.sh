#!/usr/bin/env bash
# `cpack -G DEB` from the build tree makes a Debian package holding the stripped program,
# the desktop entry that opens pictures and journals, the icons, the metainfo, the journals'
# type and thumbnailer and the gzipped manual page under /usr, with Depends computed from
# the binary (Qt, the C library, FFmpeg's libraries for films); the desktop entry, the metainfo and the type validate, and lintian finds no
# error.
source "$(dirname "$0")/lib.sh"

paquets="$TRAVAIL/paquets"
cpack -G DEB -B "$paquets" --config "$ORVANE_BUILD/CPackConfig.cmake" >"$TRAVAIL/cpack.log" 2>&1 ||
  echec "cpack failed: $(cat "$TRAVAIL/cpack.log")"
paquet=$(find "$paquets" -maxdepth 1 -name 'orvane_*.deb' | head -n 1)
[ -n "$paquet" ] || echec "no orvane_*.deb in $paquets"

contenu=$(dpkg-deb -c "$paquet" | awk '{ print $NF }')
for f in usr/bin/orvane usr/share/applications/orvane.desktop \
         usr/share/icons/hicolor/scalable/apps/orvane.svg \
         usr/share/metainfo/org.orvane.Orvane.metainfo.xml usr/share/man/man1/orvane.1.gz \
         usr/share/doc/orvane/copyright usr/share/mime/packages/orvane.xml \
         usr/share/thumbnailers/orvane.thumbnailer \
         usr/share/icons/hicolor/scalable/mimetypes/application-x-orvane.svg; do
  grep -qxF "./$f" <<<"$contenu" || echec "the package lacks $f"
done

controle=$(dpkg-deb -I "$paquet")
grep -q '^ Depends: .*libqt6widgets6' <<<"$controle" || echec "no Depends on Qt Widgets: $controle"
grep -q '^ Depends: .*libc6' <<<"$controle" || echec "no Depends on the C library: $controle"
for bibliotheque in libavcodec libavformat libswscale; do
  grep -q "^ Depends: .*$bibliotheque[0-9]" <<<"$controle" ||
    echec "no Depends on FFmpeg's $bibliotheque, which films need: $controle"
done

racine="$TRAVAIL/racine"
dpkg-deb -x "$paquet" "$racine"
file -L "$racine/usr/bin/orvane" | grep -q ', stripped' || echec "the program is not stripped"
entree="$racine/usr/share/applications/orvane.desktop"
grep -qx 'Exec=orvane %f' "$entree" || echec "the desktop entry does not pass the file"
grep -q '^MimeType=application/x-orvane;.*image/png;' "$entree" ||
  echec "the desktop entry does not list journals and pictures"
grep -qx 'Exec=orvane --thumbnail %i %o %s' "$racine/usr/share/thumbnailers/orvane.thumbnailer" ||
  echec "the thumbnailer does not run orvane --thumbnail"
# The package's type database is built by the shared-mime-info trigger: the type must read.
XDG_DATA_DIRS="$racine/usr/share" update-mime-database "$racine/usr/share/mime" ||
  echec "the journals' type does not read"
desktop-file-validate "$entree" || echec "desktop entry invalid"
appstreamcli validate --no-net "$racine/usr/share/metainfo/org.orvane.Orvane.metainfo.xml" \
  >"$TRAVAIL/appstream.log" 2>&1 || echec "metainfo invalid: $(cat "$TRAVAIL/appstream.log")"
zcat "$racine/usr/share/man/man1/orvane.1.gz" | grep -q '^\.TH ORVANE 1' ||
  echec "the manual page is not a gzipped man page"

# As root lintian says it would rather not be: that line is not a finding.
lintian --fail-on error "$paquet" >"$TRAVAIL/lintian.log" 2>&1 ||
  echec "lintian: $(cat "$TRAVAIL/lintian.log")"
! grep -q '^E: ' "$TRAVAIL/lintian.log" || echec "lintian: $(cat "$TRAVAIL/lintian.log")"
echo "PASS"
