#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/bitmap.h"

namespace orvane {

// Writes a bitmap as a binary PPM, enough to look at a failing picture.
inline void ecrire_ppm(const Bitmap& image, const std::filesystem::path& chemin) {
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return;
  std::fprintf(f, "P6\n%d %d\n255\n", image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Colour c = image.pixel(x, y);
      const unsigned char rgb[3] = {static_cast<unsigned char>(rouge(c)),
                                    static_cast<unsigned char>(vert(c)),
                                    static_cast<unsigned char>(bleu(c))};
      std::fwrite(rgb, 1, 3, f);
    }
  }
  std::fclose(f);
}

// Succeeds when both pictures are equal; otherwise writes the actual picture, the expected
// one and a diff (white where they differ) beside each other in the temporary directory.
inline testing::AssertionResult memes_images(const Bitmap& obtenue, const Bitmap& attendue,
                                             const std::string& nom) {
  if (obtenue == attendue) return testing::AssertionSuccess();
  const auto dossier = std::filesystem::temp_directory_path();
  if (obtenue.width() != attendue.width() || obtenue.height() != attendue.height()) {
    return testing::AssertionFailure() << nom << ": sizes differ";
  }
  Bitmap diff(obtenue.width(), obtenue.height());
  int differences = 0;
  for (int y = 0; y < obtenue.height(); ++y) {
    for (int x = 0; x < obtenue.width(); ++x) {
      if (obtenue.pixel(x, y) != attendue.pixel(x, y)) {
        diff.setPixel(x, y, 0xFFFFFF);
        ++differences;
      }
    }
  }
  ecrire_ppm(obtenue, dossier / (nom + "_obtenue.ppm"));
  ecrire_ppm(attendue, dossier / (nom + "_attendue.ppm"));
  ecrire_ppm(diff, dossier / (nom + "_diff.ppm"));
  return testing::AssertionFailure() << nom << ": " << differences
                                     << " pixels differ; pictures written to " << dossier;
}

}  // namespace orvane
