#include "film/encodeur_film.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cerrno>
#include <cstring>
#include <new>
#include <optional>
#include <utility>

#include "film/palette_gif.h"
#include "film/sortie_avio.h"
#include "persistence/ecriture_atomique.h"
#include "persistence/erreur_fichier.h"

namespace orvane {

namespace {

struct Codage {
  const char* conteneur;
  const char* codec;
  AVPixelFormat pixels;
};

Codage codage(FormatFilm format) {
  switch (format) {
    case FormatFilm::Mp4: return {"mp4", "libx264", AV_PIX_FMT_YUV420P};
    case FormatFilm::Webm: return {"webm", "libvpx-vp9", AV_PIX_FMT_YUV420P};
    case FormatFilm::Gif: break;
  }
  return {"gif", "gif", AV_PIX_FMT_PAL8};
}

}  // namespace

TrameFilm::TrameFilm() = default;
TrameFilm::TrameFilm(AVFrame* trame) : trame_(trame) {}
TrameFilm::TrameFilm(TrameFilm&& autre) noexcept : trame_(autre.trame_) { autre.trame_ = nullptr; }
TrameFilm& TrameFilm::operator=(TrameFilm&& autre) noexcept {
  std::swap(trame_, autre.trame_);
  return *this;
}
TrameFilm::~TrameFilm() { av_frame_free(&trame_); }

struct EncodeurFilm::Etat {
  Etat(const QString& chemin, FormatFilm format)
      : chemin(chemin), format(format), fichier(chemin), sortie(fichier) {}
  ~Etat() {
    sws_freeContext(conversion);
    av_packet_free(&paquet);
    avcodec_free_context(&codec);
    if (conteneur != nullptr) conteneur->pb = nullptr;  // SortieAvio frees its own
    avformat_free_context(conteneur);
  }

  [[noreturn]] void echouer(const QString& cause) const {
    throw ErreurFichier(
        QStringLiteral("Impossible d'écrire le film « %1 » : %2.").arg(chemin, cause).toStdString());
  }
  // The file's cause when the bytes could not be written, std::bad_alloc when memory ran
  // short, else the codec's failure. x264 and libvpx out of memory say only that they
  // failed: the errno their allocation left tells it, each step clearing it first.
  [[noreturn]] void echouer_codage(int code) const {
    if (!fichier.cause().isEmpty()) echouer(fichier.cause());
    if (code == AVERROR(ENOMEM) || errno == ENOMEM) throw std::bad_alloc();
    char texte[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, texte, sizeof texte);
    echouer(QStringLiteral("le codage %1 a échoué (%2)")
                .arg(nom_format(format), QString::fromUtf8(texte)));
  }
  void verifier(int code) const {
    if (code < 0) echouer_codage(code);
  }

  // Sends `trame` (null: the end) and writes the packets the codec gives back.
  void envoyer(const AVFrame* trame) {
    verifier(avcodec_send_frame(codec, trame));
    for (;;) {
      const int code = avcodec_receive_packet(codec, paquet);
      if (code == AVERROR(EAGAIN) || code == AVERROR_EOF) return;
      verifier(code);
      av_packet_rescale_ts(paquet, codec->time_base, flux->time_base);
      paquet->stream_index = flux->index;
      verifier(av_interleaved_write_frame(conteneur, paquet));
    }
  }

