#pragma once

// Films read back with FFmpeg's libraries, as a player would: the codec, the pixel format
// and every frame as 0x00BBGGRR pixels.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace orvane::test {

// A frame in 4:2:0: full-size luma, chroma halved both ways.
struct ImageYuv {
  int largeur = 0, hauteur = 0;
  std::vector<std::uint8_t> y, u, v;
};

struct FilmLu {
  std::string codec;   // "h264", "vp9", "gif"
  std::string pixels;  // the stream's pixel format: "yuv420p", "bgra", ...
  int largeur = 0, hauteur = 0;
  double images_par_seconde = 0;
  std::vector<Bitmap> images;
  std::vector<ImageYuv> images_yuv;  // the frames as decoded, for a 4:2:0 film
};

// Empty codec when the file cannot be read.
FilmLu lire_film(const std::string& chemin);

// The peak signal-to-noise ratio of `b` against `a` (same size), in dB, over the three
// channels; 99 for equal pictures.
double psnr(const Bitmap& a, const Bitmap& b);
// The codec's loss alone: the PSNR of a decoded 4:2:0 frame against `reference` converted
// to 4:2:0 as the encoder converts it (BT.709, studio range), its sides padded with `fond`
// to the frame's; luma and chroma samples weigh alike, as video PSNR is counted.
double psnr_yuv(const ImageYuv& image, const Bitmap& reference, Colour fond);
// The share of pixels whose three channels are all within `ecart` levels.
double part_proche(const Bitmap& a, const Bitmap& b, int ecart);
// The pixels that differ from `fond`.
std::int64_t allumes(const Bitmap& image, Colour fond, int ecart = 24);
// The top-left `largeur` x `hauteur` of `image`.
Bitmap coin(const Bitmap& image, int largeur, int hauteur);

}  // namespace orvane::test
