// The logger window: recording against the simulated unit, loading the log back, the
// refusals while recording, the viewer's wheel, zoom, click and slider, and its layout.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/AppHarness.h"
#include "support/SimProcess.h"
#include "ui/logger/LoggerWindowController.h"

namespace qx {
namespace {

QColor centreOf(QWidget* w) {
  const QImage image = w->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

void click(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
}

void wheel(QWidget* w, int notches, Qt::KeyboardModifiers mods = {}) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QWheelEvent event(at, w->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, mods,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &event);
}

std::vector<std::string> fileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  for (std::string f; std::getline(in, f, ',');) out.push_back(f);
  return out;
}

struct LoggerWindow : ::testing::Test {
  void open(StartOptions options = {}) {
    ASSERT_TRUE(h.launch(options));
    click(h.mainForm().vitalLoggerButton);
    controller = static_cast<LoggerWindowController*>(h.app->controller(WindowId::Logger));
    ASSERT_TRUE(controller && controller->shown());
    controller->setFolderRequester(folders);
  }
  logger& form() { return controller->form(); }

  test::AppHarness h;
  test::ScriptedFolderRequester folders;
  LoggerWindowController* controller = nullptr;
};

TEST_F(LoggerWindow, RecordsOneLinePerLoggerPeriodAgainstTheUnitAndLoadsItBack) {
  test::SimProcess sim(ORK_SIM_PATH, h.dir.path(), {"--scenario", "drive"});
  StartOptions options;
  options.extraPorts = {sim.link()};
  options.connect = true;
  open(options);
  h.app->comTimerFired();  // identifies the unit
  EXPECT_EQ(centreOf(form().lamp), QColor(255, 0, 0));

  // Typed without leaving the field: START takes it, cut to 100 characters.
  form().commentField->setText(QString(104, QLatin1Char('k')));
  click(form().startButton);
  EXPECT_TRUE(h.app->loop().loggerTimerRunning());
  const std::string name = h.program().logger.fileName;
  EXPECT_EQ(form().fileNameValue->text().toStdString(), name);
  for (int i = 0; i < 6; ++i) {
    h.app->comTimerFired();
    h.app->loggerTimerFired();
  }
  EXPECT_EQ(centreOf(form().lamp), QColor(0, 255, 0));
  EXPECT_EQ(form().dataPointValue->text(), QStringLiteral("6 / 3600"));
  EXPECT_EQ(form().progress->value(), 6);
  click(form().stopButton);
  EXPECT_FALSE(h.app->loop().loggerTimerRunning());
  h.app->comTimerFired();
  EXPECT_EQ(centreOf(form().lamp), QColor(255, 0, 0));

  // The log folder is the program folder.
  const std::string path = h.dir.file(name);
  const auto lines = fileLines(path);
  ASSERT_EQ(lines.size(), 11u + 6u);
  EXPECT_EQ(lines[4], "ORK HW,1.2\r");
  EXPECT_EQ(lines[7], "Kommentar," + std::string(100, 'k') + "\r");
  for (std::size_t i = 11; i < lines.size(); ++i) {
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 18) << lines[i];
    EXPECT_GT(std::stoi(fields(lines[i])[1]), 0) << "the engine runs in every record";
  }

  // Loaded back, the table holds the file's values.
  h.program().logTable.storeRecord(1, LogRecord{});
  h.requesters.fileAnswers.push_back(path);
  click(form().loadButton);
  const LogTable& table = h.program().logTable;
  ASSERT_EQ(table.count(), 6);
  for (int n = 1; n <= 6; ++n) {
    const auto f = fields(lines[static_cast<std::size_t>(10 + n)]);
    for (int column : {0, 1, 2, 3, 8, 13, 14})
      EXPECT_EQ(table.at(n, column), std::stof(f[static_cast<std::size_t>(column)])) << n;
    EXPECT_FLOAT_EQ(table.at(n, 5), std::stof(f[5]));
  }
  EXPECT_EQ(form().dataPointValue->text(), QStringLiteral("6 / 3600"));
  EXPECT_EQ(form().dateValue->text().toStdString(), lines[1].substr(6, 10));
  EXPECT_EQ(form().hardwareValue->text(), QStringLiteral("1.2"));
  EXPECT_EQ(form().commentField->text().toStdString(), std::string(100, 'k'));
  EXPECT_EQ(form().visibleValue->text(), QStringLiteral("6"));
  EXPECT_TRUE(h.app->loop().loggerTimerRunning());
}

