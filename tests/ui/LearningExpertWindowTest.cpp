// The learning window and the expert window driven offscreen against the simulated unit.
// With QX_SHOT_DIR set, both windows are saved there as PNG pictures.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/app/Program.h"
#include "core/setup/SetupFields.h"
#include "forms/Canvas.h"
#include "forms/expertdialog.h"
#include "forms/lernen.h"
#include "support/AppHarness.h"
#include "support/SimProcess.h"
#include "ui/expert/ExpertWindowController.h"
#include "ui/learning/LearningWindowController.h"

namespace qx {
namespace {

using F = SetupField;

struct LearningExpertFixture : ::testing::Test, test::AppHarness {
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
  lernen& learning() {
    return static_cast<LearningWindowController*>(app->controller(WindowId::Learning))->form();
  }
  expertdialog& expert() {
    return static_cast<ExpertWindowController*>(app->controller(WindowId::Expert))->form();
  }
  // Types into a field and leaves it with Return.
  void enter(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  QString shown(F f) { return learning().field(f)->text(); }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) {
      app->comTimerFired();
      std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
  }
  void shoot(QWidget& window, const char* name) {
    if (const char* folder = std::getenv("QX_SHOT_DIR"))
      window.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
  }
  SetupRecord& setup() { return program().setup.record; }

  std::unique_ptr<test::SimProcess> sim;
};

TEST_F(LearningExpertFixture, LernmodusTakesOverItsFieldsAndLearnsTheMapShownInTheMainWindow) {
  QTest::mouseClick(mainForm().toPcButton, Qt::LeftButton);
  QTest::mouseClick(mainForm().learningButton, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&learning()));
  EXPECT_EQ(learning().windowTitle(), QStringLiteral("Quarnelix1.E - Lern-Modus"));
  EXPECT_EQ(learning().area()->size(), QSize(505, 305));

  // Clamped, swapped and written back as stored; the focus moving on takes over too.
  enter(learning().field(F::LearnRpmLow), QStringLiteral("9000"));
  enter(learning().field(F::LearnRpmHigh), QStringLiteral("3000"));
  EXPECT_EQ(shown(F::LearnRpmLow), QStringLiteral("3000"));
  EXPECT_EQ(shown(F::LearnRpmHigh), QStringLiteral("9000"));
  enter(learning().field(F::LambdaTarget), QStringLiteral("2.0"));
  EXPECT_EQ(shown(F::LambdaTarget), QStringLiteral("1.500"));
  learning().field(F::LearnMinEngineTemp)->setFocus();
  learning().field(F::LearnMinEngineTemp)->setText(QStringLiteral("95"));
  learning().field(F::LearnRate)->setFocus();
  EXPECT_EQ(shown(F::LearnMinEngineTemp), QStringLiteral("80"));
  EXPECT_EQ(setup().learnMinEngineTemp, 100);

  // Wide limits around the idling engine, probe 1 against a rich target, to the unit.
  for (const auto& [field, text] : {std::pair{F::LearnMinEngineTemp, "-20"},
                                    {F::LearnRpmLow, "0"},
                                    {F::LearnThrottleLow, "0"},
                                    {F::LambdaTarget, "0.750"},
                                    {F::LearnIncrement, "50"},
                                    {F::LearnRate, "20"}})
    enter(learning().field(field), QString::fromUtf8(text));
  QTest::mouseClick(learning().probeChecks[0], Qt::LeftButton);
  EXPECT_EQ(setup().learnLambdaInputs, 1);
  QTest::mouseClick(mainForm().toUnitButton, Qt::LeftButton);
  QTest::mouseClick(learning().liveMapCheck, Qt::LeftButton);
  QTest::keyClick(&mainForm(), Qt::Key_F5);  // the injection map in the main window
  const int before = setup().mapCell(1, 0);
  const QImage mapBefore = mainForm().mapCanvas->grab().toImage();

  QTest::mouseClick(learning().learningActiveCheck, Qt::LeftButton);
  EXPECT_EQ(setup().learningActive, 1);
  ticks(25);
  EXPECT_GT(setup().mapCell(1, 0), before);  // enriched by the unit, fetched with "G"
  EXPECT_NE(mainForm().mapCanvas->grab().toImage(), mapBefore);
  shoot(learning(), "lernen");
  shoot(mainForm(), "hauptfenster-lernen");

  // Switched off, the unit keeps its map and the window stops fetching it.
  QTest::mouseClick(learning().learningActiveCheck, Qt::LeftButton);
  ticks(2);
  const int learned = setup().mapCell(1, 0);
  ticks(10);
  EXPECT_EQ(setup().mapCell(1, 0), learned);
}

TEST_F(LearningExpertFixture, ExpertWindowOpensAfterThePasswordAndShowsTheUnitsValues) {
  requesters.textAnswers = {std::string("Mulde")};
  QTest::keyClick(&mainForm(), Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&expert()));
  EXPECT_EQ(expert().windowTitle(), QStringLiteral("Quarnelix1.E - Expertfenster... FINGER WEG!"));
  EXPECT_EQ(expert().area()->size(), QSize(950, 535));
  ticks(5);
  EXPECT_EQ(expert().calibrationValue->text(), QStringLiteral("128"));
  EXPECT_FALSE(expert().cylinderValues[0][1]->text().isEmpty());
  EXPECT_FALSE(expert().timestampValue->text().isEmpty());

  // " + " twice and " - " once: the unit reports the byte sent last.
  for (QPushButton* b :
       {expert().calibrationUpButton, expert().calibrationUpButton, expert().calibrationDownButton})
    QTest::mouseClick(b, Qt::LeftButton);
  ticks(3);
  EXPECT_EQ(expert().calibrationValue->text(), QStringLiteral("129"));
  EXPECT_EQ(program().expert.control.calibration, 129);

  enter(expert().deviceTypeField, QStringLiteral("AB"));
  EXPECT_EQ(expert().deviceTypeField->text(), QStringLiteral("AB.........."));
  QTest::mouseClick(expert().writeDeviceTypeButton, Qt::LeftButton);
  ASSERT_FALSE(requesters.shown.empty());
  EXPECT_EQ(requesters.shown.back().text, "Datei erst wählen.");

  // Every layer box off leaves the disc with its base only.
  const QImage all = expert().discCanvas->grab().toImage();
  shoot(expert(), "expertfenster");
  for (QCheckBox* box : expert().layerChecks) QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_FALSE(program().expertWindow.layers.triggerWheel);
  EXPECT_FALSE(program().expertWindow.layers.injection[2]);
  ticks(1);
  EXPECT_NE(expert().discCanvas->grab().toImage(), all);
}

}  // namespace
}  // namespace qx
