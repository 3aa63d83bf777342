// The main window's keys, fields and live values, driven offscreen.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include "core/app/Program.h"
#include "forms/Canvas.h"
#include "forms/Hauptdialog.h"
#include "support/AppHarness.h"
#include "support/Fakes.h"
#include "ui/app/Application.h"
#include "ui/mainwin/MainWindowController.h"

namespace qx {
namespace {

struct MainWindowFixture : ::testing::Test, test::AppHarness {
  Hauptdialog* f = nullptr;

  void SetUp() override {
    ASSERT_TRUE(launch());
    f = &app->mainWindow().form();
    f->activateWindow();
    requesters.shown.clear();
  }
  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(f, k, mods); }
};

TEST_F(MainWindowFixture, EditingKeysWorkOnlyBetweenAnFKeyAndEscape) {
  key(Qt::Key_Right);
  key(Qt::Key_Up);
  EXPECT_EQ(program().editors.mapSpeed, 0);
  EXPECT_EQ(program().editors.mapThrottle, 0);

  key(Qt::Key_F5);
  EXPECT_EQ(program().editors.mode, EditingMode::InjectionMap);
  EXPECT_EQ(f->statusLine->text(),
            QStringLiteral("Einspritzung zu Drehzahl und Drosselklappe bearbeiten"));
  key(Qt::Key_Right);
  key(Qt::Key_Up);
  EXPECT_EQ(program().editors.mapSpeed, 1);
  EXPECT_EQ(program().editors.mapThrottle, 1);

  key(Qt::Key_F7);  // another editor takes over directly
  EXPECT_EQ(program().editors.mode, EditingMode::EngineTemp);
  EXPECT_EQ(f->statusLine->text(),
            QStringLiteral("Einspritzkorrektur nach Motortemperatur bearbeiten"));
  key(Qt::Key_F8);
  EXPECT_EQ(program().editors.mode, EditingMode::Ignition);
  key(Qt::Key_F6);
  EXPECT_EQ(program().editors.mode, EditingMode::AirTemp);

  key(Qt::Key_Escape);
  EXPECT_EQ(program().editors.mode, EditingMode::None);
  EXPECT_EQ(f->statusLine->text(), QStringLiteral("Kennfeld bearbeiten beendet"));
  key(Qt::Key_Left);
  EXPECT_EQ(program().editors.airIndex, 0);
  EXPECT_EQ(program().editors.mapSpeed, 1);
}

TEST_F(MainWindowFixture, PlusAndMinusKeysChangeTheMapPointByOneOrTen) {
  key(Qt::Key_Plus);
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 0);  // no editor yet
  key(Qt::Key_F5);
  key(Qt::Key_Plus);
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 1);
  key(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 2);
  key(Qt::Key_Plus, Qt::ShiftModifier);
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 12);
  key(Qt::Key_Asterisk, Qt::ShiftModifier);  // Shift and "+" on a German keyboard
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 22);
  key(Qt::Key_Minus);
  key(Qt::Key_Underscore, Qt::ShiftModifier);
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 11);
  f->mapX100Check->setChecked(true);
  key(Qt::Key_Plus, Qt::ShiftModifier);
  EXPECT_EQ(program().setup.record.mapCell(0, 0), 1011);
}

TEST_F(MainWindowFixture, F9TypesAValueOnlyWhileTheMapIsEdited) {
  requesters.textAnswers = {std::string("4321"), std::string("1234")};
  key(Qt::Key_F9);
  EXPECT_TRUE(requesters.shown.empty());
  key(Qt::Key_F5);
  key(Qt::Key_Right);
  key(Qt::Key_F9);
  EXPECT_EQ(program().setup.record.mapCell(1, 0), 4321);
}

TEST_F(MainWindowFixture, EscapeWithoutAnEditorStillReports) {
  program().reportStatus("vorher");
  key(Qt::Key_Escape);
  EXPECT_EQ(f->statusLine->text(), QStringLiteral("Kennfeld bearbeiten beendet"));
}

