// The logger window's redraw on a big log as the window does it: the viewer's drawing of
// 1,000,000 records and its painting into an image of the drawing area's size, at the
// narrowest, a common and the widest window; and a cursor step over the same records.
// With QX_SHOT_DIR set, every full redraw's picture with the cursor in the middle of the log
// is saved there as logger-strips-<width>-<zoom>.png.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/logger/LogTable.h"
#include "core/logger/LogViewer.h"
#include "ui/app/DrawingPainter.h"

namespace {

constexpr int kRecords = 1000000;

// A drive at 100 ms a record with every channel moving.
qx::LogTable& bigTable() {
  static qx::LogTable table;
  static const bool filled = [] {
    qx::LogTable& t = table;
    t.sizeFor(kRecords);
    for (int n = 1; n <= kRecords; ++n) {
      const double s = n * 0.1;
      const double rpm = 6000 + 4500 * std::sin(s / 7) + 300 * std::sin(s * 1.3);
      t.storeRecord(n, {static_cast<float>(n * 100), static_cast<float>(std::round(rpm)),
                        static_cast<float>(std::round(50 + 50 * std::sin(s / 7))),
                        static_cast<float>(std::round(60 + 25 * std::sin(s / 900))), 24,
                        static_cast<float>(0.45 + 0.4 * std::sin(s / 3)), 0.8f,
                        static_cast<float>(0.45 + 0.4 * std::cos(s / 5)), rpm > 5000 ? 1.0f : 0,
                        rpm > 8000 ? 1.0f : 0, (n / 97) % 2 ? 1.0f : 0, (n / 131) % 2 ? 1.0f : 0,
                        (n / 53) % 2 ? 1.0f : 0, static_cast<float>(std::round(10 + rpm / 600)),
                        static_cast<float>(std::round(900 + rpm / 3))});
    }
    return true;
  }();
  (void)filled;
  return table;
}

qx::PaintOptions overStrips() {
  qx::PaintOptions o;
  o.fillBackground = false;
  return o;
}

// Args: window width, zoom. A full redraw as after loading or a change of zoom, width or
// channels: the strips are built anew and painted, the cursor line over them. Every
// iteration also moves the cursor.
void BM_ViewerFullRedraw(benchmark::State& state) {
  qx::LogTable& table = bigTable();
  qx::LogViewer viewer;
  viewer.setWindowWidth(static_cast<int>(state.range(0)));
  for (int z = 1; z < state.range(1); z *= 2) viewer.zoomIn();
  const qx::ViewerLayout& l = viewer.layout();
  QImage image(l.drawingWidth, l.drawingHeight, QImage::Format_RGB32);
  viewer.strips(table);  // the min/max summary is built once after loading
  int cursor = 1;
  for (auto _ : state) {
    table.cursor = cursor = cursor % table.count() + 997;
    viewer.forgetStrips();
    QPainter painter(&image);
    qx::paintDrawing(painter, viewer.strips(table));
    qx::paintDrawing(painter, viewer.cursorLine(table), overStrips());
  }
  state.counters["records"] = table.count();
  if (const char* folder = std::getenv("QX_SHOT_DIR")) {
    table.cursor = table.count() / 2;  // the same picture whatever the iterations were
    QPainter painter(&image);
    qx::paintDrawing(painter, viewer.strips(table));
    qx::paintDrawing(painter, viewer.cursorLine(table), overStrips());
    painter.end();
    image.save(QString::fromStdString(std::string(folder) + "/logger-strips-" +
                                      std::to_string(state.range(0)) + "-" +
                                      std::to_string(state.range(1)) + ".png"));
  }
}
BENCHMARK(BM_ViewerFullRedraw)
    ->Args({920, 1})
    ->Args({1920, 1})
    ->Args({4000, 1})
    ->Args({920, 64})
    ->Args({920, 1024})
    ->Unit(benchmark::kMillisecond);

// Arg: window width. A cursor step at zoom 1 as the window paints it: the same records stay
// in view, so the picture of the strips is copied and the cursor line painted over it.
void BM_ViewerCursorStep(benchmark::State& state) {
  qx::LogTable& table = bigTable();
  qx::LogViewer viewer;
  viewer.setWindowWidth(static_cast<int>(state.range(0)));
  const qx::ViewerLayout& l = viewer.layout();
  QImage picture(l.drawingWidth, l.drawingHeight, QImage::Format_RGB32);
  {
    QPainter painter(&picture);
    qx::paintDrawing(painter, viewer.strips(table));
  }
  QImage image(l.drawingWidth, l.drawingHeight, QImage::Format_RGB32);
  int cursor = 1;
  for (auto _ : state) {
    table.cursor = cursor = cursor % table.count() + 997;
    const std::uint64_t serial = viewer.stripsSerial();
    viewer.strips(table);
    if (viewer.stripsSerial() != serial) state.SkipWithError("the strips were built anew");
    QPainter painter(&image);
    painter.drawImage(0, 0, picture);
    qx::paintDrawing(painter, viewer.cursorLine(table), overStrips());
  }
}
BENCHMARK(BM_ViewerCursorStep)->Arg(920)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
