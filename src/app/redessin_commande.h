#pragma once

#include <QString>
#include <functional>
#include <ostream>

#include "app/ligne_de_commande.h"
#include "journal/rendu_echelle.h"

namespace orvane {

// How a journal file becomes a drawing; throws ErreurFichier for a file it refuses.
using LectureDessin = std::function<Dessin(const QString& chemin)>;

// orvane --render: re-draws the journal into the picture file without a window, its
// progress on `erreurs` (rewritten in place when `terminal`). Returns the exit status: 0, or
// 1 after one sentence on `erreurs`, no picture file then written.
int redessiner_en_commande(const DemandeRendu& demande, const LectureDessin& lire,
                           std::ostream& erreurs, bool terminal);

}  // namespace orvane
