#include "core/power/PowerFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/DeviceInfo.h"
#include "core/link/LinkFlags.h"
#include "core/power/PowerFileActions.h"
#include "core/util/Files.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace qx {
namespace {

// The lines of a comparison file; line 8 (UTF-16LE) is kept as raw bytes with its line end.
struct Lines {
  std::vector<std::string> text;  // text[0] is line 1
  std::string comment;
  std::string join(int first, int last) const {
    std::string out;
    for (int n = first; n <= last; ++n) out += text[static_cast<std::size_t>(n - 1)] + "|";
    return out;
  }
};

Lines splitFile(const Bytes& b) {
  Lines out;
  const std::string all(b.begin(), b.end());
  std::size_t i = 0;
  auto line = [&](const std::string& end) {
    const std::size_t e = std::min(all.find(end, i), all.size());
    out.text.push_back(all.substr(i, e - i));
    i = e + end.size();
  };
  for (int n = 0; n < 7; ++n) line("\r\n");
  line(std::string("\r\0\n\0", 4));
  out.comment = out.text.back() + std::string("\r\0\n\0", 4);
  while (i < all.size()) line("\r\n");
  return out;
}

PowerRun sampleRun() {
  PowerRun run;
  PowerInputs& in = run.inputs;
  in.temperatureC = 21, in.pressureHpa = 998, in.humidityPercent = 40, in.weightKg = 180;
  in.ratio = 0.12, in.wheelCm = 190, in.frontalArea = 0.6, in.dragCoefficient = 0.7;
  in.rollerCm = 100, in.inertia = 2.35;
  in.din = true, in.addDrag = true;
  in.description = "Lauf ä";
  for (std::size_t j = 1; j <= 120; ++j) {
    run.table[j][kRunTime] = 100.0f * static_cast<float>(j - 1);
    run.table[j][kRunSpeed] = 2000.0f + 50.0f * static_cast<float>(j);
  }
  run.curves[1][kBinSpeed][1] = 50, run.curves[1][kBinTorque][1] = 1.234f;
  run.curves[1][kBinPower][1] = 5.5f;
  return run;
}

TEST(PowerFile, EveryFileHas1054LinesInTheirFixedPlaces) {
  const Bytes file = encodePowerFile(sampleRun(), {"lauf1.olv", "1\n2", "2.7"},
                                     LocalDateTime{2018, 5, 7, 14, 3, 9});
  const Lines l = splitFile(file);
  ASSERT_EQ(l.text.size(), 1054u);
  // clang-format off
  EXPECT_EQ(l.join(1, 7), "ORK-Leistungsvergleich|Datei:,lauf1.olv|Datum:,07.05.2018|"
                          "Uhrzeit:,14:03:09|ORK HW:,1 2|ORK SW:,2.7||");
  EXPECT_EQ(l.comment, std::string("K\0o\0m\0m\0e\0n\0t\0a\0r\0:\0,\0L\0a\0u\0f\0 \0\xE4\0\r\0\n\0", 38));
  EXPECT_EQ(l.join(9, 26), "|Umwelt|Temperatur [°C]:,21|Luftdruck [hPa]:,998|Luftfeuchte [%]:,40|"
                           "Fahrzeug|Fahrzeuggewicht [kg]:,180|Uebersetzung [Rad/KW]:,0.12|"
                           "Radumfang [cm]:,190|Windflaeche [m^2]:,0.60|cw-Wert:,0.70|Pruefstand|"
                           "Rollenumfang [cm]:,100|Schwungm.Tr.Mom.[kgm^2]:,2.35||Logdaten|"
                           "t [ms],n KW [U/min]|0.000,2050.000|");
  EXPECT_EQ(l.join(145, 146), "11900.000,8000.000|0.000,0.000|");
  EXPECT_EQ(l.join(725, 734), "0.000,0.000||Auswertung|Messsystem,rotatorisch|EWG 80/1269,0|"
                              "DIN 70200,1|Add. Schleppwerte,1||n [U/min],M [Nm],P [kW]|50.00,1.23,5.50|");
  EXPECT_EQ(l.join(1053, 1054), "0.00,0.00,0.00|Dateiende|");
  // clang-format on
  EXPECT_EQ(file.back(), '\n');
}

struct PowerFileActions : ::testing::Test {
  PowerFileActions() { log.setSink(&sink); }
  std::string path(const std::string& name) const { return dir.file(name); }
  static void write(const std::string& p, const std::string& content) {
    std::ofstream(p) << content;
  }
  std::string status() const { return sink.shown.empty() ? "" : sink.shown.back(); }

