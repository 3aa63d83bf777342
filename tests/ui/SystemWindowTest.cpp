// The system window: taking over its fields, erasing the unit's EEPROM and a firmware update
// against the simulated unit's boot loader.

#include "ui/system/SystemWindowController.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/app/Program.h"
#include "core/util/Files.h"
#include "forms/Canvas.h"
#include "support/AppHarness.h"
#include "support/IntelHex.h"
#include "support/SimProcess.h"

namespace qx {
namespace {

using F = SystemField;

struct SystemWindowFixture : ::testing::Test, test::AppHarness {
  void SetUp() override { ASSERT_TRUE(launch(options())); }
  virtual StartOptions options() { return {}; }
  systemdialog& form() {
    return static_cast<SystemWindowController*>(app->controller(WindowId::System))->form();
  }
  void openSystem() {
    QTest::mouseClick(mainForm().systemButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  }
  void type(F f, const char* text) {
    form().field(f)->setFocus();
    form().field(f)->selectAll();
    QTest::keyClicks(form().field(f), QString::fromUtf8(text));
  }
  QString shown(F f) { return form().field(f)->text(); }
};

TEST_F(SystemWindowFixture, FieldsAreTakenOverInOrderWithTheirClamps) {
  openSystem();
  EXPECT_EQ(form().windowTitle(), QStringLiteral("Quarnelix1.E - Systemeinstellungen"));
  if (const char* folder = std::getenv("QX_SHOT_DIR"))
    form().grab().save(QString::fromUtf8(folder) + "/system.png");
  EXPECT_EQ(shown(F::ComTimer), QStringLiteral("100"));
  LogTable& table = program().logTable;
  for (int n = 1; n <= 150; ++n) table.storeRecord(n, LogRecord{static_cast<float>(n)});
  table.cursor = 77;

  type(F::ComTimer, "7");
  type(F::LoggerTimer, "1550");
  type(F::LambdaVeryRich, "1.6");
  QTest::keyClick(form().field(F::LambdaVeryRich), Qt::Key_Return);
  EXPECT_EQ(shown(F::ComTimer), QStringLiteral("5"));
  EXPECT_EQ(app->loop().comPeriodMs(), 5);  // the next tick comes after 5 ms
  EXPECT_EQ(shown(F::LoggerTimer), QStringLiteral("1500"));
  EXPECT_EQ(form().logTime->text(), QStringLiteral("01:30:00"));  // 3600 records
  EXPECT_EQ(form().logSize->text(), QStringLiteral("234 kB"));
  EXPECT_EQ(shown(F::LambdaVeryRich), QStringLiteral("1.50"));
  EXPECT_EQ(program().settings.lambdaThresholdsMv[0], 1500.0f);
  EXPECT_EQ(table.cursor, 1);
  EXPECT_EQ(table.count(), 150);

  // The Execute key: a smaller table keeps the records that fit.
  type(F::ComTimer, "503");
  type(F::MaxLogRecords, "120");
  // The Execute key has no text: a bare press and release.
  QTest::sendKeyEvent(QTest::Press, form().field(F::MaxLogRecords), Qt::Key_Execute, QString(),
                      Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Release, form().field(F::MaxLogRecords), Qt::Key_Execute, QString(),
                      Qt::NoModifier);
  EXPECT_EQ(shown(F::ComTimer), QStringLiteral("500"));
  EXPECT_EQ(table.capacity(), 120);
  EXPECT_EQ(table.count(), 120);
  EXPECT_EQ(form().logTime->text(), QStringLiteral("00:03:00"));

  // Leaving a field: the thresholds must fall from rich to lean, equal neighbours allowed.
  type(F::LambdaVeryRich, "0.40");
  form().field(F::LambdaRich)->setFocus();
  EXPECT_EQ(form().lambdaWarning->text(), QStringLiteral("Lambdaanzeigewerte prüfen!"));
  EXPECT_EQ(form().lambdaWarning->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  type(F::LambdaVeryRich, "0.80");
  type(F::LambdaLean, "0.60");
  form().field(F::LambdaVeryLean)->setFocus();
  EXPECT_EQ(form().lambdaWarning->text(), QString());
}

// The program connected to the simulated unit, which writes the images it receives.
struct SystemWindowSimFixture : SystemWindowFixture {
  StartOptions options() override {
    sim = std::make_unique<test::SimProcess>(
        ORK_SIM_PATH, dir.path(),
        std::vector<std::string>{"--scenario", "idle", "--firmware-out", received()});
    StartOptions o;
    o.extraPorts = {sim->link()};
    o.connect = true;
    return o;
  }
  std::string received() { return dir.file("received.bin"); }
  // COM ticks as the timer gives them, sleepMs apart.
  void tick(int sleepMs = 5) {
    app->comTimerFired();
    std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));
  }
  bool liveDataWithin(int ticks) {
    program().vital.engineSpeed = -1;
    for (int i = 0; i < ticks; ++i) {
      tick(20);
      if (program().link.unitIdentified && program().vital.engineSpeed >= 0) return true;
    }
    return false;
  }
  void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  QColor lamp() {
    const QImage image = mainForm().connectionLamp->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
  }
  // The first word of every trace line after the last "U".
  std::vector<std::string> traceAfterU() {
    std::istringstream in(sim->traceText());
    std::vector<std::string> words;
    for (std::string time, word, rest; in >> time >> word && std::getline(in, rest);)
      words.push_back(word);
    const auto u = std::find(words.rbegin(), words.rend(), "U");
    return {u.base(), words.end()};
  }

