// Painting the big display: one frame as the window paints it for every sample (the cached
// static layer copied, then the live layer drawn over it, scaled and anti-aliased), and the
// static layer itself, painted again after a resize or a settings change. Both into a QImage
// at the default 640 x 480 and at a workshop-screen 1280 x 960; a frame must cost well under
// one COM period (100 ms by default, 5 ms at the fastest setting).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "BigDisplayScene.h"
#include "core/display/BigDisplay.h"
#include "ui/app/DrawingPainter.h"

namespace {

void paintStatic(QImage& image, const qx::Drawing& layer, double scale) {
  QPainter painter(&image);
  painter.scale(scale, scale);
  paintDrawing(painter, layer, {.fillBackground = true, .antialiased = true});
}

// One sample: the live layer built in core, then the frame painted as the window does.
void BM_BigDisplayFrame(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const double scale = width / 640.0;
  qx::bench::BigDisplayScene s;
  qx::refreshBigDisplay(s.state, s.sources(), true);
  QImage still(width, width * 3 / 4, QImage::Format_ARGB32_Premultiplied);
  paintStatic(still, s.state.staticLayer, scale);
  QImage frame(still.size(), QImage::Format_ARGB32_Premultiplied);
  int speed = 0;
  for (auto _ : state) {
    speed = (speed + 37) % 12000;  // a moving needle and changing digits
    s.vital.engineSpeed = s.vital.engineSpeedClamped = speed;
    qx::refreshBigDisplay(s.state, s.sources());
    QPainter painter(&frame);
    painter.drawImage(0, 0, still);
    painter.scale(scale, scale);
    paintDrawing(painter, s.state.liveLayer, {.fillBackground = false, .antialiased = true});
    painter.end();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_BigDisplayFrame)->Arg(640)->Arg(1280)->Unit(benchmark::kMicrosecond);

// The static layer painted anew (resize, settings change).
void BM_BigDisplayStaticPaint(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  qx::bench::BigDisplayScene s;
  qx::refreshBigDisplay(s.state, s.sources(), true);
  QImage still(width, width * 3 / 4, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    paintStatic(still, s.state.staticLayer, width / 640.0);
    benchmark::DoNotOptimize(still.constBits());
  }
}
BENCHMARK(BM_BigDisplayStaticPaint)->Arg(640)->Arg(1280)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Text needs a font database, hence a GUI application; no display is needed.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
