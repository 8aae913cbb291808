// PNG through libpng, which Qt's own PNG support already loads: Qt's writer takes a whole
// QImage, which would be a second copy of a large picture, and says nothing of its rows.
#include <png.h>

#include <csetjmp>
#include <cstdlib>

#include "persistence/codage_lignes.h"

namespace orvane {

namespace {

struct EtatPng {
  EcritureAtomique* fichier;
  bool memoire_manquante = false;
  bool ecriture_echouee = false;
  bool arretee = false;
};

EtatPng& etat(png_structp png) { return *static_cast<EtatPng*>(png_get_error_ptr(png)); }

void erreur_png(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void avertissement_png(png_structp, png_const_charp) {}

png_voidp allouer_png(png_structp png, png_alloc_size_t taille) {
  void* p = std::malloc(taille);
  if (p == nullptr) static_cast<EtatPng*>(png_get_mem_ptr(png))->memoire_manquante = true;
  return p;
}
void liberer_png(png_structp, png_voidp p) { std::free(p); }

void ecrire_png(png_structp png, png_bytep octets, png_size_t longueur) {
  EtatPng& e = etat(png);
  if (!e.fichier->ecrire(reinterpret_cast<const char*>(octets), longueur)) {
    e.ecriture_echouee = true;
    png_error(png, "ecriture");
  }
}
void vider_png(png_structp) {}

// No object with a destructor lives here: libpng leaves by longjmp on any failure.
bool lignes_png(png_structp png, png_infop info, const Bitmap& image, CompteLignes& compte) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
               static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  // The bitmap's pixels are the bytes R, G, B and a fourth left out.
  png_set_filler(png, 0, PNG_FILLER_AFTER);
  for (int y = 0; y < image.height(); ++y) {
    png_write_row(png, reinterpret_cast<png_const_bytep>(image.row(y)));
    if (!compte.ligne_faite()) {
      etat(png).arretee = true;
      return false;
    }
  }
  png_write_end(png, info);
  return true;
}

}  // namespace

IssueCodage coder_png(const Bitmap& image, EcritureAtomique& fichier,
                      const ProgresEcriture& progres) {
  EtatPng e{&fichier};
  png_structp png = png_create_write_struct_2(PNG_LIBPNG_VER_STRING, &e, erreur_png,
                                              avertissement_png, &e, allouer_png, liberer_png);
  if (png == nullptr) return IssueCodage::MemoireManquante;
  png_infop info = png_create_info_struct(png);
  CompteLignes compte(progres, image.height());
  bool finie = false;
  if (info != nullptr) {
    png_set_write_fn(png, &e, ecrire_png, vider_png);
    finie = lignes_png(png, info, image, compte);
  } else {
    e.memoire_manquante = true;
  }
  png_destroy_write_struct(&png, &info);
  compte.relancer();
  if (finie) return IssueCodage::Finie;
  if (e.arretee) return IssueCodage::Arretee;
  if (e.ecriture_echouee) return IssueCodage::EcritureEchouee;
  return e.memoire_manquante ? IssueCodage::MemoireManquante : IssueCodage::Echouee;
}

}  // namespace orvane