  test::TempDir dir;
  test::ManualClock clock;
  LinkFlags flags;
  ProgramSettings settings;
  MessageLog log{flags, settings, clock};
  test::RecordingSink sink;
  test::ScriptedRequesters requesters;
  DeviceInfo unit{"ORK", "1.2", "2.7", "1.0", 1};
  PowerRun run = sampleRun();
};

TEST_F(PowerFileActions, SaveAddsTheExtensionAndAsksBeforeReplacingAFile) {
  struct Case {
    std::string chosen, written;
    std::string existing;  // content of `written` before the save ("" : no file)
    bool answer;
    bool asked, saved;
  };
  // clang-format off
  const Case cases[] = {{"lauf1", "lauf1.olv", "", true, false, true},
                        {"lauf1.OLV", "lauf1.OLV", "", true, false, true},
                        {"lauf1.txt", "lauf1.txt.olv", "", true, false, true},
                        {"alt.olv", "alt.olv", "old", false, true, false},
                        {"alt2.olv", "alt2.olv", "old", true, true, true}};
  // clang-format on
  for (const Case& c : cases) {
    if (!c.existing.empty()) write(path(c.written), c.existing);
    requesters.shown.clear();
    sink.shown.clear();
    requesters.fileAnswers = {path(c.chosen)};
    requesters.yesNoAnswers = {c.answer};
    savePowerFile(run, requesters, log, clock, unit);
    EXPECT_EQ(requesters.shown[0].title, "Leistungsvergleich speichern");
    EXPECT_EQ(requesters.shown.size(), c.asked ? 2u : 1u) << c.chosen;
    const auto size = fileSize(path(c.written));
    ASSERT_TRUE(size) << c.chosen;
    EXPECT_EQ(*size > 3, c.saved) << c.chosen;
    EXPECT_EQ(status(), c.saved ? "LV-Datei " + c.written + " gespeichert" : "") << c.chosen;
  }
  // An empty file is replaced without a question; the file texts become the measurement's.
  write(path("leer.olv"), "");
  requesters.shown.clear();
  requesters.fileAnswers = {path("leer.olv")};
  savePowerFile(run, requesters, log, clock, unit);
  EXPECT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(run.file.fileName, "leer.olv");
  EXPECT_EQ(run.file.date, "07.05.2018");
  EXPECT_EQ(run.file.hardware, "1.2");
  // A file that cannot be created: message box and status; the measurement keeps its texts.
  requesters.fileAnswers = {path("fehlt/lauf.olv")};
  clock.dateTime.year = 2020;
  savePowerFile(run, requesters, log, clock, unit);
  EXPECT_EQ(requesters.shown.back().title + requesters.shown.back().text,
            "Achtung!Die Leistungsvergleichsdatei\rkonnte nicht gespeichert werden.");
  EXPECT_EQ(status(), "Fehler beim Speichrn der LV-Datei");
  EXPECT_EQ(run.file.date, "07.05.2018");
}

TEST_F(PowerFileActions, LoadingAMeasurementRestoresItUnclampedAndRecalculates) {
  run.inputs.pressureHpa = 650;  // outside the field's range: stays as stored
  run.inputs.ewg = true;         // with DIN as well: DIN wins
  ASSERT_TRUE(
      writeFileAtomically(path("lauf.dat"), encodePowerFile(run, {"lauf.dat", "1.2", "2.7"}, {})));
  PowerRun other;
  requesters.fileAnswers = {path("lauf.dat")};
  loadPowerMeasurement(other, requesters, log);
  EXPECT_EQ(requesters.shown[0].title, "Leistungsvergleichsdatei laden");
  EXPECT_EQ(requesters.shown[1].title, "Setup laden");
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"Geladene LV-Datei 1 ggf. nicht kompatibel",
                                                  "LV-Datei lauf.dat geladen"}));
  EXPECT_EQ(other.inputs.pressureHpa, 650);
  EXPECT_TRUE(other.inputs.din && !other.inputs.ewg && other.inputs.addDrag);
  EXPECT_EQ(other.inputs.description, "Lauf ä");
  EXPECT_EQ(other.file.fileName, "lauf.dat");
  EXPECT_EQ(other.file.software, "2.7");
  EXPECT_EQ(other.table[120][kRunSpeed], 8000.0f);
  EXPECT_NE(other.table[60][kRunTorque], 0.0f);  // recalculated
  EXPECT_GT(other.curves[1][kBinTorque][100], 0.0f);

  requesters.fileAnswers = {path("weg.olv")};
  loadPowerMeasurement(other, requesters, log);
  EXPECT_EQ(status(), "LV-Datei 1 laden fehlerhaft");
  // A file that ends early reads as zeros and empty texts.
  write(path("kurz.olv"), "ORK-Leistungsvergleich\r\nDatei:,x\r\nDatum:,1.1.2000\r\n");
  requesters.fileAnswers = {path("kurz.olv")};
  loadPowerMeasurement(other, requesters, log);
  EXPECT_EQ(other.file.date, "1.1.2000");
  EXPECT_EQ(other.table[120][kRunSpeed], 0.0f);
  EXPECT_EQ(other.inputs.system, MeasuringSystem::Linear);
  EXPECT_EQ(other.curves[1][kBinSpeed][1], 0.0f);
}

TEST_F(PowerFileActions, AComparisonCurveTakesTheStoredBinsAndShowsTheSettings) {
  run.curves[1][kBinSpeed][100] = 5000, run.curves[1][kBinPower][100] = 20.5f;
  ASSERT_TRUE(writeFileAtomically(path("v.olv"), encodePowerFile(run, {"v.olv", "", ""}, {})));
  ASSERT_TRUE(writeFileAtomically(path("v.txt"), encodePowerFile(run, {"v.txt", "", ""}, {})));
  PowerRun other;
  requesters.fileAnswers = {path("v.olv"), path("v.txt")};
  loadPowerComparison(other, 2, requesters, log);
  loadPowerComparison(other, 3, requesters, log);
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"LV-Auswertung 2 geladen",
                                                  "Geladene LV-Auswertung 3  ggf. nicht kompatibel",
                                                  "LV-Auswertung 3 geladen"}));
  const ComparisonCurve& c = other.comparison[2];
  EXPECT_EQ(c.fileName, "v.olv");
  EXPECT_EQ(c.system, "rotatorisch");
  EXPECT_EQ(c.correction, "(DIN70200)");
  EXPECT_EQ(c.drag, "(Add. Schlepp.)");
  EXPECT_EQ(c.description, "Lauf ä");
  EXPECT_EQ(other.curves[2][kBinPower][100], 20.5f);
  EXPECT_EQ(other.curves[1][kBinPower][100], 0.0f);  // the current measurement stays
  EXPECT_EQ(other.table[1][kRunSpeed], 0.0f);
}

}  // namespace
}  // namespace qx