  QString chemin;
  FormatFilm format;
  EcritureAtomique fichier;
  SortieAvio sortie;
  AVFormatContext* conteneur = nullptr;
  AVCodecContext* codec = nullptr;
  AVStream* flux = nullptr;
  AVPacket* paquet = nullptr;
  int largeur = 0, hauteur = 0;
  Colour fond = 0;
  SwsContext* conversion = nullptr;
  std::optional<PaletteGif> palette;
  std::int64_t suivante = 0;  // the next frame's number
};

EncodeurFilm::EncodeurFilm(const QString& chemin, FormatFilm format, int largeur, int hauteur,
                           int images_par_seconde, Colour fond, const Bitmap& image_finie,
                           int fils)
    : etat_(std::make_unique<Etat>(chemin, format)) {
  // Failures are told in the program's own sentences, not in the libraries' log.
  av_log_set_level(AV_LOG_QUIET);
  errno = 0;
  Etat& e = *etat_;
  if (!e.fichier.cause().isEmpty()) e.echouer(e.fichier.cause());
  if (e.sortie.contexte() == nullptr) e.echouer_codage(AVERROR(ENOMEM));
  const Codage c = codage(format);
  e.verifier(avformat_alloc_output_context2(&e.conteneur, nullptr, c.conteneur, nullptr));
  e.sortie.brancher(e.conteneur);
  e.conteneur->url = av_strdup("film");
  const AVCodec* codec = avcodec_find_encoder_by_name(c.codec);
  if (codec == nullptr)
    e.echouer(QStringLiteral("le codec %1 manque aux bibliothèques de FFmpeg")
                  .arg(QString::fromLatin1(c.codec)));
  e.codec = avcodec_alloc_context3(codec);
  e.flux = avformat_new_stream(e.conteneur, nullptr);
  e.paquet = av_packet_alloc();
  if (e.codec == nullptr || e.flux == nullptr || e.paquet == nullptr)
    e.echouer_codage(AVERROR(ENOMEM));

  AVCodecContext& k = *e.codec;
  k.width = largeur;
  k.height = hauteur;
  k.pix_fmt = c.pixels;
  k.time_base = {1, images_par_seconde};
  k.framerate = {images_par_seconde, 1};
  k.sample_aspect_ratio = {1, 1};
  k.thread_count = fils;
  if (c.pixels == AV_PIX_FMT_YUV420P) {
    // RGB to BT.709 studio range, said in the stream so that players convert back alike.
    k.colorspace = AVCOL_SPC_BT709;
    k.color_primaries = AVCOL_PRI_BT709;
    k.color_trc = AVCOL_TRC_IEC61966_2_1;
    k.color_range = AVCOL_RANGE_MPEG;
  }
  if (format == FormatFilm::Mp4) {
    av_opt_set(k.priv_data, "preset", "veryfast", 0);
    av_opt_set(k.priv_data, "crf", "18", 0);
  } else if (format == FormatFilm::Webm) {
    k.bit_rate = 0;
    av_opt_set(k.priv_data, "crf", "24", 0);
    av_opt_set(k.priv_data, "deadline", "realtime", 0);
    av_opt_set(k.priv_data, "cpu-used", "8", 0);
    av_opt_set(k.priv_data, "row-mt", "1", 0);
  }
  if ((e.conteneur->oformat->flags & AVFMT_GLOBALHEADER) != 0)
    k.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  e.verifier(avcodec_open2(e.codec, codec, nullptr));
  e.verifier(avcodec_parameters_from_context(e.flux->codecpar, e.codec));
  e.flux->time_base = k.time_base;
  e.flux->avg_frame_rate = k.framerate;

  e.largeur = largeur;
  e.hauteur = hauteur;
  e.fond = fond;
  if (format == FormatFilm::Gif) {
    e.palette.emplace(image_finie);
  } else {
    e.conversion = sws_getContext(largeur, hauteur, AV_PIX_FMT_RGB0, largeur, hauteur,
                                  c.pixels, SWS_BILINEAR | SWS_FULL_CHR_H_INP, nullptr, nullptr, nullptr);
    if (e.conversion == nullptr) e.echouer_codage(AVERROR(ENOMEM));
    const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(e.conversion, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
  }

  AVDictionary* options = nullptr;
  if (format == FormatFilm::Mp4) av_dict_set(&options, "movflags", "+faststart", 0);
  const int code = avformat_write_header(e.conteneur, &options);
  av_dict_free(&options);
  e.verifier(code);
}

EncodeurFilm::~EncodeurFilm() = default;

TrameFilm EncodeurFilm::convertir(const Bitmap& image) {
  Etat& e = *etat_;
  errno = 0;
  TrameFilm film(av_frame_alloc());
  AVFrame* trame = film.trame();
  if (trame == nullptr) e.echouer_codage(AVERROR(ENOMEM));
  trame->format = e.codec->pix_fmt;
  trame->width = e.largeur;
  trame->height = e.hauteur;
  e.verifier(av_frame_get_buffer(trame, 0));
  // The sides the codec refuses odd are padded with the canvas's colour.
  Bitmap cadre;
  const Bitmap* source = &image;
  if (image.width() != e.largeur || image.height() != e.hauteur) {
    cadre = Bitmap(e.largeur, e.hauteur, e.fond);
    for (int y = 0; y < image.height(); ++y)
      std::memcpy(cadre.row(y), image.row(y), sizeof(Colour) * image.width());
    source = &cadre;
  }
  if (e.palette) {
    e.palette->indexer(*source, trame->data[0], trame->linesize[0]);
    std::memcpy(trame->data[1], e.palette->argb().data(), 256 * sizeof(std::uint32_t));
  } else {
    const auto* pixels = reinterpret_cast<const std::uint8_t*>(source->data());
    const int pas = source->width() * 4;
    sws_scale(e.conversion, &pixels, &pas, 0, source->height(), trame->data, trame->linesize);
  }
  return film;
}

bool EncodeurFilm::ajouter(const TrameFilm& trame, std::int64_t fois,
                           const std::function<bool()>& continuer) {
  Etat& e = *etat_;
  for (std::int64_t i = 0; i < fois; ++i) {
    errno = 0;
    trame.trame()->pts = e.suivante++;
    e.envoyer(trame.trame());
    if (continuer && !continuer()) return false;
  }
  return true;
}

void EncodeurFilm::finir() {
  Etat& e = *etat_;
  errno = 0;
  e.envoyer(nullptr);
  e.verifier(av_write_trailer(e.conteneur));
  avio_flush(e.conteneur->pb);
  if (e.conteneur->pb->error < 0) e.echouer_codage(e.conteneur->pb->error);
  const QString cause = e.fichier.valider();
  if (!cause.isEmpty()) e.echouer(cause);
}

}  // namespace orvane
