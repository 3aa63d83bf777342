// The main window's "Kommunikation" group against the simulated unit.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "forms/Canvas.h"
#include "forms/Hauptdialog.h"
#include "support/Fakes.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "ui/app/Application.h"
#include "ui/mainwin/MainWindowController.h"

namespace qx {
namespace {

QColor lampCentre(Canvas* lamp) {
  const QImage image = lamp->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(Communication, ConnectsShowsTheUnitAndGoesOffWhenUnticked) {
  test::TempDir dir;
  test::SimProcess sim(ORK_SIM_PATH, dir.path(), {"--scenario", "idle"});
  test::ScriptedRequesters requesters;
  StartOptions options;
  options.programDirectory = dir.path();
  options.startLogo = false;
  options.extraPorts = {sim.link()};
  options.connect = true;
  Application app(options, &requesters);
  ASSERT_TRUE(app.start());
  Hauptdialog& f = app.mainWindow().form();

  EXPECT_EQ(f.portList->currentText().toStdString(), sim.link());
  EXPECT_TRUE(f.comCheck->isChecked());
  EXPECT_EQ(lampCentre(f.connectionLamp), QColor(255, 0, 0));  // ticked, not yet identified

  app.comTimerFired();
  EXPECT_EQ(f.hardwareValue->text(), QStringLiteral("1.2"));
  EXPECT_EQ(f.softwareValue->text(), QStringLiteral("2.7"));
  EXPECT_EQ(f.statusLine->text(), QStringLiteral("ORK wurde identifiziert"));
  EXPECT_EQ(lampCentre(f.connectionLamp), QColor(0, 255, 0));

  QTest::mouseClick(f.comCheck, Qt::LeftButton, {}, QPoint(8, f.comCheck->height() / 2));
  EXPECT_FALSE(app.program().com.checked);
  app.comTimerFired();
  EXPECT_EQ(f.statusLine->text(), QStringLiteral("COM aus"));
  EXPECT_TRUE(f.hardwareValue->text().isEmpty());
  EXPECT_EQ(lampCentre(f.connectionLamp), QColor(127, 127, 127));
  EXPECT_FALSE(app.program().link.portOpen);
}

}  // namespace
}  // namespace qx
