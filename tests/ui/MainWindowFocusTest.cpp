// The main window as a user drives it: keys while a text field has the focus, the
// description in the setup file, the keypad's Enter, the wheel over the map, the lamp.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <cstdio>
#include <sstream>

#include "core/app/Program.h"
#include "core/setup/SetupFields.h"
#include "core/setup/SetupFile.h"
#include "core/util/Files.h"
#include "forms/Canvas.h"
#include "forms/Einstellungendialog.h"
#include "forms/Hauptdialog.h"
#include "support/AppHarness.h"
#include "support/SimProcess.h"
#include "ui/app/Application.h"
#include "ui/mainwin/MainWindowController.h"
#include "ui/setup/SettingsWindowController.h"

namespace qx {
namespace {

// The comment of a setup file as the program reads it back.
std::string commentOf(const std::string& path) {
  const auto bytes = readWholeFile(path);
  if (!bytes || bytes->size() != kSetupFileSize) return "<keine Setup-Datei>";
  return parseSetupFile(*bytes).header.comment;
}

QColor lampCentre(Canvas* lamp) {
  const QImage image = lamp->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

// The "K" lines of the simulator's trace, without their time stamps.
std::vector<std::string> mapWrites(const std::string& trace) {
  std::vector<std::string> out;
  std::istringstream in(trace);
  for (std::string line; std::getline(in, line);) {
    const auto k = line.find(" K ");
    if (k != std::string::npos) out.push_back(line.substr(k + 1));
  }
  return out;
}

struct MainWindowFocusFixture : ::testing::Test, test::AppHarness {
  Hauptdialog* f = nullptr;
  void start(StartOptions options = {}) {
    ASSERT_TRUE(launch(options));
    f = &mainForm();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
  }
  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f, k, mods);
  }
  void typeIntoDescription(const QString& text) {
    f->descriptionField->setFocus();
    QTest::keyClicks(f->descriptionField, text);
  }
};

TEST_F(MainWindowFocusFixture, EditingFromTheDescriptionFieldEditsTheMapAndSavesTheTypedText) {
  test::SimProcess sim(ORK_SIM_PATH, dir.path(), {"--scenario", "idle"});
  StartOptions options;
  options.extraPorts = {sim.link()};
  options.connect = true;
  start(options);
  app->comTimerFired();
  ASSERT_TRUE(program().link.unitIdentified);
  QTest::mouseClick(f->toPcButton, Qt::LeftButton);  // the unit's map, none of it 0
  const int cell00 = program().setup.record.mapCell(0, 0),
            cell11 = program().setup.record.mapCell(1, 1);
  ASSERT_GT(cell11, 0);

  typeIntoDescription(QStringLiteral("Motor A"));
  key(Qt::Key_Return);
  key(Qt::Key_F5);
  EXPECT_NE(QApplication::focusWidget(), f->descriptionField);  // F5 takes the focus away
  f->descriptionField->setFocus();  // and a click puts it back: the keys still edit
  key(Qt::Key_Plus);
  key(Qt::Key_Right);
  key(Qt::Key_Up);
  key(Qt::Key_Minus);
  EXPECT_EQ(f->descriptionField->text(), QStringLiteral("Motor A"));
  EXPECT_EQ(program().editors.mapSpeed, 1);
  EXPECT_EQ(program().editors.mapThrottle, 1);

  QTest::keyClicks(f->descriptionField, QStringLiteral(" neu"));  // no Return this time
  const std::string file = dir.file("motor.ork");
  requesters.fileAnswers = {file};
  QTest::mouseClick(f->saveButton, Qt::LeftButton);
  EXPECT_EQ(commentOf(file), "Motor A neu");

  // Cell (0, 0) one up, then cell (1, 1) one down: indexes from 1, the value low byte first.
  auto kLine = [](int index, int value) {
    char line[32];
    std::snprintf(line, sizeof line, "K %02x %02x %02x %02x", index, index, value & 0xFF,
                  value >> 8);
    return std::string(line);
  };
  EXPECT_EQ(mapWrites(sim.traceText()),
            (std::vector<std::string>{kLine(1, cell00 + 1), kLine(2, cell11 - 1)}));
}

TEST_F(MainWindowFocusFixture, UndoAndRedoKeysActOnlyWhileEditingAndBeforeTheTextField) {
  start();
  typeIntoDescription(QStringLiteral("abc"));
  key(Qt::Key_F5);
  f->descriptionField->setFocus();
  key(Qt::Key_Plus);
  key(Qt::Key_Plus);
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 1);
  key(Qt::Key_Y, Qt::ControlModifier);
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing left to redo
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 2);
  EXPECT_EQ(f->descriptionField->text(), QStringLiteral("abc"));
  key(Qt::Key_Escape);
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 2);
}

