#include "ui/setup/SettingsWindowController.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include "core/app/Program.h"
#include "core/app/ProgramSettingsFile.h"
#include "core/setup/SetupFields.h"
#include "core/util/Files.h"
#include "forms/Einstellungendialog.h"
#include "forms/Hauptdialog.h"
#include "support/AppHarness.h"
#include "support/Fakes.h"
#include "ui/app/Application.h"
#include "ui/mainwin/MainWindowController.h"

namespace qx {
namespace {

using F = SetupField;

struct SettingsWindowFixture : ::testing::Test, test::AppHarness {
  void SetUp() override { startApp(); }
  void startApp() { ASSERT_TRUE(launch()); }
  SettingsWindowController& settings() {
    return static_cast<SettingsWindowController&>(*app->controller(WindowId::Settings));
  }
  Einstellungendialog& form() { return settings().form(); }
  SetupRecord& setup() { return app->program().setup.record; }
  QLineEdit& field(F f) { return *form().field(f); }
  void openSettings() {
    QTest::mouseClick(mainForm().settingsButton, Qt::LeftButton);
    // Focus events reach the fields only while their window is the active one.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  }
  void type(F f, const QString& text) {
    field(f).setFocus();
    field(f).selectAll();
    QTest::keyClicks(&field(f), text);
  }
  QGroupBox* frame(const QString& title) {
    for (QGroupBox* box : form().area()->findChildren<QGroupBox*>())
      if (box->title() == title) return box;
    return nullptr;
  }
};

TEST_F(SettingsWindowFixture, EinstellungenOpensTheFilledWindow) {
  QPushButton* button = mainForm().settingsButton;
  EXPECT_EQ(button->geometry(), QRect(10, 750, 100, 25));
  EXPECT_EQ(button->toolTip(), QStringLiteral("Öffnet das Fenster 'Einstellungen'"));
  EXPECT_FALSE(form().isVisible());

  openSettings();
  EXPECT_TRUE(form().isVisible());
  EXPECT_TRUE(app->program().windowShown(WindowId::Settings));
  EXPECT_EQ(form().windowTitle(), QStringLiteral("Quarnelix1.E - Einstellungen"));
  EXPECT_EQ(form().area()->size(), QSize(750, 720));
  // Start values, shown as the window shows them.
  EXPECT_EQ(field(F::RetardRpm).text(), QStringLiteral("1000"));
  EXPECT_EQ(field(F::CoilChargeTime).text(), QStringLiteral("250"));
  EXPECT_EQ(field(F::EmergencyIgnitionAngle).text(), QStringLiteral("-30"));
  EXPECT_EQ(field(F::EngineTempPoint1Volt).text(), QStringLiteral("0.00"));
  EXPECT_TRUE(form().option(F::SensorEdge, 0)->isChecked());
  EXPECT_TRUE(form().option(F::Output2Mode, 0)->isChecked());

  ASSERT_NE(frame(QStringLiteral("Motor")), nullptr);
  EXPECT_EQ(frame(QStringLiteral("Motor"))->geometry(), QRect(10, 0, 500, 115));
  EXPECT_EQ(frame(QStringLiteral("Sensoren"))->geometry(), QRect(10, 315, 730, 115));
  EXPECT_EQ(frame(QStringLiteral("Schaltausgänge"))->geometry(), QRect(380, 430, 360, 285));
  // Every control lies inside the scroll area.
  for (QWidget* w : form().area()->findChildren<QWidget*>())
    EXPECT_TRUE(QRect(0, 0, 750, 720).contains(w->geometry())) << w->metaObject()->className();
}

TEST_F(SettingsWindowFixture, ReturnTakesOverAndTheMainWindowShowsTheLimiter) {
  openSettings();
  type(F::RetardRpm, QStringLiteral("20000"));
  type(F::RetardAngle, QStringLiteral("12"));
  QTest::keyClick(&field(F::RetardAngle), Qt::Key_Return);
  EXPECT_EQ(field(F::RetardRpm).text(), QStringLiteral("16000"));
  EXPECT_EQ(setup().retardRpm, 160);
  EXPECT_EQ(setup().retardAngle, 12);
  EXPECT_EQ(mainForm().retardRpmValue->text(), QStringLiteral("16000"));
  EXPECT_EQ(mainForm().retardAngleValue->text(), QStringLiteral("12"));
  // The layout gives position and width; the height is the one-line text height.
  EXPECT_EQ(mainForm().retardRpmValue->geometry().topLeft(), QPoint(340, 145));
  EXPECT_EQ(mainForm().retardRpmValue->width(), 40);
  EXPECT_EQ(mainForm().retardAngleValue->geometry().topLeft(), QPoint(400, 145));
  EXPECT_EQ(mainForm().retardAngleValue->width(), 30);

  // The Execute key does the same.
  type(F::CoilChargeTime, QStringLiteral("3100"));
  // The Execute key has no text; it is sent as a bare key press and release.
  QTest::sendKeyEvent(QTest::Press, &field(F::CoilChargeTime), Qt::Key_Execute, QString(),
                      Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Release, &field(F::CoilChargeTime), Qt::Key_Execute, QString(),
                      Qt::NoModifier);
  EXPECT_EQ(field(F::CoilChargeTime).text(), QStringLiteral("3000"));
  EXPECT_EQ(setup().coilChargeTime, 12);
}

TEST_F(SettingsWindowFixture, LeavingAFieldTakesOverEveryFieldAndOrdersTheOutputSpeeds) {
  openSettings();
  // Texts typed elsewhere in the window are taken over too, not only the field left.
  field(F::EngineTempPoint2Temp).setText(QStringLiteral("130"));
  field(F::DynamicFactor1).setText(QStringLiteral("2.5"));
  field(F::Output1RpmOn).setText(QStringLiteral("9000"));
  type(F::Output1RpmOff, QStringLiteral("3000"));
  field(F::StartInjectionTime).setFocus();  // leaves the off-speed field
  EXPECT_EQ(field(F::Output1RpmOn).text(), QStringLiteral("3000"));
  EXPECT_EQ(field(F::Output1RpmOff).text(), QStringLiteral("9000"));
  EXPECT_EQ(setup().output1RpmOn, 30);
  EXPECT_EQ(setup().output1RpmOff, 90);
  EXPECT_EQ(field(F::EngineTempPoint2Temp).text(), QStringLiteral("120"));
  EXPECT_EQ(field(F::DynamicFactor1).text(), QStringLiteral("3"));
}

TEST_F(SettingsWindowFixture, OptionsAndCheckBoxesTakeEffectAtOnce) {
  openSettings();
  QTest::mouseClick(form().option(F::SensorEdge, 1), Qt::LeftButton);
  EXPECT_EQ(setup().sensorEdge, 1);
  QTest::mouseClick(form().option(F::Output2Mode, 3), Qt::LeftButton);
  EXPECT_EQ(setup().output2Mode, 3);
  QTest::mouseClick(form().option(F::CoilDriver, 1), Qt::LeftButton);
  EXPECT_EQ(setup().coilDriver, 1);
  QTest::mouseClick(form().check(F::StartInjectionOff), Qt::LeftButton);
  EXPECT_EQ(setup().startInjectionOff, 1);
  QTest::mouseClick(form().check(F::StartInjectionOff), Qt::LeftButton);
  EXPECT_EQ(setup().startInjectionOff, 0);
}

TEST_F(SettingsWindowFixture, CloseOnlyHidesAndReopeningShowsTheRecordAgain) {
  openSettings();
  type(F::SensorAngle, QStringLiteral("45"));  // typed, not taken over
  form().close();
  EXPECT_FALSE(form().isVisible());
  EXPECT_FALSE(app->program().windowShown(WindowId::Settings));

  setup().sensorAngle = 33;
  openSettings();
  EXPECT_TRUE(form().isVisible());
  EXPECT_EQ(field(F::SensorAngle).text(), QStringLiteral("33"));

  // Already open: only brought to the front, what is typed stays.
  field(F::SensorAngle).setText(QStringLiteral("44"));
  openSettings();
  EXPECT_EQ(field(F::SensorAngle).text(), QStringLiteral("44"));
}

TEST_F(SettingsWindowFixture, ABulkChangeOfTheSetupRefillsTheWindow) {
  openSettings();
  app->context().handle([this] {
    setup().coilDriver = 1;
    setup().quickStartRpm = 50;
    app->program().showSetup();
  });
  EXPECT_TRUE(form().option(F::CoilDriver, 1)->isChecked());
  EXPECT_EQ(field(F::QuickStartRpm).text(), QStringLiteral("1000"));
}

TEST_F(SettingsWindowFixture, MaximisingGivesTheNormalStateAtTheContentSize) {
  openSettings();
  form().resize(400, 300);
  form().move(200, 150);
  EXPECT_EQ(form().scrollArea()->size(), QSize(400, 300));  // the scroll area follows
  form().setWindowState(Qt::WindowMaximized);
  QTest::qWait(50);
  EXPECT_FALSE(form().windowState() & Qt::WindowMaximized);
  EXPECT_EQ(form().size(), QSize(750, 720));
  EXPECT_EQ(form().pos(), QPoint(200, 150));
}

TEST_F(SettingsWindowFixture, MeasuredVoltagesWithTwoDecimals) {
  // The live-data cycle keeps the sensor voltages of the last "A" reply as text; the window
  // shows them while it is open.
  openSettings();
  program().sensorVoltages.texts = {"1.23", "0.50", "2.00"};
  app->refreshWindows();
  EXPECT_EQ(form().measured[0]->text(), QStringLiteral("1.23"));
  EXPECT_EQ(form().measured[1]->text(), QStringLiteral("0.50"));
  EXPECT_EQ(form().measured[2]->text(), QStringLiteral("2.00"));
}

TEST_F(SettingsWindowFixture, StartWithoutSettingsFileSaysSoAndTheEndWritesIt) {
  ASSERT_FALSE(requesters.shown.empty());
  EXPECT_EQ(requesters.shown.back().title, "Quarnelix");
  EXPECT_EQ(app->program().logTable.capacity(), 3600);

  openSettings();
  form().move(321, 123);
  form().resize(600, 500);
  mainForm().move(50, 60);
  app->program().settings.comTimerMs = 250;
  EXPECT_EQ(app->finish(), 0);
  ASSERT_TRUE(fileExists(dir.file("Quarnelix.cfg")));

  // The next start reads it: geometry applied to the windows that exist.
  app.reset();
  requesters.shown.clear();
  startApp();
  // No settings file message (a small test screen may still bring the size warning).
  for (const auto& shown : requesters.shown) EXPECT_NE(shown.title, "Quarnelix") << shown.text;
  EXPECT_EQ(app->program().settings.comTimerMs, 250);
  EXPECT_EQ(form().pos(), QPoint(321, 123));
  EXPECT_EQ(form().size(), QSize(600, 500));
  EXPECT_EQ(mainForm().pos(), QPoint(50, 60));
  EXPECT_EQ(mainForm().size(), QSize(830, 780));
  EXPECT_EQ(app->program().messages.statusLine(), "ORK Einstellungsdatei gelesen");
}

}  // namespace
}  // namespace qx