TEST_F(MainWindowFixture, ExpertPasswordIsCheckedExactlyAndAskedOnlyUntilItWasRight) {
  requesters.textAnswers = {std::string(), std::string("mulde"), std::nullopt,
                            std::string("Mulde")};
  for (int i = 0; i < 4; ++i) key(Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
  ASSERT_EQ(requesters.shown.size(), 7u);
  EXPECT_EQ(requesters.shown[0].title, "Expert-Modus");
  EXPECT_EQ(requesters.shown[0].text, "Zum Aktivieren des Expert-Modus bitte Password eingeben.");
  EXPECT_TRUE(requesters.lastTextHidden);
  EXPECT_EQ(requesters.shown[1].title, "Achtung");
  EXPECT_EQ(requesters.shown[1].text, "Password nicht korrekt.");
  EXPECT_EQ(requesters.shown[5].text, "Password nicht korrekt.");  // cancelled
  EXPECT_TRUE(program().expertWindow.unlocked);
  key(Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(requesters.shown.size(), 7u);  // never asked again
}

TEST_F(MainWindowFixture, DescriptionIsCutTo100CharactersOnReturn) {
  f->descriptionField->setFocus();
  const QString longText = QString(98, QLatin1Char('x')) + QStringLiteral("äöü");
  f->descriptionField->setText(longText);
  key(Qt::Key_Return);
  EXPECT_EQ(program().setup.description, std::string(98, 'x') + "äö");
  EXPECT_EQ(f->descriptionField->text(), QString(98, QLatin1Char('x')) + QStringLiteral("äö"));
  f->descriptionField->setText(QStringLiteral("kurz"));
  // The key with virtual-key code 43 (Execute) has no character for QTest to make up.
  QTest::sendKeyEvent(QTest::Press, f, Qt::Key_Execute, QString(), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Release, f, Qt::Key_Execute, QString(), Qt::NoModifier);
  EXPECT_EQ(program().setup.description, "kurz");
}

TEST_F(MainWindowFixture, WheelMovesTheCeilingOnlyWithKappAndWithinItsLimits) {
  auto wheel = [this](int notches) {
    QWheelEvent e(QPointF(10, 10), f->mapCanvas->mapToGlobal(QPointF(10, 10)), QPoint(),
                  QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(f->mapCanvas, &e);
  };
  program().settings.mapCeilingUs = 200;
  wheel(3);
  EXPECT_EQ(program().settings.mapCeilingUs, 200);
  f->mapKappCheck->setChecked(true);
  wheel(3);
  EXPECT_EQ(program().settings.mapCeilingUs, 800);
  wheel(-10);
  EXPECT_EQ(program().settings.mapCeilingUs, 200);
  program().settings.mapCeilingUs = 59900;
  wheel(2);
  EXPECT_EQ(program().settings.mapCeilingUs, 60000);
}

TEST_F(MainWindowFixture, LiveValuesAppearWithTheirColours) {
  VitalTexts& t = program().vitalTexts;
  t.engineSpeed = "20000";
  t.injectionTime = "3188";
  t.injectionTimeColour = colours::kRed;
  t.cpuTemp = "85";
  t.lambda[2] = "1.23";
  t.input3 = "Ein";
  app->refreshWindows();
  EXPECT_EQ(f->engineSpeedValue->text(), QStringLiteral("20000"));
  EXPECT_EQ(f->injectionTimeValue->text(), QStringLiteral("3188"));
  EXPECT_EQ(f->injectionTimeValue->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(f->cpuTempValue->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  EXPECT_EQ(f->lambdaValues[2]->text(), QStringLiteral("1.23"));
  EXPECT_EQ(f->switchValues[4]->text(), QStringLiteral("Ein"));
  EXPECT_EQ(f->engineSpeedValue->geometry(), QRect(730, 30, 40, 16));
}

TEST_F(MainWindowFixture, PointLabelsOfInactiveEditorsAreCleared) {
  program().editors.mapLabels = {"5000", "50", "1234"};
  program().editors.airLabels = {"20", "100", ""};
  // The air editor's drawing fills its labels anew: 20 °C is index 4, 100 % is 15 + 85.
  program().editors.airIndex = 4;
  program().setup.record.airTempCorrection[4] = 15;
  key(Qt::Key_F6);
  app->refreshWindows();
  EXPECT_TRUE(f->mapSpeedValue->text().isEmpty());
  EXPECT_EQ(program().editors.airLabels.first, "20");
}

}  // namespace
}  // namespace qx
