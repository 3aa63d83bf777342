#include "core/app/ProgramSettingsFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/app/Program.h"
#include "core/util/Files.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace qx {
namespace {

void int32(Bytes& out, std::int32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF));
}
void raw(Bytes& out, std::initializer_list<std::uint8_t> bytes) {
  out.insert(out.end(), bytes);
}
void text(Bytes& out, const std::string& s) {
  out.insert(out.end(), s.begin(), s.end());
}

TEST(SettingsFileLayout, DefaultsByteForByte) {
  Bytes expected;
  text(expected, "1.E\r\n");
  // Windows not yet placed: (100, 100) and their inner sizes, in file order.
  const int sizes[10][2] = {{830, 780}, {640, 480}, {920, 605}, {905, 760}, {505, 305},
                            {750, 720}, {900, 575}, {600, 530}, {950, 535}, {755, 485}};
  for (auto& s : sizes) {
    int32(expected, 100);
    int32(expected, 100);
    int32(expected, s[0]);
    int32(expected, s[1]);
  }
  int32(expected, 8000);
  int32(expected, 1);
  raw(expected, {0x00, 0x00, 0x48, 0x44});  // 800.0f
  raw(expected, {0x00, 0x00, 0x16, 0x44});  // 600.0f
  raw(expected, {0x00, 0x00, 0xC8, 0x43});  // 400.0f
  raw(expected, {0x00, 0x00, 0x48, 0x43});  // 200.0f
  for (int v : {0, 0, 500, 100, 3600, 200, 85, 0, 3, 500}) int32(expected, v);
  raw(expected, {0x0D, 0x00, 0x0A, 0x00});  // empty printout text, UTF-16LE line end
  text(expected, "\r\n");                   // no port
  for (int v : {0, 0, 200, 8000, 250, 70, 85, 8000}) int32(expected, v);
  raw(expected, {0x00, 0x00, 0x40, 0x41});  // 12.0f
  raw(expected, {0x00, 0x00, 0x60, 0x40});  // 3.5f
  raw(expected, {0x00, 0x00, 0x48, 0x41});  // 12.5f
  for (int v : {1, 1, 1, 1000}) int32(expected, v);
  ASSERT_EQ(expected.size(), 289u + 4 + 2);

  EXPECT_EQ(encodeProgramSettings(ProgramSettings{}, "1.E"), expected);
}

ProgramSettings unusual() {
  ProgramSettings s;
  s.windows[static_cast<int>(StoredWindow::Main)] = {-20, 30, 900, 700, true};
  s.windows[static_cast<int>(StoredWindow::Settings)] = {400, 10, 600, 500, true};
  s.tachoMaxRpm = 12000;
  s.speedDisplayRounding = 50;
  s.lambdaThresholdsMv = {900.0f, 650.5f, 350.0f, 100.0f};
  s.showLearningLimits = true;
  s.loggerTimerMs = 1500;
  s.comTimerMs = 50;
  s.maxLogRecords = 20000;
  s.mapCeilingUs = 4000;
  s.injectionWarnPercent = 90;
  s.recordMessages = true;
  s.powerDataInterval = 7;
  s.powerMinRpm = 1000;
  s.printText = "Prüfstand Süd";
  s.comPort = "/dev/ttyUSB0";
  s.openComAtStart = true;
  s.readSetupAfterIdentify = true;
  s.injectorFlowMlMin = 330;
  s.injectorEstimateMaxRpm = 9000;
  s.cylinderVolumeCcm = 125;
  s.volumetricEfficiencyPercent = 110;
  s.maxInjectorDutyPercent = 80;
  s.coilEstimateMaxRpm = 11000;
  s.coilSupplyVolts = 13.5f;
  s.coilResistanceOhm = 0.8f;
  s.coilInductanceMh = 4.2f;
  s.bigDisplayLambda = {true, false, true};
  s.sensorErrorMinRpm = 1500;
  return s;
}

bool sameSettings(const ProgramSettings& a, const ProgramSettings& b) {
  return encodeProgramSettings(a, "x") == encodeProgramSettings(b, "x");
}

