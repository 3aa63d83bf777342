// The test window driven offscreen against the simulated unit: opened from the main window,
// fields taken over with their clamps, the sensor position sent and shown in both windows,
// the unit's and the setup's device columns. With QX_SHOT_DIR set, the window is saved there
// as a PNG picture.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/app/Program.h"
#include "core/setup/SetupFields.h"
#include "forms/Einstellungendialog.h"
#include "forms/Testdialog.h"
#include "support/AppHarness.h"
#include "support/SimProcess.h"
#include "ui/setup/SettingsWindowController.h"
#include "ui/testmode/TestWindowController.h"

namespace qx {
namespace {

struct TestWindowFixture : ::testing::Test, test::AppHarness {
  void SetUp() override {
    sim = std::make_unique<test::SimProcess>(ORK_SIM_PATH, dir.path(),
                                             std::vector<std::string>{"--scenario", "idle"});
    StartOptions options;
    options.extraPorts = {sim->link()};
    options.connect = true;
    ASSERT_TRUE(launch(options));
    app->comTimerFired();  // identifies the unit
    ASSERT_TRUE(program().link.unitIdentified);
    QTest::mouseClick(mainForm().testButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  }
  Testdialog& form() {
    return static_cast<TestWindowController*>(app->controller(WindowId::Test))->form();
  }
  void enter(QLineEdit* edit, const QString& text, Qt::Key key = Qt::Key_Return) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, key);
  }
  std::size_t traced(const std::string& line) {
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    const std::string t = sim->traceText();
    std::size_t n = 0;
    for (std::size_t at = t.find(line); at != std::string::npos; at = t.find(line, at + 1)) ++n;
    return n;
  }

  std::unique_ptr<test::SimProcess> sim;
};

TEST_F(TestWindowFixture, OpensFromTheMainWindowWithBothDeviceColumns) {
  EXPECT_EQ(form().windowTitle(), QStringLiteral("Quarnelix1.E - Test"));
  EXPECT_EQ(form().area()->size(), QSize(900, 575));
  app->comTimerFired();
  EXPECT_EQ(form().connectedUnit.device->text().toStdString(),
            connectedUnitTexts(program().device).device);
  EXPECT_FALSE(form().connectedUnit.device->text().isEmpty());
  if (const char* folder = std::getenv("QX_SHOT_DIR"))
    form().grab().save(QString::fromUtf8(folder) + "/test.png");
}

TEST_F(TestWindowFixture, FieldsAreTakenOverWithTheirStepsAndClampsOnReturnAndKeypadEnter) {
  struct Case {
    TestField field;
    const char* typed;
    Qt::Key key;
    const char* shown;
  };
  // The charge time is kept in 250 µs steps (cut toward zero) within 1..32 steps.
  const Case cases[] = {
      {TestField::CoilChargeTime, "1100", Qt::Key_Return, "1000"},
      {TestField::CoilChargeTime, "99999", Qt::Key_Enter, "8000"},
      {TestField::CoilChargeTime, "10", Qt::Key_Return, "250"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    enter(form().field(c.field), QString::fromUtf8(c.typed), c.key);
    EXPECT_EQ(form().field(c.field)->text(), QString::fromUtf8(c.shown));
  }
  EXPECT_EQ(program().setup.record.coilChargeTime, 1);
  // The charge time is also a field of the settings window.
  app->context().openWindow(WindowId::Settings);
  auto& settings = static_cast<SettingsWindowController&>(*app->controller(WindowId::Settings));
  EXPECT_EQ(settings.form().field(SetupField::CoilChargeTime)->text(), QStringLiteral("250"));
}

TEST_F(TestWindowFixture, SensorPositionIsSentAlsoAtItsLimitAndShownInBothWindows) {
  program().setup.record.sensorAngle = 179;
  for (int i = 0; i < 3; ++i) QTest::mouseClick(form().sensorUpButton, Qt::LeftButton);
  EXPECT_EQ(program().setup.record.sensorAngle, 180);
  EXPECT_EQ(form().sensorPositionValue->text(), QStringLiteral("180"));
  EXPECT_EQ(traced(" = sensor 180\n"), 3u);
  QTest::mouseClick(form().sensorDownButton, Qt::LeftButton);
  EXPECT_EQ(program().setup.record.sensorAngle, 179);
  app->context().openWindow(WindowId::Settings);
  auto& settings = static_cast<SettingsWindowController&>(*app->controller(WindowId::Settings));
  EXPECT_EQ(settings.form().field(SetupField::SensorAngle)->text(), QStringLiteral("179"));
}

}  // namespace
}  // namespace qx
