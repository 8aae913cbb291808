// JPEG through libjpeg, which Qt's own JPEG support already loads, for the reasons PNG goes
// through libpng: no second copy of the picture, and the rows told as they are written.
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

#include "persistence/codage_lignes.h"

namespace orvane {

namespace {

constexpr int kQualite = 75;  // Qt's default
constexpr std::size_t kTailleTampon = 1 << 16;

struct EtatJpeg {
  jpeg_error_mgr erreurs;
  jpeg_destination_mgr destination;
  std::jmp_buf retour;
  EcritureAtomique* fichier;
  JOCTET tampon[kTailleTampon];
  bool ecriture_echouee = false;
  bool arretee = false;
};

EtatJpeg& etat(j_common_ptr info) { return *static_cast<EtatJpeg*>(info->client_data); }

void erreur_jpeg(j_common_ptr info) { std::longjmp(etat(info).retour, 1); }
void message_jpeg(j_common_ptr) {}

void debut_destination(j_compress_ptr info) {
  EtatJpeg& e = etat(reinterpret_cast<j_common_ptr>(info));
  e.destination.next_output_byte = e.tampon;
  e.destination.free_in_buffer = kTailleTampon;
}

boolean tampon_plein(j_compress_ptr info) {
  EtatJpeg& e = etat(reinterpret_cast<j_common_ptr>(info));
  if (!e.fichier->ecrire(reinterpret_cast<const char*>(e.tampon), kTailleTampon)) {
    e.ecriture_echouee = true;
    std::longjmp(e.retour, 1);
  }
  debut_destination(info);
  return TRUE;
}

void fin_destination(j_compress_ptr info) {
  EtatJpeg& e = etat(reinterpret_cast<j_common_ptr>(info));
  if (!e.fichier->ecrire(reinterpret_cast<const char*>(e.tampon),
                         kTailleTampon - e.destination.free_in_buffer)) {
    e.ecriture_echouee = true;
    std::longjmp(e.retour, 1);
  }
}

// No object with a destructor lives here: libjpeg leaves by longjmp on any failure.
bool lignes_jpeg(jpeg_compress_struct& info, EtatJpeg& e, const Bitmap& image,
                 CompteLignes& compte) {
  if (setjmp(e.retour)) return false;
  jpeg_create_compress(&info);
  info.dest = &e.destination;
  info.image_width = static_cast<JDIMENSION>(image.width());
  info.image_height = static_cast<JDIMENSION>(image.height());
  // The bitmap's pixels are the bytes R, G, B and a fourth left out.
  info.input_components = 4;
  info.in_color_space = JCS_EXT_RGBX;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kQualite, TRUE);
  info.density_unit = 1;  // 100 dots an inch, as Qt writes
  info.X_density = info.Y_density = 100;
  jpeg_start_compress(&info, TRUE);
  for (int y = 0; y < image.height(); ++y) {
    JSAMPROW ligne = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(image.row(y)));
    jpeg_write_scanlines(&info, &ligne, 1);
    if (!compte.ligne_faite()) {
      e.arretee = true;
      return false;
    }
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

IssueCodage coder_jpeg(const Bitmap& image, EcritureAtomique& fichier,
                       const ProgresEcriture& progres) {
  auto e = std::unique_ptr<EtatJpeg>(new (std::nothrow) EtatJpeg);
  if (!e) return IssueCodage::MemoireManquante;
  e->fichier = &fichier;
  jpeg_compress_struct info{};
  info.err = jpeg_std_error(&e->erreurs);
  e->erreurs.error_exit = erreur_jpeg;
  e->erreurs.output_message = message_jpeg;
  info.client_data = e.get();
  e->destination.init_destination = debut_destination;
  e->destination.empty_output_buffer = tampon_plein;
  e->destination.term_destination = fin_destination;
  CompteLignes compte(progres, image.height());
  const bool finie = lignes_jpeg(info, *e, image, compte);
  const bool memoire = e->erreurs.msg_code == JERR_OUT_OF_MEMORY;
  jpeg_destroy_compress(&info);
  compte.relancer();
  if (finie) return IssueCodage::Finie;
  if (e->arretee) return IssueCodage::Arretee;
  if (e->ecriture_echouee) return IssueCodage::EcritureEchouee;
  return memoire ? IssueCodage::MemoireManquante : IssueCodage::Echouee;
}

}  // namespace orvane