TEST_F(MainWindowFocusFixture, LoadingReplacesATypedDescriptionEvenWithAnEmptyComment) {
  start();
  const std::string file = dir.file("leer.ork");
  requesters.fileAnswers = {file};
  QTest::mouseClick(f->saveButton, Qt::LeftButton);
  ASSERT_EQ(commentOf(file), "");

  typeIntoDescription(QStringLiteral("getippt"));
  requesters.fileAnswers = {std::nullopt};  // a cancelled load keeps the typed text
  QTest::mouseClick(f->loadButton, Qt::LeftButton);
  EXPECT_EQ(f->descriptionField->text(), QStringLiteral("getippt"));
  requesters.fileAnswers = {file};
  QTest::mouseClick(f->loadButton, Qt::LeftButton);
  EXPECT_EQ(f->descriptionField->text(), QString());
}

TEST_F(MainWindowFocusFixture, KeypadEnterTakesFieldsOverLikeReturn) {
  start();
  typeIntoDescription(QStringLiteral("mit Enter"));
  key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(program().setup.description, "mit Enter");

  auto& settings = static_cast<SettingsWindowController&>(*app->controller(WindowId::Settings));
  QTest::mouseClick(f->settingsButton, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&settings.form()));
  QLineEdit& angle = *settings.form().field(SetupField::RetardAngle);
  angle.setFocus();
  angle.selectAll();
  QTest::keyClicks(&angle, QStringLiteral("12"));
  QTest::keyClick(&angle, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(program().setup.record.retardAngle, 12);
}

TEST_F(MainWindowFocusFixture, OneOfEachButtonAndTheFileNameRightAligned) {
  start();
  const auto buttons = f->area()->findChildren<QPushButton*>();
  EXPECT_EQ(buttons.size(), 14);
  int settingsButtons = 0;
  for (const QPushButton* b : buttons)
    settingsButtons += b->text() == QStringLiteral("Einstellungen");
  EXPECT_EQ(settingsButtons, 1);
  EXPECT_TRUE(f->fileNameValue->alignment() & Qt::AlignRight);
}

TEST_F(MainWindowFocusFixture, WheelIsLeftToTheWindowWithoutKappAndFineStepsAddUp) {
  start();
  // Returns whether the map kept the wheel for itself.
  auto wheel = [this](int delta) {
    QWheelEvent e(QPointF(10, 10), f->mapCanvas->mapToGlobal(QPointF(10, 10)), QPoint(),
                  QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f->mapCanvas, &e);
    return e.isAccepted();
  };
  EXPECT_FALSE(wheel(-120));  // ignored by the map: the scroll area may scroll
  EXPECT_EQ(program().settings.mapCeilingUs, 200);

  f->mapKappCheck->setChecked(true);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(wheel(40));
  EXPECT_EQ(program().settings.mapCeilingUs, 400);  // three thirds make one notch
  wheel(40);
  EXPECT_EQ(program().settings.mapCeilingUs, 400);
}

TEST_F(MainWindowFocusFixture, TheLampShowsTheTickStepAndAWrongEchoIsReportedNextTick) {
  test::SimProcess sim(ORK_SIM_PATH, dir.path(), {"--scenario", "idle"});
  StartOptions options;
  options.extraPorts = {sim.link()};
  options.connect = true;
  start(options);
  app->comTimerFired();
  ASSERT_TRUE(program().link.unitIdentified);

  sim.setFault("wrong-echo");
  app->comTimerFired();  // the lamp step saw the unit identified; then "D" failed
  EXPECT_FALSE(program().link.unitIdentified);
  EXPECT_EQ(lampCentre(f->connectionLamp), QColor(0, 255, 0));
  sim.setFault("none");
  app->comTimerFired();
  EXPECT_EQ(f->statusLine->text(), QStringLiteral("Protokollfehler"));
  EXPECT_TRUE(f->hardwareValue->text().isEmpty());
  EXPECT_EQ(lampCentre(f->connectionLamp), QColor(255, 0, 0));
  app->comTimerFired();
  EXPECT_TRUE(program().link.unitIdentified);
}

}  // namespace
}  // namespace qx
