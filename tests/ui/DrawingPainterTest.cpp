// Pixel runs painted by the drawing painter: written straight into an image, or painted by
// Qt where that is not possible (a pixmap, a clipped painter), always the same pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <string>
#include <type_traits>

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

template <typename Device>
QImage painted(const Drawing& d, int ratio, bool clipped) {
  Device device = [&] {
    if constexpr (std::is_same_v<Device, QImage>)
      return QImage(d.width * ratio, d.height * ratio, QImage::Format_RGB32);
    else
      return QPixmap(d.width * ratio, d.height * ratio);
  }();
  device.setDevicePixelRatio(ratio);
  device.fill(Qt::white);
  {
    QPainter painter(&device);
    if (clipped) painter.setClipRect(0, 0, d.width, d.height);
    paintDrawing(painter, d, {.fillBackground = false});
  }
  if constexpr (std::is_same_v<Device, QImage>)
    return device.convertToFormat(QImage::Format_RGB32);
  else
    return device.toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(DrawingPainter, ColumnRunsFillTheSamePixelsOnEveryDevice) {
  Drawing d;
  d.width = 5;
  d.height = 4;
  // Column 1 rows 1..2, column 2 empty, column 3 from row 2 on past the bottom edge, column
  // 4 full, and a column past the right edge.
  d.items.emplace_back(DrawColumnSpans{1, {{1, 2}, {0, -1}, {2, 9}, {0, 3}, {0, 3}}, {255, 0, 0}});
  const std::string one =
      "....r\n"
      ".r..r\n"
      ".r.rr\n"
      "...rr\n";
  // At device pixel ratio 2 every pixel of the drawing is two by two.
  const std::string two =
      "........rr\n"
      "........rr\n"
      "..rr....rr\n"
      "..rr....rr\n"
      "..rr..rrrr\n"
      "..rr..rrrr\n"
      "......rrrr\n"
      "......rrrr\n";
  for (int ratio : {1, 2}) {
    const std::string& want = ratio == 1 ? one : two;
    EXPECT_EQ(pixels(painted<QImage>(d, ratio, false)), want) << "image " << ratio;
    EXPECT_EQ(pixels(painted<QImage>(d, ratio, true)), want) << "clipped image " << ratio;
    EXPECT_EQ(pixels(painted<QPixmap>(d, ratio, false)), want) << "pixmap " << ratio;
  }
}

}  // namespace
}  // namespace qx