TEST(SettingsFileLayout, TextLinesAreUtf16AndUtf8AndEverythingRoundTrips) {
  const ProgramSettings s = unusual();
  const Bytes file = encodeProgramSettings(s, "1.E");
  // Field 16 starts after the fixed fields 2..15 at 5 + 224.
  const Bytes print(file.begin() + 229, file.begin() + 229 + 30);
  EXPECT_EQ(print, (Bytes{'P', 0, 'r', 0, 0xFC, 0, 'f',  0, 's', 0, 't',  0, 'a',  0, 'n', 0,
                          'd', 0, ' ', 0, 'S',  0, 0xFC, 0, 'd', 0, 0x0D, 0, 0x0A, 0}));
  EXPECT_EQ(std::string(file.begin() + 259, file.begin() + 273), "/dev/ttyUSB0\r\n");
  EXPECT_EQ(file.size(), 289u + 30 + 14);

  ProgramSettings read;
  const SettingsFileRead r = decodeProgramSettings(file, "1.E", read);
  EXPECT_TRUE(r.versionMatches);
  EXPECT_TRUE(r.complete);
  EXPECT_TRUE(sameSettings(read, s));
  EXPECT_TRUE(read.windows[0].known);
  EXPECT_TRUE(read.windows[1].known);  // written as the default, read back as a position
  EXPECT_EQ(read.windows[1].width, 640);
  EXPECT_EQ(read.printText, "Prüfstand Süd");
}

TEST(SettingsFileRead, TruncatedFileKeepsTheDefaultsOfWhatIsMissing) {
  const Bytes full = encodeProgramSettings(unusual(), "1.E");
  // Cut in the middle of the COM timer (bytes 201..204): the logger timer before it is read.
  ProgramSettings s;
  SettingsFileRead r = decodeProgramSettings(Bytes(full.begin(), full.begin() + 203), "1.E", s);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(s.loggerTimerMs, 1500);
  EXPECT_EQ(s.comTimerMs, 100);
  EXPECT_EQ(s.maxLogRecords, 3600);
  EXPECT_EQ(s.coilInductanceMh, 12.5f);

  // Cut inside the geometry of the third window: the first two are taken, the rest not.
  s = ProgramSettings{};
  decodeProgramSettings(Bytes(full.begin(), full.begin() + 5 + 32 + 6), "1.E", s);
  EXPECT_TRUE(s.windows[0].known);
  EXPECT_EQ(s.windows[0].x, -20);
  EXPECT_TRUE(s.windows[1].known);
  EXPECT_FALSE(s.windows[2].known);
  EXPECT_EQ(s.tachoMaxRpm, 8000);

  // Cut after the printout text: the port line and everything after stay default.
  s = ProgramSettings{};
  decodeProgramSettings(Bytes(full.begin(), full.begin() + 259), "1.E", s);
  EXPECT_EQ(s.printText, "Prüfstand Süd");
  EXPECT_EQ(s.comPort, "");
  EXPECT_FALSE(s.openComAtStart);
  EXPECT_EQ(s.sensorErrorMinRpm, 1000);
}

