// Flood fill on a full-HD canvas: Orvane's canvas beside OpenCV's floodFill on the same
// pictures, as 32-bit single-channel and as 3 x 8-bit images.
#include <benchmark/benchmark.h>

#include <cstring>
#include <opencv2/imgproc.hpp>
#include <random>

#include "platform/canvas.h"

namespace {

using namespace orvane;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
const Point kSeed{960, 540};

// Noise with seven pixels in ten black, past the percolation threshold: one black area
// spans the canvas, riddled with small holes, so that spans are short and many.
const Bitmap& busyPicture() {
  static const Bitmap picture = [] {
    Bitmap b(kWidth, kHeight, 0);
    std::mt19937 random(4);
    std::uniform_int_distribution<int> tenth(0, 9);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (tenth(random) >= 7) b.setPixel(x, y, 0xFFFFFF);
      }
    }
    b.setPixel(kSeed.x, kSeed.y, 0);
    return b;
  }();
  return picture;
}

// Pixels of one colour, reported beside the time so that the peers' areas can be compared.
double countColour(const Bitmap& b, Colour c) {
  double n = 0;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) == c;
  }
  return n;
}

cv::Mat asInt32(const Bitmap& b) {
  cv::Mat m(b.height(), b.width(), CV_32SC1);
  std::memcpy(m.data, b.data(), sizeof(Colour) * b.width() * b.height());
  return m;
}

cv::Mat asBgr(const Bitmap& b) {
  cv::Mat m(b.height(), b.width(), CV_8UC3);
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      const Colour c = b.pixel(x, y);
      m.at<cv::Vec3b>(y, x) = {static_cast<uchar>(bleu(c)), static_cast<uchar>(vert(c)),
                               static_cast<uchar>(rouge(c))};
    }
  }
  return m;
}

// The whole canvas, one colour: each round paints it the other colour.
void Orvane_WholeCanvas(benchmark::State& state) {
  Canvas canvas(kWidth, kHeight, 0);
  Colour current = 0;
  for (auto _ : state) {
    canvas.brush.color = current ^ 0x123456;
    canvas.FloodFill(kSeed.x, kSeed.y, current, FloodFillType::Surface);
    current ^= 0x123456;
    benchmark::DoNotOptimize(canvas.bitmap().data());
  }
  if (canvas.Pixels(0, 0) != current) state.SkipWithError("canvas not filled");
}

void OpenCV_WholeCanvas_Int32(benchmark::State& state) {
  cv::Mat m(kHeight, kWidth, CV_32SC1, cv::Scalar(0));
  int current = 0;
  for (auto _ : state) {
    current ^= 0x123456;
    cv::floodFill(m, cv::Point(kSeed.x, kSeed.y), cv::Scalar(current));
    benchmark::DoNotOptimize(m.data);
  }
}

void OpenCV_WholeCanvas_Bgr(benchmark::State& state) {
  cv::Mat m(kHeight, kWidth, CV_8UC3, cv::Scalar(0, 0, 0));
  int current = 0;
  for (auto _ : state) {
    current ^= 0x56;
    cv::floodFill(m, cv::Point(kSeed.x, kSeed.y), cv::Scalar(current, 0x34, current));
    benchmark::DoNotOptimize(m.data);
  }
}

// The busy picture, restored before each round outside the timing.
void remplir_image_chargee(benchmark::State& state, Colour c, FloodFillType type) {
  Canvas canvas(kWidth, kHeight, 0);
  canvas.brush.color = 0x00FF00;
  for (auto _ : state) {
    state.PauseTiming();
    canvas.Draw(0, 0, busyPicture());
    state.ResumeTiming();
    canvas.FloodFill(kSeed.x, kSeed.y, c, type);
    benchmark::DoNotOptimize(canvas.bitmap().data());
  }
  state.counters["filled"] = countColour(canvas.bitmap(), 0x00FF00);
}

void Orvane_Busy(benchmark::State& state) {
  remplir_image_chargee(state, 0, FloodFillType::Surface);
}

void Orvane_Busy_Border(benchmark::State& state) {
  remplir_image_chargee(state, 0xFFFFFF, FloodFillType::Border);
}

// OpenCV on the same busy picture, restored before each round outside the timing.
void remplir_opencv(benchmark::State& state, const cv::Mat& original, const cv::Scalar& couleur) {
  cv::Mat m = original.clone();
  int filled = 0;
  for (auto _ : state) {
    state.PauseTiming();
    original.copyTo(m);
    state.ResumeTiming();
    filled = cv::floodFill(m, cv::Point(kSeed.x, kSeed.y), couleur);
    benchmark::DoNotOptimize(m.data);
  }
  state.counters["filled"] = filled;
}

void OpenCV_Busy_Int32(benchmark::State& state) {
  remplir_opencv(state, asInt32(busyPicture()), cv::Scalar(0x00FF00));
}

void OpenCV_Busy_Bgr(benchmark::State& state) {
  remplir_opencv(state, asBgr(busyPicture()), cv::Scalar(0, 0xFF, 0));
}

BENCHMARK(Orvane_WholeCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenCV_WholeCanvas_Int32)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenCV_WholeCanvas_Bgr)->Unit(benchmark::kMillisecond);
BENCHMARK(Orvane_Busy)->Unit(benchmark::kMillisecond);
BENCHMARK(Orvane_Busy_Border)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenCV_Busy_Int32)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenCV_Busy_Bgr)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
