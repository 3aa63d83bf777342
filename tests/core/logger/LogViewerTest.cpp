#include "core/logger/LogViewer.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/logger/LogTable.h"

namespace qx {
namespace {

void fill(LogTable& table, int count) {
  ASSERT_TRUE(table.sizeFor(std::max(count, 100) + 10));
  for (int n = 1; n <= count; ++n) table.storeRecord(n, LogRecord{});
}

TEST(LogViewerLayout, StripHeightsFollowTheCheckBoxesAndTheWindowStaysInBounds) {
  std::array<bool, kLogChannels> none{}, all{};
  all.fill(true);
  std::array<bool, kLogChannels> speedOnly{};
  speedOnly[0] = true;
  struct Case {
    const std::array<bool, kLogChannels>& checked;
    int width, windowWidth, drawingWidth, windowHeight, drawingHeight;
  };
  const Case cases[] = {{none, 920, 920, 760, 535, 345},
                        {all, 500, 920, 760, 1240, 1050},
                        {speedOnly, 1200, 1200, 1040, 605, 415},
                        {speedOnly, 5000, 4000, 3840, 605, 415}};
  for (const auto& c : cases) {
    const ViewerLayout l = layoutChannels(c.checked, c.width);
    EXPECT_EQ(l.windowWidth, c.windowWidth);
    EXPECT_EQ(l.drawingWidth, c.drawingWidth);
    EXPECT_EQ(l.sliderWidth, c.drawingWidth);
    EXPECT_EQ(l.windowHeight, c.windowHeight);
    EXPECT_EQ(l.drawingHeight, c.drawingHeight);
  }
  const ViewerLayout l = LogViewer().layout();  // engine speed checked at the start
  EXPECT_EQ(l.windowHeight, 605);
  EXPECT_EQ(l.channels[7].stripTop, 280);  // "Ausgang1"
  EXPECT_EQ(l.channels[7].stripHeight, 15);
  EXPECT_EQ(l.channels[7].rowY, 450);
  // "Wert:" below the name on a strip of 30 or more, beside it on a strip of 15.
  EXPECT_EQ(l.channels[6].valueY, 435);
  EXPECT_EQ(l.channels[6].labelX, 25);
  EXPECT_EQ(l.channels[7].valueY, 450);
  EXPECT_EQ(l.channels[7].labelX, 90);
}

TEST(LogViewerWindow, VisibleRecordsAndSliderAtTheEdges) {
  struct Case {
    int count, zoom, cursor, first, visible;
    SliderRange slider;
  };
  const Case cases[] = {
      {2, 4, 2, 1, 2, {1, 1, 1}},  // both records stay in view; the slider stays at range 1
      {1001, 1, 500, 1, 1001, {1, 1, 1}},
      {1001, 4, 1, 1, 251, {126, 876, 126}},
      {1001, 4, 500, 375, 251, {126, 876, 500}},
      {1001, 4, 1001, 751, 251, {126, 876, 876}},
      {0, 4, 1, 1, 0, {1, 1, 1}},
  };
  for (const auto& c : cases) {
    LogTable table;
    fill(table, c.count);
    table.cursor = c.cursor;
    LogViewer viewer;
    while (viewer.zoom() < c.zoom) viewer.zoomIn();
    const ViewWindow w = viewer.window(table);
    EXPECT_EQ(w.first, c.first) << c.count << " " << c.zoom << " " << c.cursor;
    EXPECT_EQ(w.visible, c.visible);
    const SliderRange s = viewer.slider(table);
    EXPECT_EQ(s.minimum, c.slider.minimum);
    EXPECT_EQ(s.maximum, c.slider.maximum);
    EXPECT_EQ(s.value, c.slider.value);
  }
}

TEST(LogViewerEvents, WheelStepsNeverLeaveTheLogAndClicksHitTheDrawnRecord) {
  struct Wheel {
    int cursor;
    bool up, shift;
    int after;
  };
  const Wheel wheels[] = {{95, true, true, 95}, {90, true, true, 100},   {5, false, true, 5},
                          {11, false, true, 1}, {100, true, false, 100}, {2, false, false, 1},
                          {1, false, false, 1}, {50, true, false, 51}};
  LogTable table;
  fill(table, 100);
  LogViewer viewer;
  for (const auto& w : wheels) {
    table.cursor = w.cursor;
    EXPECT_EQ(viewer.wheel(table, w.up, w.shift, false), w.after != w.cursor);
    EXPECT_EQ(table.cursor, w.after) << w.cursor;
  }
  EXPECT_TRUE(viewer.wheel(table, true, false, true));
  EXPECT_EQ(viewer.zoom(), 2);
  viewer.wheel(table, false, false, true);
  EXPECT_FALSE(viewer.wheel(table, false, false, true));
  for (int i = 0; i < 12; ++i) viewer.zoomIn();
  EXPECT_EQ(viewer.zoom(), 1024);
  while (viewer.zoom() > 1) viewer.zoomOut();

  fill(table, 1001);
  const std::pair<double, int> atZoom1[] = {{380, 501}, {0, 1}, {1, 2}, {760, 1001}};
  for (const auto& [x, cursor] : atZoom1) {
    EXPECT_TRUE(viewer.click(table, x));
    EXPECT_EQ(table.cursor, cursor) << x;
  }
  viewer.zoomIn();
  viewer.zoomIn();
  const std::pair<double, int> atZoom4[] = {{760, 625}, {0, 375}, {-5, 375}};
  for (const auto& [x, cursor] : atZoom4) {
    table.cursor = 500;
    viewer.click(table, x);
    EXPECT_EQ(table.cursor, cursor) << x;
  }
  // With a single record neither wheel nor click do anything.
  fill(table, 1);
  table.cursor = 1;
  EXPECT_FALSE(viewer.click(table, 300));
  EXPECT_FALSE(viewer.wheel(table, true, false, false));
  EXPECT_FALSE(viewer.wheel(table, true, false, true));
}

TEST(LogViewerTexts, ValuesAtTheCursor) {
  LogTable table;
  table.storeRecord(1, {3723456, 4230, 37, 71, 24, 0.855f, 0.8f, 0, 1, 0, 0, 0, 1, -12, 2150});
  const ViewerTexts t = LogViewer().texts(table, 200);
  EXPECT_EQ(t.values, (std::array<std::string, kLogChannels>{"4230", "37", "71", "24", "0.855",
                                                             "0.800", "0.000", "Ein", "Aus", "Aus",
                                                             "Aus", "Ein", "-12", "2150 (13984)"}));
  EXPECT_EQ(t.dataPoint, "1");
  EXPECT_EQ(t.timeMs, "3723456");
  EXPECT_EQ(t.timeClock, "(01:02:03.456)");
  EXPECT_EQ(t.visibleRecords, "1");

  struct Injection {
    float us, rpm;
    int switchTime;
    const char* text;
  };
  const Injection cases[] = {{2150, 0, 0, "2150 (max.)"},        {2150, 2000, 0, "2150 (max.)"},
                             {2150, 3000, 0, "2150 (20000)"},    {500, 16000, 4000, "500 (0)"},
                             {1000.5f, 6000, 0, "1000 (10000)"}, {10, -100, 0, "10 (0)"}};
  for (const auto& c : cases) EXPECT_EQ(injectionValueText(c.us, c.rpm, c.switchTime), c.text);
  const std::pair<int, const char*> zooms[] = {{1, "100.00%"}, {2, "50.00%"},  {8, "12.50%"},
                                               {64, "1.56%"},  {128, "0.78%"}, {512, "0.20%"},
                                               {1024, "0.10%"}};
  for (const auto& [zoom, text] : zooms) EXPECT_EQ(zoomText(zoom), text);
}

// The points of engine speed's line at the top of its strip (16000 1/min), zoomed in.
std::vector<DrawPoint> topPoints(const Drawing& d) {
  const auto& speed = std::get<DrawPolyline>(d.items[14]);
  std::vector<DrawPoint> top;
  for (const auto& p : speed.points)
    if (p.y == 1) top.push_back(p);
  EXPECT_LE(speed.points.size(), 2u * 760u);
  return top;
}

// The pixel columns where engine speed's runs reach the top of its strip, at zoom 1.
std::vector<int> topColumns(const Drawing& d) {
  const auto& speed = std::get<DrawColumnSpans>(d.items[14]);
  EXPECT_EQ(speed.left, 0);
  EXPECT_EQ(speed.spans.size(), 760u);
  std::vector<int> top;
  for (std::size_t i = 0; i < speed.spans.size(); ++i)
    if (speed.spans[i].top == 1) top.push_back(static_cast<int>(i));
  return top;
}

TEST(LogViewerDrawing, EachPixelColumnShowsTheExtremesOfItsRecords) {
  LogTable table;
  fill(table, 10000);
  table.storeRecord(5000, LogRecord{0, 16000});
  table.setCount(10000);
  LogViewer viewer;
  const Drawing& d = viewer.draw(table);
  ASSERT_EQ(d.items.size(), 1u + 13u + 14u + 1u);
  // 9999 records over 760 pixels: record 5000 lies at x 379.96, in column 379, which runs
  // from the top row (1) to the bottom row (99) of the strip; every other column is the
  // single bottom row.
  std::vector<int> top = topColumns(d);
  EXPECT_EQ(top, (std::vector<int>{379}));
  const auto& speed = std::get<DrawColumnSpans>(d.items[14]).spans;
  for (int px : {0, 378, 379, 380, 759})
    EXPECT_EQ(speed[px], (ColumnSpan{px == 379 ? 1 : 99, 99})) << px;

  // Appended records are taken into the summary as they come.
  table.storeRecord(10001, LogRecord{0, 16000});
  EXPECT_EQ(topColumns(viewer.draw(table)), (std::vector<int>{379, 759}));

  // Zoomed in, the line goes through the records: a span of 10000 / 1024 records from
  // 4995 on over 760 pixels puts record 5000 at x 5 * 760 / 9.765625.
  for (int i = 0; i < 10; ++i) viewer.zoomIn();
  table.cursor = 5000;
  const Drawing& zoomed = viewer.draw(table);
  // The ten records in view and the next one, behind the right edge.
  const auto& zoomedSpeed = std::get<DrawPolyline>(zoomed.items[14]).points;
  ASSERT_EQ(zoomedSpeed.size(), 11u);
  EXPECT_NEAR(zoomedSpeed.back().x, 10 * 760 / 9.765625, 0.01);
  const std::vector<DrawPoint> zoomedTop = topPoints(zoomed);
  ASSERT_EQ(zoomedTop.size(), 1u);
  EXPECT_NEAR(zoomedTop[0].x, 389.12, 0.01);
  EXPECT_NEAR(std::get<DrawLine>(zoomed.items.back()).from.x, 389.12, 0.01);
}

// The strips are built anew exactly when what they show changed, never for a cursor step
// that keeps the same records in view.
TEST(LogViewerDrawing, StripsAreBuiltAnewOnlyWhenTheRecordsInViewChange) {
  struct Step {
    const char* what;
    std::function<void(LogTable&, LogViewer&)> change;
    bool rebuilt;
  };
  const Step steps[] = {
      {"cursor at zoom 1", [](LogTable& t, LogViewer&) { t.cursor = 700; }, false},
      {"record appended", [](LogTable& t, LogViewer&) { t.storeRecord(1001, LogRecord{}); }, true},
      {"zoom", [](LogTable&, LogViewer& v) { v.zoomIn(); }, true},
      {"cursor zoomed in", [](LogTable& t, LogViewer&) { t.cursor = 300; }, true},
      {"cursor at the end, then one back", [](LogTable& t, LogViewer&) { t.cursor = 1001; }, true},
      {"", [](LogTable& t, LogViewer&) { t.cursor = 1000; }, false},
      {"record rewritten", [](LogTable& t, LogViewer&) { t.storeRecord(5, LogRecord{}); }, true},
      {"channel checked", [](LogTable&, LogViewer& v) { v.setChecked(3, true); }, true},
      {"wider", [](LogTable&, LogViewer& v) { v.setWindowWidth(1000); }, true},
      {"nothing", [](LogTable&, LogViewer&) {}, false},
  };
  LogTable table;
  fill(table, 1000);
  table.cursor = 1;
  LogViewer viewer;
  viewer.strips(table);
  for (const auto& step : steps) {
    const std::uint64_t before = viewer.stripsSerial();
    step.change(table, viewer);
    viewer.strips(table);
    EXPECT_EQ(viewer.stripsSerial() != before, step.rebuilt) << step.what;
  }
}

}  // namespace
}  // namespace qx