TEST(SettingsFileRead, EveryValueIsClampedIntoItsWindowsRange) {
  Bytes file;
  text(file, "1.E\r\n");
  for (int i = 0; i < 10; ++i) {
    int32(file, i == 0 ? 99999 : 5);
    int32(file, -99999);
    int32(file, 0);
    int32(file, 123456);
  }
  for (int v : {0, 0}) int32(file, v);  // tacho, rounding
  raw(file, {0x00, 0x00, 0xC0, 0x7F});  // NaN
  raw(file, {0x00, 0x00, 0x80, 0xFF});  // -inf
  raw(file, {0x00, 0x00, 0x80, 0x7F});  // +inf
  raw(file, {0x00, 0x00, 0x48, 0x43});  // 200
  for (int v : {7, -1, 0, 0, 0, 12345, 0, 2, 0, 0}) int32(file, v);
  std::string longText(150, 'x');
  for (char c : longText + "\r\n") raw(file, {static_cast<std::uint8_t>(c), 0});
  text(file, "COM3\r\n");
  for (int v : {1, 0, 0, 0, 0, 0, 0, 0}) int32(file, v);
  raw(file, {0x00, 0x00, 0x80, 0x7F});  // +inf volts
  raw(file, {0x00, 0x00, 0x00, 0x00});  // 0 ohm
  raw(file, {0x00, 0x00, 0xC0, 0x7F});  // NaN mH
  for (int v : {0, 5, -3, 99999}) int32(file, v);

  ProgramSettings s;
  ASSERT_TRUE(decodeProgramSettings(file, "1.E", s).complete);
  EXPECT_EQ(s.windows[0].x, 10000);
  EXPECT_EQ(s.windows[1].y, -10000);
  EXPECT_EQ(s.windows[1].width, 50);
  EXPECT_EQ(s.windows[1].height, 10000);
  EXPECT_EQ(s.tachoMaxRpm, 4000);
  EXPECT_EQ(s.speedDisplayRounding, 1);
  EXPECT_EQ(s.lambdaThresholdsMv[0], 800.0f);  // NaN keeps the default
  EXPECT_EQ(s.lambdaThresholdsMv[1], 0.0f);
  EXPECT_EQ(s.lambdaThresholdsMv[2], 1500.0f);
  EXPECT_TRUE(s.showLearningLimits);  // 7
  EXPECT_FALSE(s.sliderDisplays);     // -1
  EXPECT_EQ(s.loggerTimerMs, 100);
  EXPECT_EQ(s.comTimerMs, 5);  // never 0 ms
  EXPECT_EQ(s.maxLogRecords, 100);
  EXPECT_EQ(s.mapCeilingUs, 12200);  // in steps of 200
  EXPECT_EQ(s.injectionWarnPercent, 75);
  EXPECT_EQ(s.powerDataInterval, 1);
  EXPECT_EQ(s.powerMinRpm, 50);
  EXPECT_EQ(s.printText, std::string(100, 'x'));
  EXPECT_EQ(s.comPort, "COM3");
  EXPECT_EQ(s.injectorFlowMlMin, 10);
  EXPECT_EQ(s.injectorEstimateMaxRpm, 100);
  EXPECT_EQ(s.volumetricEfficiencyPercent, 1);
  EXPECT_EQ(s.coilSupplyVolts, 24.0f);
  EXPECT_EQ(s.coilResistanceOhm, 0.1f);
  EXPECT_EQ(s.coilInductanceMh, 12.5f);
  EXPECT_FALSE(s.bigDisplayLambda[0]);
  EXPECT_TRUE(s.bigDisplayLambda[1]);
  EXPECT_FALSE(s.bigDisplayLambda[2]);
  EXPECT_EQ(s.sensorErrorMinRpm, 16000);
}

struct SettingsFileFixture : ::testing::Test {
  test::ManualClock clock;
  test::TempDir dir;
  test::ScriptedRequesters requesters;
  test::RecordingSink sink;
  Program program{clock, dir.path()};
  std::string cfg = dir.file("Quarnelix.cfg");

  void SetUp() override { program.messages.setSink(&sink); }
};

TEST_F(SettingsFileFixture, MissingFileGivesDefaultsAndSaysSo) {
  program.settings.comTimerMs = 7;
  program.setup.record.retardRpm = 99;
  loadProgramSettings(program, requesters);
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Quarnelix");
  EXPECT_EQ(requesters.shown[0].text,
            "Keine Einstellungsdatei im Programmverzeichnis gefunden.\r\rStandardeinstellungen "
            "werden verwendet.");
  EXPECT_EQ(sink.shown,
            (std::vector<std::string>{
                "Einstellungsdatei nicht gefunden. Standardeinstellungen werden verwendet"}));
  EXPECT_EQ(program.settings.comTimerMs, 100);
  EXPECT_EQ(program.setup.record, SetupRecord{});
  EXPECT_EQ(program.setup.file.folder, dir.path() + "/");
  EXPECT_EQ(program.logTable.capacity(), 3600);
}

TEST_F(SettingsFileFixture, AnOlderVersionIsRefusedAsAWhole) {
  Bytes file = encodeProgramSettings(unusual(), "1.D");
  ASSERT_TRUE(writeFileAtomically(cfg, file));
  loadProgramSettings(program, requesters);
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Quarnelix");
  EXPECT_EQ(requesters.shown[0].text,
            "Die Einstellungsdatei (für 1.D) im Programmverzeichnis\rpasst nicht zu dieser "
            "Programmersion (Quarnelix1.E).\r\rStandardeinstellungen werden verwendet.");
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"Einstellungsdfatei: falscher Typ. "
                                                  "Standardeinstellungen werden verwendet"}));
  EXPECT_TRUE(sameSettings(program.settings, ProgramSettings{}));
}

