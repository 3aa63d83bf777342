// The lambda logger window against the simulated unit: the unit's table read after a drive,
// saved and loaded back, and printed to a PDF.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <thread>

#include "core/app/Program.h"
#include "core/util/Files.h"
#include "forms/Canvas.h"
#include "support/AppHarness.h"
#include "support/SimProcess.h"
#include "ui/lambda/LambdaLoggerController.h"

namespace qx {
namespace {

struct LambdaWindowFixture : ::testing::Test, test::AppHarness {
  lambdalogger& form() {
    return static_cast<LambdaLoggerController&>(*app->controller(WindowId::LambdaLogger)).form();
  }
  void open() {
    QTest::mouseClick(mainForm().lambdaLoggerButton, Qt::LeftButton);
    ASSERT_TRUE(form().isVisible());
  }
  void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  // The colour inside cell (column, row) of the table area, below its text.
  QColor cell(int column, int row) {
    return form().tableCanvas->grab().toImage().pixelColor(15 + column * 36 + 32,
                                                           230 - row * 20 + 12);
  }
  const LambdaTable& table() { return program().lambdaTable; }
};

TEST_F(LambdaWindowFixture, AfterADriveRamLesenShowsTheColouredTableThatSavesAndLoadsBack) {
  test::SimProcess sim(ORK_SIM_PATH, dir.path(), {"--scenario", "drive"});
  ASSERT_TRUE(launch({"", true, {sim.link()}, true}));
  for (int i = 0; i < 20 && !program().link.unitIdentified; ++i) app->comTimerFired();
  ASSERT_TRUE(program().link.unitIdentified);
  std::this_thread::sleep_for(std::chrono::milliseconds(25000));  // the engine idles
  open();
  EXPECT_EQ(form().windowTitle(), QStringLiteral("Quarnelix1.E - Lambdalogger"));
  program().setup.record.lambdaLoggingActive = 1;
  click(form().readRamButton);
  EXPECT_EQ(program().messages.statusLine(), "Lambdadaten aus RAM gelesen");
  EXPECT_FALSE(form().loggingCheck->isChecked());  // the unit's flag, though RAM was read
  ASSERT_GT(table().at(2, 1, 1), 0);               // idle: about 1350 1/min, throttle shut
  const QColor ratings[] = {
      {2, 123, 255}, {2, 249, 255}, {2, 255, 25}, {230, 255, 2}, {255, 113, 2}};
  EXPECT_NE(std::find(std::begin(ratings), std::end(ratings), cell(2, 1)), std::end(ratings))
      << cell(2, 1).name().toStdString();
  EXPECT_EQ(cell(17, 9), QColor(2, 123, 255));  // never reached: 0 mV

  form().commentField->selectAll();  // over the "..." of an empty comment
  QTest::keyClicks(form().commentField, QStringLiteral("Leerlauf, warm"));
  requesters.fileAnswers = {dir.file("fahrt")};
  click(form().saveButton);  // the comment is taken as the field holds it
  EXPECT_EQ(program().messages.statusLine(), "OLL-Datei fahrt.oll gespeichert");
  EXPECT_EQ(form().commentField->text(), QStringLiteral("Leerlauf warm"));
  const LambdaTable saved = table();

  click(form().clearValuesButton);
  EXPECT_EQ(table().at(2, 1, 1), 0);
  EXPECT_EQ(cell(2, 1), QColor(2, 123, 255));
  app->context().handle([this] { program().lambdaLogger.comment = "..."; });
  requesters.fileAnswers = {dir.file("fahrt.oll")};
  click(form().loadButton);
  EXPECT_EQ(program().messages.statusLine(), "OLL-Datei fahrt.oll geladen");
  // Volts with 2 decimals in the file: every cell comes back to 10 mV.
  for (std::size_t i = 0; i < saved.cells.size(); ++i)
    ASSERT_EQ(table().cells[i], (saved.cells[i] + 5) / 10 * 10) << i;
  EXPECT_NE(std::find(std::begin(ratings), std::end(ratings), cell(2, 1)), std::end(ratings));
  EXPECT_EQ(form().commentField->text(), QStringLiteral("Leerlauf warm"));
  EXPECT_EQ(form().fileValue->text(), QStringLiteral("fahrt.oll"));
  EXPECT_EQ(form().logHwValue->text(), QStringLiteral("1.2"));
  EXPECT_EQ(form().logSwValue->text(), QStringLiteral("2.7"));
  // Pictures to look at, where QX_SHOTS names a folder.
  if (const char* shots = std::getenv("QX_SHOTS")) {
    const QString folder = QString::fromLocal8Bit(shots);
    QTest::qWait(100);  // the scroll area takes its size with the pending layout
    form().grab().save(folder + QStringLiteral("/lambda-window.png"));
    app->printer().setPdfOutput(folder + QStringLiteral("/lambda.pdf"));
    click(form().printButton);
    form().symbolsOption->click();
    form().grab().save(folder + QStringLiteral("/lambda-window-symbols.png"));
  }
}

std::string pdfText(const std::string& path) {
  std::string out;
  if (FILE* pipe = ::popen(("pdftotext -layout '" + path + "' -").c_str(), "r")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    ::pclose(pipe);
  }
  return std::regex_replace(out, std::regex(" +"), " ");
}

TEST_F(LambdaWindowFixture, DruckenPrintsTheThreeTablesOnOnePage) {
  ASSERT_TRUE(launch());
  open();
  for (int k = 1; k <= 3; ++k) {
    for (int c = 1; c <= 17; ++c) program().lambdaTable.at(c, 9, k) = k * 100 + c * 10;
    program().lambdaTable.at(1, 1, k) = 1000 * k + 5;
  }
  // Leaving the field cleans the comment: nothing left but commas gives "...".
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  form().commentField->setFocus();
  form().commentField->selectAll();
  QTest::keyClicks(form().commentField, QStringLiteral(",,"));
  form().liveCheck->setFocus();
  EXPECT_EQ(form().commentField->text(), QStringLiteral("..."));
  app->printer().setPdfOutput(QString::fromStdString(dir.file("lambda.pdf")));
  click(form().printButton);
  EXPECT_EQ(program().messages.statusLine(), "Lambdalog gedruckt");
  const std::string text = pdfText(dir.file("lambda.pdf"));
  for (const char* expected :
       {"ORK - Lambdalog", "Lambdabewertung [V]", "Kommentar: ...", "Lambda 1",
        "100 0.11 0.12 0.13 0.14 0.15 0.16 0.17 0.18 0.19 0.20 0.21 0.22 0.23 "
        "0.24 0.25 0.26 0.27",
        "0 1.01 0.00", "Lambda 2",
        "100 0.21 0.22 0.23 0.24 0.25 0.26 0.27 0.28 0.29 0.30 0.31 0.32 0.33 "
        "0.34 0.35 0.36 0.37",
        "0 2.01 0.00", "Lambda 3",
        "100 0.31 0.32 0.33 0.34 0.35 0.36 0.37 0.38 0.39 0.40 0.41 0.42 0.43 "
        "0.44 0.45 0.46 0.47",
        "0 3.01 0.00", "0 100 200 300 400 500 600 700 800 900 1000 1100 1200 1300 1400 1500 1600"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

}  // namespace
}  // namespace qx
