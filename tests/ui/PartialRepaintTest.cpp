// A drawing area repainted only where its drawing changed ends up pixel for pixel as if it
// had been painted whole: the changed region covers every pixel a changed item touched
// before and touches now, and items clear of it may be left out.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <functional>

#include "core/draw/Drawing.h"
#include "ui/app/DrawingPainter.h"

namespace qx {
namespace {

Drawing base() {
  Drawing d;
  d.width = 300;
  d.height = 200;
  d.background = {230, 230, 230};
  d.fillRect(0, 0, 300, 200, d.background);
  for (int c = 0; c < 6; ++c) {
    d.fillRect(10 + 45 * c, 20, 40, 20, {200, 255, 200});
    d.text(30 + 45 * c, 30, "0.8" + std::to_string(c), colours::kBlack,
           {.h = HAlign::Centre, .v = VAlign::Middle});
  }
  d.line(0, 100, 300, 100, {128, 128, 128});
  d.arc(150, 150, 30, 0, 90, colours::kRed, 5);
  d.text(280, 190, "rechts", colours::kBlack, {.size = 11, .bold = true, .h = HAlign::Right,
                                               .v = VAlign::Bottom});
  d.text(20, 190, "hoch", colours::kBlack, {.angle = 90});
  return d;
}

QImage painted(const Drawing& d, bool antialiased, const QRegion* only = nullptr,
               const QImage* under = nullptr) {
  QImage image = under ? *under : QImage(d.width, d.height, QImage::Format_RGB32);
  QPainter painter(&image);
  if (only) painter.setClipRegion(*only);
  paintDrawing(painter, d, {.antialiased = antialiased});
  return image;
}

TEST(PartialRepaint, ChangedRegionRepaintsLikeAWholePaint) {
  struct Case {
    const char* what;
    std::function<void(Drawing&)> change;
  };
  const auto textAt = [](Drawing& d, std::size_t i) -> DrawText& {
    return std::get<DrawText>(d.items[i]);
  };
  const Case cases[] = {
      {"a centred value gets longer", [&](Drawing& d) { textAt(d, 4).text = "10.85"; }},
      {"a cell changes colour",
       [](Drawing& d) { std::get<DrawRect>(d.items[5]).fill = {255, 0, 0}; }},
      {"a line moves", [](Drawing& d) { std::get<DrawLine>(d.items[13]).from.y = 60; }},
      {"an arc grows", [](Drawing& d) { std::get<DrawArc>(d.items[14]).spanDeg = 250; }},
      {"a right-aligned bold text shrinks", [&](Drawing& d) { textAt(d, 15).text = "r"; }},
      {"a turned text changes", [&](Drawing& d) { textAt(d, 16).text = "tief unten"; }},
      {"nothing changes", [](Drawing&) {}},
  };
  QWidget area;
  area.resize(300, 200);
  for (const bool antialiased : {false, true}) {
    for (const Case& c : cases) {
      const Drawing before = base();
      Drawing after = before;
      c.change(after);
      const QRegion region = changedRegion(before, after, area);
      EXPECT_EQ(region.isEmpty(), std::string(c.what) == "nothing changes") << c.what;
      const QImage shown = painted(before, antialiased);
      EXPECT_EQ(painted(after, antialiased, &region, &shown), painted(after, antialiased))
          << c.what << (antialiased ? " (antialiased)" : "");
    }
  }
  // Drawings that differ in their items are repainted whole.
  Drawing more = base();
  more.line(0, 0, 1, 1, colours::kBlack);
  EXPECT_EQ(changedRegion(base(), more, area), QRegion(0, 0, 300, 200));
}

}  // namespace
}  // namespace qx
