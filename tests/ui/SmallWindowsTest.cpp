// The help window, the big display and the emergency window driven offscreen against the
// simulated unit, opened the way a user opens them.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/app/Program.h"
#include "forms/grossbild.h"
#include "forms/hilfedialog.h"
#include "forms/notprogramm.h"
#include "support/AppHarness.h"
#include "support/SimProcess.h"
#include "ui/display/BigDisplayController.h"
#include "ui/mainwin/EmergencyWindowController.h"
#include "ui/mainwin/HelpWindowController.h"

namespace qx {
namespace {

struct SmallWindowsFixture : ::testing::Test, test::AppHarness {
  void SetUp() override {
    sim = std::make_unique<test::SimProcess>(ORK_SIM_PATH, dir.path(),
                                             std::vector<std::string>{"--scenario", "idle"});
    StartOptions options;
    options.extraPorts = {sim->link()};
    options.connect = true;
    ASSERT_TRUE(launch(options));
    app->comTimerFired();  // identifies the unit
    ASSERT_TRUE(program().link.unitIdentified);
  }
  template <class Controller>
  auto& form(WindowId id) {
    return static_cast<Controller*>(app->controller(id))->form();
  }
  // Ticks until `done` holds, at most about ten seconds.
  template <class Done>
  bool tickUntil(Done done) {
    for (int i = 0; i < 100 && !done(); ++i) {
      app->comTimerFired();
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return done();
  }

  std::unique_ptr<test::SimProcess> sim;
};

TEST_F(SmallWindowsFixture, F1ShowsTheHelpWindowWithItsKeyColumns) {
  auto& help = form<HelpWindowController>(WindowId::Help);
  EXPECT_FALSE(help.isVisible());
  mainForm().activateWindow();
  QTest::keyClick(&mainForm(), Qt::Key_F1);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowTitle(), QStringLiteral("Quarnelix1.E - Hilfe"));
  EXPECT_TRUE(help.keys->text().startsWith(QStringLiteral("Hauptfenster Tasten\n\nESC\nF1\n")));
  EXPECT_TRUE(help.explanations->text().startsWith(QStringLiteral("Erklärung\n\n")));
  // The columns are aligned line for line.
  EXPECT_EQ(help.keys->text().count(QChar('\n')), help.explanations->text().count(QChar('\n')));
}

TEST_F(SmallWindowsFixture, TheBigDisplayOpensFromItsButtonAndKeepsFourToThree) {
  auto& display = form<BigDisplayController>(WindowId::BigDisplay);
  QTest::mouseClick(mainForm().bigDisplayButton, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
  EXPECT_TRUE(display.windowTitle().endsWith(QStringLiteral(" - Grossbild")));
  for (const QSize asked : {QSize(1000, 500), QSize(640, 600), QSize(100, 50)}) {
    SCOPED_TRACE(asked.width());
    display.resize(asked);
    QCoreApplication::processEvents();
    const QSize area = display.canvas->size();
    EXPECT_NEAR(area.width() * 3.0 / area.height(), 4.0, 0.05);
    EXPECT_GE(area.width(), 160);
    EXPECT_GE(area.height(), 120);
  }
  if (const char* folder = std::getenv("QX_SHOT_DIR")) {
    for (const QSize size : {QSize(640, 480), QSize(1280, 960)}) {
      display.resize(size);
      for (int i = 0; i < 5; ++i) app->comTimerFired();
      QCoreApplication::processEvents();
      display.grab().save(QString::fromUtf8(folder) + QStringLiteral("/grossbild-%1.png").arg(size.width()));
    }
  }
}

TEST_F(SmallWindowsFixture, TheEmergencyWindowStaysWhileConnectedAndCanBeClosedAfterwards) {
  auto& emergency = form<EmergencyWindowController>(WindowId::Emergency);
  sim->setFault("overheat");
  ASSERT_TRUE(tickUntil([&] { return emergency.isVisible(); }));
  EXPECT_TRUE(emergency.windowTitle().endsWith(QStringLiteral(" - Notprogramm")));
  EXPECT_EQ(emergency.warning->text(), QStringLiteral("!!!   Notprogramm ist aktiv   !!!"));
  EXPECT_FALSE(emergency.closeButton->isVisible());

  // The connection lost: the window stays, its button appears and closes it.
  mainForm().comCheck->click();
  ASSERT_TRUE(tickUntil([&] { return emergency.closeButton->isVisible(); }));
  EXPECT_TRUE(emergency.isVisible());
  QTest::mouseClick(emergency.closeButton, Qt::LeftButton);
  EXPECT_FALSE(emergency.isVisible());
  // Disconnected, it does not come back although the last sample reported the program.
  for (int i = 0; i < 3; ++i) app->comTimerFired();
  EXPECT_FALSE(emergency.isVisible());
}

}  // namespace
}  // namespace qx