TEST_F(SettingsFileFixture, TheForeignFirstLineIsNamedAsItStands) {
  const std::string prefix = "Die Einstellungsdatei (für ";
  struct Case {
    std::string firstLine, named;
  } cases[] = {
      {std::string(150, 'v'), std::string(150, 'v')},    // longer than a status line
      {"Kopf\tmit\x01Tab", "Kopf mit Tab"},              // control bytes as blanks
      {std::string(5000, 'w'), std::string(1000, 'w')},  // some other file altogether
  };
  for (const Case& c : cases) {
    Bytes file(c.firstLine.begin(), c.firstLine.end());
    file.push_back('\r');
    file.push_back('\n');
    ASSERT_TRUE(writeFileAtomically(cfg, file));
    requesters.shown.clear();
    loadProgramSettings(program, requesters);
    ASSERT_EQ(requesters.shown.size(), 1u);
    const std::string& text = requesters.shown[0].text;
    EXPECT_EQ(text.substr(0, prefix.size() + c.named.size() + 1), prefix + c.named + ")");
  }
}

TEST_F(SettingsFileFixture, ReadingAFileReportsTheStartAndSavingWritesItBack) {
  ASSERT_TRUE(writeFileAtomically(cfg, encodeProgramSettings(unusual(), "1.E")));
  loadProgramSettings(program, requesters);
  EXPECT_TRUE(requesters.shown.empty());
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"", "ORK Quarnelix1.E gestartet",
                                                  "ORK Einstellungsdatei gelesen"}));
  EXPECT_TRUE(sameSettings(program.settings, unusual()));
  EXPECT_EQ(program.logTable.capacity(), 20000);

  program.settings.comTimerMs = 250;
  saveProgramSettings(program, requesters);
  EXPECT_EQ(sink.shown.back(), "Einstellungsdatei geschrieben");
  ProgramSettings expected = unusual();
  expected.comTimerMs = 250;
  EXPECT_EQ(readWholeFile(cfg), encodeProgramSettings(expected, "1.E"));
}

TEST_F(SettingsFileFixture, AFailedWriteSaysSo) {
  program.info.programDirectory = dir.file("fehlt/");
  saveProgramSettings(program, requesters);
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Info");
  EXPECT_EQ(requesters.shown[0].text,
            " Einstellungsdatei konnte im Programmverzeichnis nicht geschrieben werden.");
  EXPECT_EQ(sink.shown.back(), "Einstellungsdatei konnte nicht geschrieben werden");
}

TEST_F(SettingsFileFixture, ALogTableTooLargeFallsBackToTheDefault) {
  ProgramSettings s;
  s.maxLogRecords = 9999999;
  ASSERT_TRUE(writeFileAtomically(cfg, encodeProgramSettings(s, "1.E")));
  // 760 MB of records on a machine with 512 MB free.
  program.logTable.setMemoryProbe([] { return std::optional<std::int64_t>(512LL << 20); });
  loadProgramSettings(program, requesters);
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Achtung");
  EXPECT_EQ(requesters.shown[0].text,
            "Die eingelesenen Voreinstellungen beinhalten eine max. Feldanzahl für den "
            "Logger.\rEs steht nicht genügend Arbeitsspeicher für die Datenfeldgröße (649999935) "
            "zur Verfügung.\r\rGgf. ist der Arbeitsspeicher zu klein.\r\r\rDie Feldanzahl wird "
            "auf den Standardwert gesetzt");
  EXPECT_EQ(sink.shown.back(), "Logdatei zu groß gefordert. Standard verwendet");
  EXPECT_EQ(program.settings.maxLogRecords, 3600);
  EXPECT_EQ(program.logTable.capacity(), 3600);
}

TEST(PortChoice, StoredPortIsSelectedOnlyWhenPresent) {
  ProgramSettings s;
  s.comPort = "COM3";
  s.openComAtStart = true;
  PortChoice c = portChoiceAtStart(s, {"COM1", "COM3"});
  EXPECT_EQ(c.entry, 1u);
  EXPECT_TRUE(c.tickCom);

  c = portChoiceAtStart(s, {"COM1", "COM4"});
  EXPECT_FALSE(c.entry.has_value());
  EXPECT_FALSE(c.tickCom);

  s.openComAtStart = false;
  c = portChoiceAtStart(s, {"COM3"});
  EXPECT_EQ(c.entry, 0u);
  EXPECT_FALSE(c.tickCom);

  s.comPort.clear();
  EXPECT_FALSE(portChoiceAtStart(s, {""}).entry.has_value());
}

}  // namespace
}  // namespace qx
