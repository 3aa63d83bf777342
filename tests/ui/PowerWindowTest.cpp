// The power window driven offscreen: a run on the simulated unit's dyno bench, its file as
// comparison curve, the cursor, the inputs, and the printed report.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <chrono>
#include <cstdio>
#include <thread>

#include "core/app/Program.h"
#include "core/power/PowerInputs.h"
#include "forms/Canvas.h"
#include "forms/leistungsvergleich.h"
#include "support/AppHarness.h"
#include "support/SimProcess.h"
#include "ui/power/PowerWindowController.h"

namespace qx {
namespace {

using O = PowerOption;

struct PowerWindowFixture : ::testing::Test, test::AppHarness {
  leistungsvergleich& form() {
    return static_cast<PowerWindowController*>(app->controller(WindowId::Power))->form();
  }
  void open() {
    QTest::mouseClick(mainForm().powerButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  }
  QAbstractButton* option(O o) { return form().options[static_cast<std::size_t>(o)]; }
  void click(O o) { QTest::mouseClick(option(o), Qt::LeftButton, {}, QPoint(6, 7)); }
  QLineEdit* field(PowerField f) { return form().fields[static_cast<std::size_t>(f)]; }
  void type(PowerField f, const QString& text) {
    field(f)->setFocus();
    field(f)->selectAll();
    QTest::keyClicks(field(f), text);
  }
  // COM ticks one period apart in real time, as the simulated engine runs.
  void ticks(int n) {
    for (int i = 0; i < n; ++i) {
      app->comTimerFired();
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
  void wheel(int notches, Qt::KeyboardModifiers mods) {
    Canvas* d = form().diagram;
    QWheelEvent e(QPointF(100, 100), d->mapToGlobal(QPointF(100, 100)), QPoint(),
                  QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(d, &e);
  }
  int pixels(const QColor& colour) {
    const QImage image = form().diagram->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
  }
  QString status() { return mainForm().statusLine->text(); }
};

std::string pdfText(const std::string& path) {
  std::string out;
  if (FILE* pipe = ::popen(("pdftotext -layout '" + path + "' -").c_str(), "r")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    ::pclose(pipe);
  }
  return out;
}

TEST_F(PowerWindowFixture, ADynoRunIsRecordedSavedAndLoadedBesideItAsCurve2) {
  test::SimProcess sim(ORK_SIM_PATH, dir.path(), {"--scenario", "dyno"});
  StartOptions options;
  options.extraPorts = {sim.link()};
  options.connect = true;
  ASSERT_TRUE(launch(options));
  app->comTimerFired();  // identifies the unit
  open();
  EXPECT_EQ(form().windowTitle(), QStringLiteral("Quarnelix1.E - Leistungsvergleich"));
  EXPECT_TRUE(option(O::Curve1)->isChecked());
  EXPECT_TRUE(option(O::Rotatorisch)->isChecked());

  type(PowerField::Inertia, QStringLiteral("0.5"));  // the bench's inertia
  type(PowerField::Pressure, QStringLiteral("650"));
  QTest::keyClick(field(PowerField::Pressure), Qt::Key_Return);
  EXPECT_EQ(field(PowerField::Pressure)->text(), QStringLiteral("700"));
  EXPECT_EQ(field(PowerField::Inertia)->text(), QStringLiteral("0.5"));
  click(O::Power);
  click(O::Torque);

  QTest::keyClick(&form(), Qt::Key_F11);
  ASSERT_TRUE(program().powerRun.recording);
  // The bench holds 2000 1/min for 4 s after its start, then runs up.
  ticks(95);
  EXPECT_GT(form().progress->value(), 9000);
  EXPECT_EQ(form().progress->maximum(), 60000);
  QTest::keyClick(&form(), Qt::Key_F12);
  EXPECT_FALSE(program().powerRun.recording);
  EXPECT_EQ(form().progress->value(), 0);

  // 25 notches with Ctrl: the cursor at 2500 1/min, where the bench gives about 11.9 Nm.
  wheel(25, Qt::ControlModifier);
  EXPECT_EQ(form().cursorValue->text(), QStringLiteral("2500"));
  EXPECT_NEAR(form().nmValues[1]->text().toDouble(), 11.9, 2.0);
  EXPECT_GT(pixels(QColor(0, 0, 255)), 200);  // curve 1 drawn

  requesters.fileAnswers.push_back(dir.file("lauf1"));
  QTest::mouseClick(form().saveButton, Qt::LeftButton);
  // The requester started in the program's folder.
  EXPECT_EQ(requesters.shown.back().text, dir.path() + "/|OLV-Dateien|*.olv");
  EXPECT_EQ(status(), QStringLiteral("LV-Datei lauf1.olv gespeichert"));
  EXPECT_EQ(form().fileValue->text(), QStringLiteral("lauf1.olv"));
  EXPECT_EQ(form().hardwareValue->text(), QStringLiteral("1.2"));

  requesters.fileAnswers.push_back(dir.file("lauf1.olv"));
  QTest::mouseClick(form().loaded[2].load, Qt::LeftButton);
  EXPECT_EQ(status(), QStringLiteral("LV-Auswertung 2 geladen"));
  EXPECT_EQ(form().loaded[2].file->text(), QStringLiteral("lauf1.olv"));
  EXPECT_EQ(form().loaded[2].system->text(), QStringLiteral("rotatorisch"));
  EXPECT_EQ(form().loaded[2].correction->text(), QStringLiteral("(keine Korr.)"));
  EXPECT_EQ(form().loaded[2].drag->text(), QStringLiteral("(ignor. Schlepp.)"));
  EXPECT_EQ(pixels(QColor(0, 159, 0)), 0);
  click(O::Curve2);
  EXPECT_GT(pixels(QColor(0, 159, 0)), 200);
  // The file's curve with two decimals: the same values at the cursor.
  EXPECT_NEAR(form().nmValues[2]->text().toDouble(), form().nmValues[1]->text().toDouble(), 0.11);
}

TEST_F(PowerWindowFixture, CursorInputsAndOptionsActOnTheRun) {
  ASSERT_TRUE(launch());
  open();
  // A click at the middle of the 660 pixels of an empty diagram: half of 1000 1/min.
  QTest::mouseClick(form().diagram, Qt::LeftButton, {}, QPoint(50 + 330, 200));
  EXPECT_EQ(form().cursorValue->text(), QStringLiteral("500"));
  wheel(2, Qt::ShiftModifier);
  EXPECT_EQ(form().cursorValue->text(), QStringLiteral("520"));
  wheel(-1, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(form().cursorValue->text(), QStringLiteral("411"));
  wheel(-1, Qt::NoModifier);
  EXPECT_EQ(form().cursorValue->text(), QStringLiteral("410"));

  // Leaving a field takes over every input and the description; a button click too.
  field(PowerField::Temperature)->setText(QStringLiteral("-40"));
  type(PowerField::DragCoefficient, QStringLiteral("0.004"));
  form().descriptionField->setFocus();
  EXPECT_EQ(field(PowerField::Temperature)->text(), QStringLiteral("-25"));
  EXPECT_EQ(field(PowerField::DragCoefficient)->text(), QStringLiteral("0.01"));
  form().descriptionField->setText(QStringLiteral("Lauf 3, Düse 240"));
  QTest::mouseClick(form().saveButton, Qt::LeftButton);  // the requester is cancelled
  EXPECT_EQ(program().powerRun.inputs.description, "Lauf 3 Düse 240");

  click(O::Ewg);
  click(O::Din);
  EXPECT_FALSE(option(O::Ewg)->isChecked());
  EXPECT_TRUE(program().powerRun.inputs.din);
  click(O::Linear);
  EXPECT_FALSE(option(O::Rotatorisch)->isChecked());
  click(O::DisplaySpeed);
  EXPECT_EQ(program().powerRun.view.display, DisplayOption::Speed);
}

TEST_F(PowerWindowFixture, DruckPrintsTheReportOrSaysItWasCancelled) {
  ASSERT_TRUE(launch());
  program().settings.printText = "Prüfstand Nord";
  open();
  // The print dialog, closed without printing.
  QTimer::singleShot(300, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  QTest::mouseClick(form().printButton, Qt::LeftButton);
  EXPECT_EQ(status(), QStringLiteral("Drucken abgebrochen"));

  app->printer().setPdfOutput(QString::fromStdString(dir.file("bericht.pdf")));
  QTest::mouseClick(form().printButton, Qt::LeftButton);
  EXPECT_EQ(status(), QStringLiteral("Leistungsvergleich gedruckt"));
  const std::string text = pdfText(dir.file("bericht.pdf"));
  for (const char* expected :
       {"ORK - Leistungsvergleich", "--- Prüfstand Nord ---", "Temperatur:", "25 °C", "Luftdruck:",
        "1013 hPa", "Gewicht Fahrzeug:", "1000 kg", "Trägh.-Mom. Schwungmasse:", "15.0 kgm^2",
        "akt. Messung:", "rotatorisch", "keine Korr.", "ignor. Schlepp.",
        "*** ORK - Zünd- und Einspritzsteuerung für 2-Takt-Motoren ***", "[ CPU: ", "MB, PC: "})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

}  // namespace
}  // namespace qx
