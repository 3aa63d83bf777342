// Pixel runs painted by the drawing painter: written straight into an image, or painted by
// Qt where that is not possible (a pixmap, a clipped painter), always the same pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <initializer_list>
#include <string>

#include "core/draw/Drawing.h"
#include "ui/app/DrawingPainter.h"

namespace qx {
namespace {

// One letter a device pixel, row by row: 'r' red, '.' white.
std::string pixels(const QImage& image) {
  std::string out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      out += image.pixel(x, y) == qRgb(255, 0, 0)       ? 'r'
             : image.pixel(x, y) == qRgb(255, 255, 255) ? '.'
                                                        : '?';
    out += '\n';
  }
  return out;
}

// The device's picture after painting the drawing on white.
QImage painted(QPaintDevice& device, const Drawing& d, bool clipped) {
  QPainter painter(&device);
  painter.fillRect(0, 0, d.width, d.height, Qt::white);
  if (clipped) painter.setClipRect(0, 0, d.width, d.height);
  paintDrawing(painter, d, {.fillBackground = false});
  painter.end();
  if (auto* image = dynamic_cast<QImage*>(&device))
    return image->convertToFormat(QImage::Format_RGB32);
  return static_cast<QPixmap&>(device).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(DrawingPainter, ColumnRunsFillTheSamePixelsOnEveryDevice) {
  Drawing d;
  d.width = 5;
  d.height = 4;
  // Column 1 rows 1..2, column 2 empty, column 3 from row 2 on past the bottom edge, column
  // 4 full, and a column past the right edge.
  d.items.emplace_back(DrawColumnSpans{1, {{1, 2}, {0, -1}, {2, 9}, {0, 3}, {0, 3}}, {255, 0, 0}});
  const std::string rows[] = {"....r", ".r..r", ".r.rr", "...rr"};
  for (int ratio : {1, 2}) {
    // At device pixel ratio 2 every pixel of the drawing is two by two.
    std::string want;
    for (const std::string& row : rows)
      for (int k = 0; k < ratio; ++k) {
        for (char c : row) want += std::string(ratio, c);
        want += '\n';
      }
    QImage image(5 * ratio, 4 * ratio, QImage::Format_RGB32);
    QImage clipped(5 * ratio, 4 * ratio, QImage::Format_RGB32);
    QPixmap pixmap(5 * ratio, 4 * ratio);
    for (QPaintDevice* device : std::initializer_list<QPaintDevice*>{&image, &clipped, &pixmap}) {
      if (auto* i = dynamic_cast<QImage*>(device)) i->setDevicePixelRatio(ratio);
      if (auto* p = dynamic_cast<QPixmap*>(device)) p->setDevicePixelRatio(ratio);
      EXPECT_EQ(pixels(painted(*device, d, device == &clipped)), want) << ratio;
    }
  }
}

}  // namespace
}  // namespace qx
