#include "core/app/MapRedraw.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(MapRedrawRule, WithoutUnitOnlyShortcutsAndTheWheelRedraw) {
  EditorBoxes all{true, true, true, true, true, true, true, true, true};
  EXPECT_FALSE(mapRedrawRule({EventKind::Timer, EventSource::None}, all, false).any());
  EXPECT_FALSE(mapRedrawRule({EventKind::Other, EventSource::MapPos}, all, false).any());

  RedrawSet wheel = mapRedrawRule({EventKind::Wheel, EventSource::None}, {}, false);
  EXPECT_TRUE(wheel.injectionMap);
  EXPECT_FALSE(wheel.airTemp || wheel.engineTemp || wheel.ignition);

  RedrawSet key = mapRedrawRule({EventKind::Shortcut, EventSource::None}, {}, false);
  EXPECT_TRUE(key.injectionMap && key.airTemp && key.engineTemp && key.ignition);
}

TEST(MapRedrawRule, IdentifiedUnitRedrawsEditorsByTheirBoxesAndTheirOwnControls) {
  EditorBoxes boxes;
  boxes.airAuto = true;
  boxes.ignitionPos = true;
  RedrawSet tick = mapRedrawRule({EventKind::Timer, EventSource::None}, boxes, true);
  EXPECT_FALSE(tick.injectionMap);
  EXPECT_TRUE(tick.airTemp);
  EXPECT_FALSE(tick.engineTemp);
  EXPECT_TRUE(tick.ignition);

  // "kapp" alone keeps the map redrawn; "Start" only by its own click.
  boxes = {};
  boxes.mapKapp = true;
  EXPECT_TRUE(mapRedrawRule({EventKind::Timer, EventSource::None}, boxes, true).injectionMap);
  RedrawSet start = mapRedrawRule({EventKind::Other, EventSource::MapStart}, {}, true);
  EXPECT_TRUE(start.injectionMap);
  EXPECT_FALSE(start.airTemp);
  RedrawSet pos = mapRedrawRule({EventKind::Other, EventSource::EngineTempPos}, {}, true);
  EXPECT_TRUE(pos.engineTemp);
  EXPECT_FALSE(pos.injectionMap || pos.airTemp || pos.ignition);
}

}  // namespace
}  // namespace qx
