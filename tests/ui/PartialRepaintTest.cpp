// A drawing area repainted only where its drawing changed ends up pixel for pixel as if it
// had been painted whole: the changed region covers every pixel a changed item touched
// before and touches now, and items clear of it may be left out.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/draw/Drawing.h"
#include "ui/app/DrawingPainter.h"
#include "ui/app/StillItemsCache.h"

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

// The drawing painted scaled by `scale` (as the big display paints its layers), whole or
// only within `only` over what `under` shows.
QImage painted(const Drawing& d, bool antialiased, double scale = 1,
               const QRegion* only = nullptr, const QImage* under = nullptr) {
  QImage image = under ? *under
                       : QImage(qRound(d.width * scale), qRound(d.height * scale),
                                QImage::Format_RGB32);
  QPainter painter(&image);
  if (only) painter.setClipRegion(*only);
  painter.scale(scale, scale);
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
      {"two values far apart change",
       [&](Drawing& d) {
         textAt(d, 2).text = "1.1";
         textAt(d, 12).text = "1.25";
       }},
      {"a cell changes colour",
       [](Drawing& d) { std::get<DrawRect>(d.items[5]).fill = {255, 0, 0}; }},
      {"a line moves", [](Drawing& d) { std::get<DrawLine>(d.items[13]).from.y = 60; }},
      {"an arc grows", [](Drawing& d) { std::get<DrawArc>(d.items[14]).spanDeg = 250; }},
      {"an arc turns past a quarter",
       [](Drawing& d) { std::get<DrawArc>(d.items[14]).startDeg = 60.03; }},
      {"an arc turning clockwise passes zero and three quarters",
       [](Drawing& d) {
         auto& a = std::get<DrawArc>(d.items[14]);
         a.startDeg = -80;
         a.spanDeg = -195.5;
       }},
      {"an arc becomes a whole turn",
       [](Drawing& d) { std::get<DrawArc>(d.items[14]).spanDeg = 360; }},
      {"a right-aligned bold text shrinks", [&](Drawing& d) { textAt(d, 15).text = "r"; }},
      {"a turned text changes", [&](Drawing& d) { textAt(d, 16).text = "tief unten"; }},
      {"nothing changes", [](Drawing&) {}},
  };
  for (const double scale : {1.0, 1.7}) {
    QWidget area;
    area.resize(qRound(300 * scale), qRound(200 * scale));
    for (const bool antialiased : {false, true}) {
      for (const Case& c : cases) {
        const Drawing before = base();
        Drawing after = before;
        c.change(after);
        const QRegion region = changedRegion(before, after, area, 1, scale);
        EXPECT_EQ(region.isEmpty(), std::string(c.what) == "nothing changes") << c.what;
        const QImage shown = painted(before, antialiased, scale);
        EXPECT_EQ(painted(after, antialiased, scale, &region, &shown),
                  painted(after, antialiased, scale))
            << c.what << (antialiased ? " (antialiased)" : "") << " at scale " << scale;
      }
    }
  }
  QWidget area;
  area.resize(300, 200);
  // A short arc that moves a little is repainted around where it was and is, not around its
  // whole circle.
  Drawing shortArc = base();
  std::get<DrawArc>(shortArc.items[14]).spanDeg = 10;
  Drawing turned = shortArc;
  std::get<DrawArc>(turned.items[14]).startDeg = 15;
  const QRect around = changedRegion(shortArc, turned, area).boundingRect();
  EXPECT_LT(around.width(), 30);
  EXPECT_LT(around.height(), 40);
  // Drawings that differ in their items are repainted whole.
  Drawing more = base();
  more.line(0, 0, 1, 1, colours::kBlack);
  EXPECT_EQ(changedRegion(base(), more, area), QRegion(0, 0, 300, 200));
}

// A disc like the expert window's: rings round one centre, some moving tick after tick, some
// still, one still arc on the ring of a moving one and a line across the rings.
Drawing disc(double gapStart, double innerStart, double pulseSpan) {
  Drawing d;
  d.width = 300;
  d.height = 200;
  d.background = {240, 240, 240};
  d.fillRect(0, 0, 300, 200, d.background);
  d.origin = {150, 100};
  d.circle(0, 0, 90, colours::kBlack, false);
  d.arc(0, 0, 80, gapStart, 40, {128, 0, 0}, 5);  // moves
  d.arc(0, 0, 60, 0, pulseSpan, {0, 191, 255}, 5);
  d.arc(0, 0, 80, 200, 60, {46, 139, 87}, 5);   // on the moving arc's ring
  d.line(0, 0, -95, 0, {255, 0, 255});           // across every ring
  d.arc(0, 0, 40, innerStart, 120, {0, 50, 255}, 2);  // moves
  d.text(0, -95, "0° ->", colours::kBlack, {.size = 12, .h = HAlign::Right, .v = VAlign::Bottom});
  return d;
}

TEST(PartialRepaint, StillItemsKeptAsAPicturePaintLikeTheWholeDrawing) {
  // Each step is the next tick's drawing; the cached, partial repaint must show it exactly.
  struct Step {
    const char* what;
    double gapStart, innerStart, pulseSpan;
  };
  const Step steps[] = {
      {"the first drawing", 10, 100, 90},
      {"the moving arcs move", 30, 130, 90},
      {"they move again", 50, 160, 90},
      {"a still arc changes", 60, 170, 150},
      {"nothing changes", 60, 170, 150},
      {"the moving arc passes under the still arc on its ring", 190, 200, 150},
      {"and leaves it", 300, 20, 150},
  };
  QWidget area;
  area.resize(300, 200);
  StillItemsCache cache;
  QImage screen(300, 200, QImage::Format_ARGB32_Premultiplied);
  std::optional<Drawing> shown;
  for (const Step& step : steps) {
    const Drawing d = disc(step.gapStart, step.innerStart, step.pulseSpan);
    const QRegion region = shown ? changedRegion(*shown, d, area) : QRegion(0, 0, 300, 200);
    {
      QPainter painter(&screen);
      if (region != QRegion(0, 0, 300, 200)) painter.setClipRegion(region);
      cache.paint(painter, d, area, {.antialiased = true});
    }
    QImage whole(300, 200, QImage::Format_ARGB32_Premultiplied);
    {
      QPainter painter(&whole);
      paintDrawing(painter, d, {.antialiased = true});
    }
    EXPECT_EQ(screen, whole) << step.what;
    shown = d;
  }
}

}  // namespace
}  // namespace qx
