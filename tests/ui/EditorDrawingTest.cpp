// The editors' drawing areas painted offscreen: colours at positions worked out by hand from
// the map geometry (origin (120, 345), 18 px per speed index, a throttle index 10 px left
// and 10 px up, 240 px up to the ceiling).

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "core/app/Program.h"
#include "forms/Canvas.h"
#include "forms/Hauptdialog.h"
#include "support/AppHarness.h"
#include "support/Fakes.h"
#include "ui/app/Application.h"
#include "ui/mainwin/MainWindowController.h"

namespace qx {
namespace {

struct EditorDrawingFixture : ::testing::Test, test::AppHarness {
  Hauptdialog* f = nullptr;

  void SetUp() override {
    ASSERT_TRUE(launch());
    f = &app->mainWindow().form();
    f->activateWindow();
  }
  static QImage picture(Canvas* canvas) { return canvas->grab().toImage(); }
  // Whether any pixel within one pixel of (x, y) has the colour (painting may round a
  // computed position to either neighbour).
  static bool colourNear(const QImage& image, int x, int y, QColor colour) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (image.pixelColor(x + dx, y + dy) == colour) return true;
    return false;
  }
};

TEST_F(EditorDrawingFixture, MapGridAndBackgroundArePainted) {
  const QImage image = picture(f->mapCanvas);
  ASSERT_EQ(image.size(), QSize(450, 375));
  const Rgb bg = program().editors.drawingBackground;
  EXPECT_EQ(image.pixelColor(445, 370), QColor(bg.r, bg.g, bg.b));
  // The grid line of throttle index 1 from speed index 0 to 1: (110, 335) to (128, 335).
  EXPECT_EQ(image.pixelColor(119, 335), QColor(0, 0, 255));
  EXPECT_NE(image.pixelColor(119, 330), QColor(0, 0, 255));
}

TEST_F(EditorDrawingFixture, F5MarksTheEditingPointAndFillsTheLabels) {
  program().setup.record.mapCell(8, 4) = 50;  // ceiling 100: 120 px above its throttle line
  program().editors.mapSpeed = 8;
  program().editors.mapThrottle = 4;
  app->redrawAllEditors();
  const QImage before = picture(f->mapCanvas);
  EXPECT_FALSE(colourNear(before, 224, 181, QColor(255, 0, 0)));

  QTest::keyClick(f, Qt::Key_F5);
  EXPECT_EQ(f->mapSpeedValue->text(), QStringLiteral("8000"));
  EXPECT_EQ(f->mapThrottleValue->text(), QStringLiteral("50"));
  EXPECT_EQ(f->mapInjectionValue->text(), QStringLiteral("50"));
  // The point is at (144 - 40, -40 - 120) from the origin: (224, 185). Its circles of
  // radius 3 and 4 pass above and below it.
  const QImage image = picture(f->mapCanvas);
  EXPECT_TRUE(colourNear(image, 224, 181, QColor(255, 0, 0)));
  EXPECT_TRUE(colourNear(image, 224, 189, QColor(255, 0, 0)));
  EXPECT_FALSE(colourNear(image, 224, 176, QColor(255, 0, 0)));
}

TEST_F(EditorDrawingFixture, LivePositionFollowsTheSampleWithPos) {
  program().vital.engineSpeedClamped = 8000;  // x = 30 + 8 * 15 on the ignition curve
  f->ignitionEditor.posCheck->setChecked(true);
  // Without a unit only keys redraw the editors: F8 does.
  QTest::keyClick(f, Qt::Key_F8);
  const QImage image = picture(f->ignitionEditor.canvas);
  ASSERT_EQ(image.size(), QSize(310, 115));
  EXPECT_EQ(image.pixelColor(150, 50), QColor(127, 127, 0));

  // The learned map changed the map: it is redrawn at the next refresh.
  program().setup.record.injectionMap.fill(0);
  program().setup.record.mapCell(0, 1) = 100;
  program().editors.mapChanged = true;
  app->refreshWindows();
  EXPECT_FALSE(program().editors.mapChanged);
  // (0, 1) now stands 240 px above its throttle line, at (110, 95): the line from it to
  // (1, 1) at (128, 335) starts there.
  EXPECT_TRUE(colourNear(picture(f->mapCanvas), 110, 96, QColor(0, 0, 255)));
}

}  // namespace
}  // namespace qx
