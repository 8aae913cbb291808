#!/usr/bin/env bash
# Escape, Escape (cancel), Escape, Enter: the keyboard comes back to the window after the
# question closes, and the confirmed quit writes orvane.prm with its twenty lines. A second
# start applies the file; a colour chosen in the dialog is the one written next.
source "$(dirname "$0")/lib.sh"
demarrer_x

question_visible() { xdotool search --onlyvisible --name '^Confirmation$'; }

# Quits through "Quitter ?", cancelling it once on the way.
quitter_apres_un_refus() {
  xdotool key Escape
  attendre 10 question_visible || echec "no \"Quitter ?\" question"
  xdotool key Escape
  attendre 10 bash -c "! xdotool search --onlyvisible --name '^Confirmation\$'" ||
    echec "Escape did not cancel the question"
  xdotool key Escape
  attendre 10 question_visible || echec "no question after the cancel: the keyboard was lost"
  xdotool key Return
  attendre 10 programme_termine || echec "Orvane did not end after \"&Oui\""
  wait "$ORVANE_PID" && statut=0 || statut=$?
  [ "$statut" -eq 0 ] || echec "exit status $statut"
}

# ligne N: line N of the settings file, without its CR.
ligne() { sed -n "${1}p" "$TRAVAIL/orvane.prm" | tr -d '\r'; }

demarrer_orvane
attendre 10 pixel_est 1360 650 "255,128,64" || echec "palette not shown: $(pixel 1360 650)"
quitter_apres_un_refus

[ -f "$TRAVAIL/orvane.prm" ] || echec "no orvane.prm after the quit"
lignes=$(wc -l <"$TRAVAIL/orvane.prm")
[ "$lignes" -eq 20 ] || echec "orvane.prm has $lignes lines"
[ "$(grep -c $'\r$' "$TRAVAIL/orvane.prm")" -eq 20 ] || echec "lines not ended by CR LF"
attendu=("10" "0" "0" "false" "4227327" "$TRAVAIL" "image.bmp")
for i in "${!attendu[@]}"; do
  [ "$(ligne $(( i + 1 )))" = "${attendu[$i]}" ] ||
    echec "line $(( i + 1 )) is '$(ligne $(( i + 1 )))', not '${attendu[$i]}'"
done
for i in $(seq 8 20); do [ -z "$(ligne "$i")" ] || echec "line $i not empty"; done

# A red palette stored in the file is shown at the next start, and written back.
sed -i '5s/.*/255\r/' "$TRAVAIL/orvane.prm"
"$TRAVAIL/orvane" >>"$TRAVAIL/orvane.log" 2>&1 &
ORVANE_PID=$!
attendre 20 pixel_est 1360 650 "255,0,0" ||
  echec "the stored palette colour is not applied: $(pixel 1360 650)"

# A colour chosen in the colour dialog stays once it closes (its closing is no new
# activation of the window) and is the one written at the quit.
xdotool mousemove 1360 650 click 3
attendre 10 xdotool search --onlyvisible --name '^Select Color$' || echec "no colour dialog"
xdotool mousemove 827 488 click --repeat 3 1 type '#0000ff'
xdotool key Return
attendre 10 bash -c "! xdotool search --onlyvisible --name '^Select Color\$'" ||
  echec "the colour dialog stays open"
attendre 10 pixel_est 1360 650 "0,0,255" || echec "the palette is not blue: $(pixel 1360 650)"
quitter_apres_un_refus
[ "$(ligne 5)" = "16711680" ] || echec "line 5 is '$(ligne 5)' after the second run"
echo "PASS"