  std::unique_ptr<test::SimProcess> sim;
};

TEST_F(SystemWindowSimFixture, EraseAsksTwiceWithAutomaticSetupReadingOn) {
  ASSERT_TRUE(liveDataWithin(10));
  openSystem();
  click(form().check(SystemCheck::ReadSetupAfterIdentify));
  ASSERT_TRUE(program().settings.readSetupAfterIdentify);
  for (bool second : {false, true}) {
    requesters.shown.clear();
    requesters.yesNoAnswers = {true, second};
    click(form().eraseButton);
    ASSERT_EQ(requesters.shown.size(), 2u);
    EXPECT_EQ(requesters.shown[1].text,
              "Setup automatisch laden ist eingeschaltet.(siehe System)\rNach dem Löschen des "
              "EEPROM wird die ORK einen Neustart ausführen\rund das gelöschte Setup in die "
              "Quarnelix laden.");
    tick(50);
    EXPECT_EQ(sim->traceText().find(" X 03\n") != std::string::npos, second);
  }
}

TEST_F(SystemWindowSimFixture, AHexFileGoesUpFromTheWindowAndACancelLeavesTheProgramWorking) {
  ASSERT_TRUE(liveDataWithin(10));
  openSystem();
  std::vector<std::uint8_t> image(2000);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  std::ofstream(dir.file("ork.hex"), std::ios::binary) << test::intelHex(image);
  requesters.fileAnswers = {dir.file("ork.hex")};
  click(form().chooseButton);
  EXPECT_EQ(form().nameText->text(), QStringLiteral("ork.hex"));

  click(form().updateButton);
  EXPECT_EQ(form().updateButton->text(), QStringLiteral("Abbruch"));
  EXPECT_EQ(form().progress->maximum(), 16);  // 2000 bytes in 128-byte blocks
  for (int i = 0; i < 40; ++i) tick();
  EXPECT_TRUE(form().statusText->text().startsWith(QStringLiteral("übertrage Datenblock ")));
  EXPECT_GT(form().progress->value(), 0);
  EXPECT_EQ(lamp(), QColor(255, 204, 0));
  for (int i = 0; i < 2000 && program().link.firmwareTransferActive; ++i) tick();
  EXPECT_EQ(form().statusText->text(), QStringLiteral("update erfolgreich beendet"));
  EXPECT_EQ(form().updateButton->text(), QStringLiteral("update ORK"));
  image.resize(16 * 128, 0);
  EXPECT_EQ(readWholeFile(received()).value_or(Bytes{}), image);
  // Only the boot loader's steps and the unit's own notes: no command went out meanwhile.
  for (const std::string& word : traceAfterU()) EXPECT_TRUE(word == "boot" || word == "=") << word;
  ASSERT_TRUE(liveDataWithin(20));

  std::remove(received().c_str());
  click(form().updateButton);
  for (int i = 0; i < 80 && form().progress->value() < 4; ++i) tick();
  ASSERT_TRUE(program().link.firmwareTransferActive);
  click(form().updateButton);
  EXPECT_EQ(form().statusText->text(), QStringLiteral("update abgebrochen!!!"));
  EXPECT_EQ(form().updateButton->text(), QStringLiteral("update ORK"));
  EXPECT_TRUE(liveDataWithin(20));
  EXPECT_FALSE(readWholeFile(received()).has_value());
}

}  // namespace
}  // namespace qx
