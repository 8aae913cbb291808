#pragma once

class QWidget;

namespace orvane {

// The palette is laid out for screens at least this wide; on a narrower one it is scaled
// as one piece so that every control stays on the screen.
inline constexpr int kLargeurPalette = 1366;

// The palette's scale on a screen of that logical width: min(1, width / 1366).
double facteur_palette(int largeur_ecran);

// A length of the palette's layout at scale f.
int a_l_echelle(int longueur, double f);

// The place, size and font of `controle` and of each of its direct children multiplied by
// f; deeper children follow through their parents' own layout. The check and radio marks
// of all its buttons are scaled as well.
void mettre_a_l_echelle(QWidget* controle, double f);

}  // namespace orvane
