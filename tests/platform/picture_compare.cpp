#include "picture_compare.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvane::test {

namespace {

void writePpm(const std::filesystem::path& path, const Bitmap& picture) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << picture.width() << ' ' << picture.height() << "\n255\n";
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Colour c = picture.pixel(x, y);
      const char rgb[3] = {static_cast<char>(rouge(c)), static_cast<char>(vert(c)),
                           static_cast<char>(bleu(c))};
      out.write(rgb, 3);
    }
  }
}

}  // namespace

::testing::AssertionResult samePicture(const Bitmap& actual, const Bitmap& expected,
                                       const std::string& name) {
  if (actual == expected) return ::testing::AssertionSuccess();
  std::ostringstream why;
  if (actual.width() != expected.width() || actual.height() != expected.height()) {
    why << name << ": size " << actual.width() << 'x' << actual.height() << ", expected "
        << expected.width() << 'x' << expected.height();
    return ::testing::AssertionFailure() << why.str();
  }
  Bitmap diff(actual.width(), actual.height(), 0);
  int count = 0;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.pixel(x, y) == expected.pixel(x, y)) continue;
      if (count++ == 0) {
        why << name << ": first difference at (" << x << ", " << y << "): 0x" << std::hex
            << actual.pixel(x, y) << ", expected 0x" << expected.pixel(x, y) << std::dec;
      }
      diff.setPixel(x, y, 0xFFFFFF);
    }
  }
  const std::filesystem::path dir = std::filesystem::current_path() / "platform_test_output";
  std::filesystem::create_directories(dir);
  writePpm(dir / (name + "_actual.ppm"), actual);
  writePpm(dir / (name + "_expected.ppm"), expected);
  writePpm(dir / (name + "_diff.ppm"), diff);
  why << "; " << count << " pixels differ; pictures in " << dir.string();
  return ::testing::AssertionFailure() << why.str();
}

}  // namespace orvane::test