TEST_F(LoggerWindow, WhileRecordingLoadPathSaveAndStartDoNothing) {
  open();
  h.requesters.shown.clear();  // the start's word about the missing settings file
  click(form().startButton);
  const std::string name = h.program().logger.fileName;
  h.app->loggerTimerFired();
  EXPECT_EQ(centreOf(form().lamp), QColor(255, 204, 0));  // recording without a unit

  folders.answers.push_back("/tmp");
  click(form().loadButton);
  click(form().pathButton);
  click(form().saveButton);
  click(form().startButton);
  EXPECT_TRUE(h.requesters.shown.empty());
  EXPECT_TRUE(folders.asked.empty());
  EXPECT_EQ(h.program().logger.fileName, name);
  EXPECT_EQ(h.program().logger.path, h.dir.path() + "/");

  click(form().stopButton);
  h.app->loggerTimerFired();
  EXPECT_EQ(centreOf(form().lamp), QColor(127, 127, 127));
  click(form().pathButton);
  ASSERT_EQ(folders.asked, std::vector<std::string>{"Log-Datei-Pfad wählen|" + h.dir.path() + "/"});
  EXPECT_EQ(form().pathValue->text(), QStringLiteral("/tmp/"));
}

TEST_F(LoggerWindow, WheelZoomClickAndSliderMoveTheCursor) {
  open();
  LogTable& table = h.program().logTable;
  ASSERT_TRUE(table.sizeFor(2000));
  for (int n = 1; n <= 1001; ++n)
    table.storeRecord(n, LogRecord{500.0f * n, static_cast<float>(n)});
  table.cursor = 1;
  LogStrips* strips = form().strips;
  strips->grab();  // painted once with the cursor at record 1

  wheel(strips, 1);
  EXPECT_EQ(table.cursor, 2);
  wheel(strips, 1, Qt::ShiftModifier);
  EXPECT_EQ(table.cursor, 12);
  EXPECT_EQ(form().cursorValue->text(), QStringLiteral("12"));
  EXPECT_EQ(form().timeMsValue->text(), QStringLiteral("6000"));
  EXPECT_EQ(form().timeClockValue->text(), QStringLiteral("(00:00:06.000)"));
  EXPECT_EQ(form().rows[0].value->text(), QStringLiteral("12"));
  // At zoom 1 the strips stay as they were painted; only the cursor line moves over them:
  // record 12 of 1001 at x 11 * 760 / 1000.
  const QImage zoom1 = strips->grab().toImage();
  EXPECT_EQ(zoom1.pixelColor(8, 5), QColor(255, 0, 0));
  EXPECT_EQ(zoom1.pixelColor(0, 5), QColor(255, 255, 255));

  wheel(strips, 2, Qt::ControlModifier);
  EXPECT_EQ(form().zoomSpin->text(), QStringLiteral("25.00%"));
  EXPECT_EQ(form().visibleValue->text(), QStringLiteral("251"));
  EXPECT_EQ(form().slider->minimum(), 126);
  EXPECT_EQ(form().slider->maximum(), 876);
  // 250 records over 760 pixels from record 1: the middle is record 126.
  QTest::mouseClick(strips, Qt::LeftButton, {}, QPoint(380, 50));
  EXPECT_EQ(table.cursor, 126);

  form().slider->setValue(500);
  EXPECT_EQ(table.cursor, 500);
  form().zoomSpin->stepBy(-1);
  EXPECT_EQ(form().zoomSpin->text(), QStringLiteral("50.00%"));
  // 500 records from record 250 on: the cursor line at x 380.
  const QImage image = strips->grab().toImage();
  EXPECT_EQ(image.pixelColor(380, 5), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(370, 5), QColor(255, 255, 255));
}

TEST_F(LoggerWindow, StripsFollowTheCheckBoxesAndTheWindowWidth) {
  open();
  logger& f = form();
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Quarnelix1.E - Logger"));
  EXPECT_EQ(f.area()->size(), QSize(920, 605));
  click(f.rows[1].check);  // "Drosselklappe (%)" large
  EXPECT_EQ(f.strips->geometry(), QRect(155, 170, 760, 485));
  EXPECT_EQ(f.rows[2].check->y(), 170 + 200);
  EXPECT_EQ(f.area()->height(), 675);
  click(f.rows[1].check);
  click(f.rows[0].check);  // everything small: the window shrinks to its content
  EXPECT_EQ(f.area()->height(), 535);
  EXPECT_EQ(f.maximumHeight(), 535);
  EXPECT_EQ(f.height(), 535);

  const std::pair<int, int> widths[] = {{1200, 1040}, {5000, 3840}, {500, 760}};
  for (const auto& [width, strips] : widths) {
    f.resize(width, f.height());
    QApplication::processEvents();
    EXPECT_EQ(f.strips->width(), strips) << width;
    EXPECT_EQ(f.slider->width(), strips) << width;
  }
}

}  // namespace
}  // namespace qx
