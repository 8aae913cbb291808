// Lines on a full-HD canvas: Orvane's canvas beside QPainter's raster engine and Cairo,
// the same 10 000 lines for each.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>
#include <vector>

#include "platform/canvas.h"

namespace {

using namespace orvane;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kLines = 10000;

struct Segment {
  Point a;
  Point b;
};

// Lines from random points in random directions; the ends may leave the canvas.
std::vector<Segment> randomLines(double minLength, double maxLength, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> x(0, kWidth - 1);
  std::uniform_int_distribution<int> y(0, kHeight - 1);
  std::uniform_real_distribution<double> angle(0, 2 * M_PI);
  std::uniform_real_distribution<double> length(minLength, maxLength);
  std::vector<Segment> lines;
  for (int i = 0; i < kLines; ++i) {
    const Point a{x(random), y(random)};
    const double t = angle(random);
    const double l = length(random);
    lines.push_back({a, {a.x + static_cast<int>(std::lround(l * std::cos(t))),
                         a.y + static_cast<int>(std::lround(l * std::sin(t)))}});
  }
  return lines;
}

const std::vector<Segment>& longLines() {
  static const std::vector<Segment> lines = randomLines(650, 750, 1);
  return lines;
}

const std::vector<Segment>& shortLines() {
  static const std::vector<Segment> lines = randomLines(3, 20, 2);
  return lines;
}

void orvaneLines(benchmark::State& state, const std::vector<Segment>& lines, int width,
                 int mode) {
  Canvas canvas(kWidth, kHeight, 0);
  canvas.pen = {0x3399CC, width, PenStyle::Solid, mode};
  for (auto _ : state) {
    for (const Segment& s : lines) {
      canvas.MoveTo(s.a.x, s.a.y);
      canvas.LineTo(s.b.x, s.b.y);
    }
    benchmark::DoNotOptimize(canvas.bitmap().data());
    benchmark::ClobberMemory();
  }
}

void qpainterLines(benchmark::State& state, const std::vector<Segment>& lines, int width,
                   bool xorMode) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(0xCC, 0x99, 0x33), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setCompositionMode(xorMode ? QPainter::RasterOp_SourceXorDestination
                                     : QPainter::CompositionMode_Source);
  for (auto _ : state) {
    for (const Segment& s : lines) painter.drawLine(s.a.x, s.a.y, s.b.x, s.b.y);
    benchmark::DoNotOptimize(image.constBits());
    benchmark::ClobberMemory();
  }
}

void cairoLines(benchmark::State& state, const std::vector<Segment>& lines, int width) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr, 0.8, 0.6, 0.2);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (auto _ : state) {
    for (const Segment& s : lines) {
      // Pixel centres, as the other two draw them.
      cairo_move_to(cr, s.a.x + 0.5, s.a.y + 0.5);
      cairo_line_to(cr, s.b.x + 0.5, s.b.y + 0.5);
      cairo_stroke(cr);
    }
    cairo_surface_flush(surface);
    benchmark::DoNotOptimize(cairo_image_surface_get_data(surface));
    benchmark::ClobberMemory();
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

void Orvane_W1_Copy(benchmark::State& s) { orvaneLines(s, longLines(), 1, R2_COPYPEN); }
void QPainter_W1_Copy(benchmark::State& s) { qpainterLines(s, longLines(), 1, false); }
void Cairo_W1_Copy(benchmark::State& s) { cairoLines(s, longLines(), 1); }
void Orvane_W1_Xor(benchmark::State& s) { orvaneLines(s, longLines(), 1, R2_XORPEN); }
void QPainter_W1_Xor(benchmark::State& s) { qpainterLines(s, longLines(), 1, true); }
void Orvane_W10_Copy(benchmark::State& s) { orvaneLines(s, longLines(), 10, R2_COPYPEN); }
void QPainter_W10_Copy(benchmark::State& s) { qpainterLines(s, longLines(), 10, false); }
void Cairo_W10_Copy(benchmark::State& s) { cairoLines(s, longLines(), 10); }
void Orvane_W10_Xor(benchmark::State& s) { orvaneLines(s, longLines(), 10, R2_XORPEN); }
void QPainter_W10_Xor(benchmark::State& s) { qpainterLines(s, longLines(), 10, true); }
void Orvane_Short_W10_Copy(benchmark::State& s) { orvaneLines(s, shortLines(), 10, R2_COPYPEN); }
void QPainter_Short_W10_Copy(benchmark::State& s) { qpainterLines(s, shortLines(), 10, false); }

BENCHMARK(Orvane_W1_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(QPainter_W1_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(Cairo_W1_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(Orvane_W1_Xor)->Unit(benchmark::kMillisecond);
BENCHMARK(QPainter_W1_Xor)->Unit(benchmark::kMillisecond);
BENCHMARK(Orvane_W10_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(QPainter_W10_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(Cairo_W10_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(Orvane_W10_Xor)->Unit(benchmark::kMillisecond);
BENCHMARK(QPainter_W10_Xor)->Unit(benchmark::kMillisecond);
BENCHMARK(Orvane_Short_W10_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(QPainter_Short_W10_Copy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
