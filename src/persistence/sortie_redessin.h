#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "persistence/codage_lignes.h"
#include "platform/bitmap.h"

namespace orvane {

// The formats a re-drawn picture is written in, chosen by the name's extension.
inline constexpr char kExtensionsRedessin[] = ".png, .bmp, .jpg ou .jpeg";
QString filtre_images_redessin();

// Empty when a re-drawn picture of `largeur` x `hauteur` can go to `chemin`: a known
// extension, an existing directory that may be written, nothing but a regular file there,
// a size the format holds. Otherwise one French sentence naming the file and the cause, so
// that nothing is drawn for a file that cannot be written.
QString refus_sortie_redessin(const QString& chemin, std::int64_t largeur, std::int64_t hauteur);

// Writes the re-drawn picture in the format its extension names, row by row with no copy of
// it, the file replaced atomically; throws ErreurFichier on failure, std::bad_alloc when
// memory runs short. Returns false, nothing written, when `progres` said to stop.
bool ecrire_redessin(const QString& chemin, const Bitmap& image, const ProgresEcriture& progres);

// The sentence for a re-drawing of `largeur` x `hauteur` pixels that memory could not hold,
// wherever it ran short: drawing, smoothing or writing.
QString memoire_manquante_redessin(std::int64_t largeur, std::int64_t hauteur);

}  // namespace orvane
