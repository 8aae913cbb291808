#include "film/decodage_film.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace orvane::test {

namespace {

int canal(Colour c, int decalage) { return static_cast<int>((c >> decalage) & 0xFF); }

Bitmap en_rgb(const AVFrame& trame) {
  Bitmap image(trame.width, trame.height);
  SwsContext* conversion =
      sws_getContext(trame.width, trame.height, static_cast<AVPixelFormat>(trame.format),
                     trame.width, trame.height, AV_PIX_FMT_RGB0,
                     SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr,
                     nullptr);
  const int espace = trame.colorspace == AVCOL_SPC_BT709 ? SWS_CS_ITU709 : SWS_CS_DEFAULT;
  const int* coefficients = sws_getCoefficients(espace);
  sws_setColorspaceDetails(conversion, coefficients, trame.color_range == AVCOL_RANGE_JPEG,
                           coefficients, 1, 0, 1 << 16, 1 << 16);
  auto* sortie = reinterpret_cast<std::uint8_t*>(image.data());
  const int pas = trame.width * 4;
  sws_scale(conversion, trame.data, trame.linesize, 0, trame.height, &sortie, &pas);
  sws_freeContext(conversion);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.row(y)[x] &= 0xFFFFFFu;
  return image;
}

ImageYuv plans(const AVFrame& trame) {
  ImageYuv image{trame.width, trame.height, {}, {}, {}};
  const auto copier = [&](int plan, int largeur, int hauteur, std::vector<std::uint8_t>& vers) {
    for (int y = 0; y < hauteur; ++y)
      vers.insert(vers.end(), trame.data[plan] + y * trame.linesize[plan],
                  trame.data[plan] + y * trame.linesize[plan] + largeur);
  };
  copier(0, trame.width, trame.height, image.y);
  copier(1, (trame.width + 1) / 2, (trame.height + 1) / 2, image.u);
  copier(2, (trame.width + 1) / 2, (trame.height + 1) / 2, image.v);
  return image;
}

}  // namespace

FilmLu lire_film(const std::string& chemin) {
  FilmLu film;
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, chemin.c_str(), nullptr, nullptr) < 0) return film;
  avformat_find_stream_info(format, nullptr);
  const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (index < 0) {
    avformat_close_input(&format);
    return film;
  }
  const AVCodecParameters* parametres = format->streams[index]->codecpar;
  const AVCodec* codec = avcodec_find_decoder(parametres->codec_id);
  AVCodecContext* decodeur = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(decodeur, parametres);
  avcodec_open2(decodeur, codec, nullptr);
  film.codec = avcodec_get_name(parametres->codec_id);
  const char* nom = av_get_pix_fmt_name(static_cast<AVPixelFormat>(parametres->format));
  film.pixels = nom ? nom : "";
  film.largeur = parametres->width;
  film.hauteur = parametres->height;
  film.images_par_seconde = av_q2d(format->streams[index]->avg_frame_rate);
  AVPacket* paquet = av_packet_alloc();
  AVFrame* trame = av_frame_alloc();
  const auto recevoir = [&] {
    while (avcodec_receive_frame(decodeur, trame) == 0) {
      film.images.push_back(en_rgb(*trame));
      if (trame->format == AV_PIX_FMT_YUV420P) film.images_yuv.push_back(plans(*trame));
    }
  };
  while (av_read_frame(format, paquet) >= 0) {
    if (paquet->stream_index == index && avcodec_send_packet(decodeur, paquet) >= 0) recevoir();
    av_packet_unref(paquet);
  }
  avcodec_send_packet(decodeur, nullptr);
  recevoir();
  av_frame_free(&trame);
  av_packet_free(&paquet);
  avcodec_free_context(&decodeur);
  avformat_close_input(&format);
  return film;
}

double psnr(const Bitmap& a, const Bitmap& b) {
  double somme = 0;
  std::int64_t n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      for (int d : {0, 8, 16}) {
        const double e = canal(a.pixel(x, y), d) - canal(b.pixel(x, y), d);
        somme += e * e;
        ++n;
      }
  if (somme == 0) return 99;
  return 10 * std::log10(255.0 * 255.0 / (somme / static_cast<double>(n)));
}

double psnr_yuv(const ImageYuv& image, const Bitmap& reference, Colour fond) {
  Bitmap cadre(image.largeur, image.hauteur, fond);
  for (int y = 0; y < reference.height(); ++y)
    std::memcpy(cadre.row(y), reference.row(y), sizeof(Colour) * reference.width());
  AVFrame* converti = av_frame_alloc();
  converti->format = AV_PIX_FMT_YUV420P;
  converti->width = image.largeur;
  converti->height = image.hauteur;
  av_frame_get_buffer(converti, 0);
  SwsContext* conversion = sws_getContext(
      image.largeur, image.hauteur, AV_PIX_FMT_RGB0, image.largeur, image.hauteur,
      AV_PIX_FMT_YUV420P, SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INP, nullptr,
      nullptr, nullptr);
  const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
  sws_setColorspaceDetails(conversion, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
  const auto* source = reinterpret_cast<const std::uint8_t*>(cadre.data());
  const int pas = cadre.width() * 4;
  sws_scale(conversion, &source, &pas, 0, cadre.height(), converti->data, converti->linesize);
  sws_freeContext(conversion);
  const ImageYuv attendue = plans(*converti);
  av_frame_free(&converti);
  double somme = 0;
  std::size_t n = 0;
  for (const auto& [a, b] : {std::pair{&image.y, &attendue.y}, {&image.u, &attendue.u},
                             {&image.v, &attendue.v}}) {
    for (std::size_t i = 0; i < a->size(); ++i) {
      const double e = double((*a)[i]) - double((*b)[i]);
      somme += e * e;
    }
    n += a->size();
  }
  if (somme == 0) return 99;
  return 10 * std::log10(255.0 * 255.0 / (somme / static_cast<double>(n)));
}

double part_proche(const Bitmap& a, const Bitmap& b, int ecart) {
  std::int64_t proches = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      bool proche = true;
      for (int d : {0, 8, 16})
        proche = proche && std::abs(canal(a.pixel(x, y), d) - canal(b.pixel(x, y), d)) <= ecart;
      proches += proche;
    }
  return static_cast<double>(proches) / (static_cast<double>(a.width()) * a.height());
}

std::int64_t allumes(const Bitmap& image, Colour fond, int ecart) {
  std::int64_t n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      for (int d : {0, 8, 16})
        if (std::abs(canal(image.pixel(x, y), d) - canal(fond, d)) > ecart) {
          ++n;
          break;
        }
  return n;
}

Bitmap coin(const Bitmap& image, int largeur, int hauteur) {
  Bitmap r(largeur, hauteur);
  for (int y = 0; y < hauteur; ++y)
    std::memcpy(r.row(y), image.row(y), sizeof(Colour) * largeur);
  return r;
}

}  // namespace orvane::test
