#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "film/format_film.h"
#include "film/reglages_film.h"
#include "journal/journal.h"
#include "journal/veille_redessin.h"

namespace orvane {

// Empty when a film of a canvas of `largeur` x `hauteur` can be made with `reglages` in
// `format`: a length, a frame rate, a scale and a frame size it takes. Otherwise one French
// sentence, naming the largest scale that fits when the scale is too large.
std::string refus_reglages_film(FormatFilm format, int largeur, int hauteur,
                                const ReglagesFilm& reglages);

// Empty when a film of a canvas of `largeur` x `hauteur` can be made with `reglages` into
// `sortie`: a known extension, the settings refus_reglages_film takes, a directory that
// exists and may be written, nothing but a regular file there. Otherwise one French
// sentence, so that nothing is drawn for a film that cannot be written.
std::string refus_film(const QString& sortie, int largeur, int hauteur,
                       const ReglagesFilm& reglages);

// The film's progress: the first drawing that measures the work, in entries, then the
// frames encoded. Either may return false to stop.
struct ProgresFilm {
  ProgresRedessin mesure;
  ProgresRedessin images;
};

enum class IssueFilm { Fait, Arrete, Vide };

// Films the journal's drawing into `sortie` (refus_film said yes): the frames drawn on this
// thread, encoded on another. Vide for a journal that draws nothing, Arrete when a progress
// said to stop; neither leaves a file. Throws ErreurFichier when the film cannot be written,
// std::bad_alloc when memory runs short; no file is left then either.
IssueFilm faire_film(const Journal& journal, const QString& sortie, const ReglagesFilm& reglages,
                     const ProgresFilm& progres);

// Whether the journal holds nothing after its last new canvas: it surely draws nothing.
bool sans_dessin(const Journal& journal);
// The sentence for a journal that draws nothing.
std::string journal_sans_dessin(const std::string& journal);

}  // namespace orvane
