#include "film/sortie_avio.h"

#include <cerrno>
#include <cstdio>
#include <new>

namespace orvane {

namespace {

constexpr int kTailleTampon = 1 << 16;

// Where a reader or the writer of the file stands.
struct Curseur {
  EcritureAtomique* fichier;
  std::int64_t* position;
};

std::int64_t deplacer(Curseur& c, std::int64_t decalage, int depart) {
  if (depart & AVSEEK_SIZE) return c.fichier->longueur();
  std::int64_t cible = decalage;
  if (depart == SEEK_CUR) cible += *c.position;
  if (depart == SEEK_END) {
    const std::int64_t longueur = c.fichier->longueur();
    if (longueur < 0) return AVERROR(EIO);
    cible += longueur;
  }
  if (cible < 0) return AVERROR(EINVAL);
  *c.position = cible;
  return cible;
}

// The writer: the file's own position follows it.
struct Ecrivain {
  Curseur curseur;
};

int ecrire(void* opaque, std::uint8_t* octets, int longueur) {
  auto& e = *static_cast<Ecrivain*>(opaque);
  if (!e.curseur.fichier->ecrire(reinterpret_cast<const char*>(octets),
                                 static_cast<std::size_t>(longueur)))
    return AVERROR(EIO);
  *e.curseur.position += longueur;
  return longueur;
}

std::int64_t deplacer_ecrivain(void* opaque, std::int64_t decalage, int depart) {
  auto& e = *static_cast<Ecrivain*>(opaque);
  const std::int64_t cible = deplacer(e.curseur, decalage, depart);
  if (cible < 0 || (depart & AVSEEK_SIZE)) return cible;
  return e.curseur.fichier->aller_a(cible) ? cible : AVERROR(EIO);
}

// A reader of what was written, at a position of its own.
struct Lecteur {
  std::int64_t position = 0;
  Curseur curseur{nullptr, &position};
};

int lire(void* opaque, std::uint8_t* octets, int longueur) {
  auto& l = *static_cast<Lecteur*>(opaque);
  const std::int64_t lus = l.curseur.fichier->relire(
      l.position, reinterpret_cast<char*>(octets), static_cast<std::size_t>(longueur));
  if (lus < 0) return AVERROR(EIO);
  if (lus == 0) return AVERROR_EOF;
  l.position += lus;
  return static_cast<int>(lus);
}

std::int64_t deplacer_lecteur(void* opaque, std::int64_t decalage, int depart) {
  return deplacer(static_cast<Lecteur*>(opaque)->curseur, decalage, depart);
}

void liberer(AVIOContext*& contexte) {
  if (contexte == nullptr) return;
  av_freep(&contexte->buffer);
  avio_context_free(&contexte);
}

int ouvrir_lecture(AVFormatContext* format, AVIOContext** pb, const char*, int drapeaux,
                   AVDictionary**) {
  if ((drapeaux & AVIO_FLAG_WRITE) != 0) return AVERROR(EPERM);
  auto* lecteur = new (std::nothrow) Lecteur;
  auto* tampon = static_cast<std::uint8_t*>(av_malloc(kTailleTampon));
  if (lecteur == nullptr || tampon == nullptr) {
    delete lecteur;
    av_free(tampon);
    return AVERROR(ENOMEM);
  }
  lecteur->curseur.fichier = static_cast<EcritureAtomique*>(format->opaque);
  *pb = avio_alloc_context(tampon, kTailleTampon, 0, lecteur, lire, nullptr, deplacer_lecteur);
  if (*pb == nullptr) {
    delete lecteur;
    av_free(tampon);
    return AVERROR(ENOMEM);
  }
  return 0;
}

int fermer_lecture(AVFormatContext*, AVIOContext* pb) {
  delete static_cast<Lecteur*>(pb->opaque);
  liberer(pb);
  return 0;
}

}  // namespace

SortieAvio::SortieAvio(EcritureAtomique& fichier) : fichier_(fichier) {
  auto* ecrivain = new (std::nothrow) Ecrivain{{&fichier_, &position_}};
  auto* tampon = static_cast<std::uint8_t*>(av_malloc(kTailleTampon));
  if (ecrivain != nullptr && tampon != nullptr)
    contexte_ = avio_alloc_context(tampon, kTailleTampon, 1, ecrivain, nullptr, ecrire,
                                   deplacer_ecrivain);
  if (contexte_ == nullptr) {
    delete ecrivain;
    av_free(tampon);
  }
}

SortieAvio::~SortieAvio() {
  if (contexte_ == nullptr) return;
  delete static_cast<Ecrivain*>(contexte_->opaque);
  liberer(contexte_);
}

void SortieAvio::brancher(AVFormatContext* format) {
  format->pb = contexte_;
  format->flags |= AVFMT_FLAG_CUSTOM_IO;
  format->opaque = &fichier_;
  format->io_open = ouvrir_lecture;
  format->io_close2 = fermer_lecture;
}

}  // namespace orvane
