#include "core/system/SystemForm.h"

#include <gtest/gtest.h>

#include <map>

#include "core/app/ProgramSettings.h"
#include "core/logger/LogTable.h"
#include "support/LinkHarness.h"

namespace qx {
namespace {

using F = SystemField;
using Texts = std::vector<std::string>;

struct SystemFixture : ::testing::Test, test::LinkHarness {
  SystemFixture() { table.sizeFor(settings.maxLogRecords); }

  // Takes over the window with the given texts; the other fields show their values.
  SystemTakeOver takeOver(const std::map<F, std::string>& typed) {
    return takeOverSystemFields(settings, table, program.messages, requesters, [&](F f) {
      const auto it = typed.find(f);
      return it != typed.end() ? it->second : systemShownText(settings, f);
    });
  }

  ProgramSettings settings;
  LogTable table;
};

TEST_F(SystemFixture, EveryFieldIsCutToItsStepAndClamped) {
  struct Case {
    F field;
    const char* typed;
    const char* shown;
  } cases[] = {
      {F::ComTimer, "7", "5"},
      {F::ComTimer, "503", "500"},
      {F::ComTimer, "12", "10"},
      {F::ComTimer, "abc", "5"},
      {F::LoggerTimer, "1550", "1500"},
      {F::LoggerTimer, "50", "100"},
      {F::InjectionWarnPercent, "70", "75"},
      {F::PowerDataInterval, "11", "10"},
      {F::PowerMinRpm, "1234", "1200"},
      {F::SensorErrorMinRpm, "20000", "16000"},
      {F::MaxLogRecords, "50", "100"},
      {F::TachoMax, "8050", "8000"},
      {F::TachoMax, "3000", "4000"},
      {F::SpeedRounding, "0", "1"},
      {F::LambdaVeryRich, "1.6", "1.50"},
      {F::LambdaRich, "-0.2", "0.00"},
      {F::LambdaLean, "0.456", "0.46"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(systemFieldInfo(c.field).label) + " " + c.typed);
    settings = ProgramSettings{};
    takeOver({{c.field, c.typed}});
    EXPECT_EQ(systemShownText(settings, c.field), c.shown);
  }
  EXPECT_EQ(settings.lambdaThresholdsMv[2], 456.0f);
  // A threshold off the 10 mV grid that nobody touched stays as it is.
  settings.lambdaThresholdsMv[1] = 605.0f;
  takeOver({});
  EXPECT_EQ(settings.lambdaThresholdsMv[1], 605.0f);
  // The printout text keeps its first 100 characters; an umlaut is one of them.
  takeOver({{F::PrintText, "Ä" + std::string(120, 'x')}});
  EXPECT_EQ(settings.printText, "Ä" + std::string(99, 'x'));
}

TEST_F(SystemFixture, EveryTakeOverSizesTheLogTableAndARefusedSizeBringsBackTheOldOne) {
  EXPECT_TRUE(takeOver({{F::LoggerTimer, "1550"}}).logTableResized);
  EXPECT_EQ(maxLogTimeText(settings.maxLogRecords, settings.loggerTimerMs), "01:30:00");
  EXPECT_EQ(logFileSizeText(settings.maxLogRecords), "234 kB");  // 3600 * 65 / 1000
  EXPECT_EQ(maxLogTimeText(100000, 2000), "55:33:20");           // a duration goes past 24 hours
  EXPECT_TRUE(takeOver({{F::MaxLogRecords, "5000"}}).logTableResized);
  EXPECT_EQ(table.capacity(), 5000);
  EXPECT_TRUE(requesters.shown.empty());

  // 760 MB of records on a machine with 512 MB free.
  table.setMemoryProbe([] { return std::optional<std::int64_t>(512LL << 20); });
  const SystemTakeOver r = takeOver({{F::MaxLogRecords, "9999999"}});
  EXPECT_TRUE(r.logTableRefused && !r.logTableResized);
  EXPECT_EQ(settings.maxLogRecords, 5000);
  EXPECT_EQ(table.capacity(), 5000);
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title + "|" + requesters.shown[0].text,
            "Achtung| Das Datenfeld konnte in dieser Größe nicht angelegt werden.\r\rGgf. ist "
            "der Arbeitsspeicher zu klein.\r\r\rEs wird die vorherige Größe benutzt.");
  EXPECT_EQ(sink.shown, (Texts{"Loggerdateigröße nicht vorhanden. Standardgröße verwendet"}));
}

TEST_F(SystemFixture, TheLambdaThresholdsMustFallFromRichToLean) {
  struct Case {
    const char *veryRich, *rich, *lean, *veryLean, *warning;
  } cases[] = {
      {"0.80", "0.60", "0.60", "0.20", ""},
      {"0.40", "0.60", "0.40", "0.20", "Lambdaanzeigewerte prüfen!"},
      {"0.80", "0.60", "0.40", "0.50", "Lambdaanzeigewerte prüfen!"},
  };
  for (const Case& c : cases) {
    takeOver({{F::LambdaVeryRich, c.veryRich},
              {F::LambdaRich, c.rich},
              {F::LambdaLean, c.lean},
              {F::LambdaVeryLean, c.veryLean}});
    EXPECT_EQ(lambdaWarningText(settings), c.warning) << c.veryRich << " " << c.veryLean;
  }
}

TEST_F(SystemFixture, ErasingTheEepromAsksOnceOrTwiceThenSendsX3) {
  const std::string first = "EEPROM in der ORK wird gelöscht !";
  const std::string second =
      "Setup automatisch laden ist eingeschaltet.(siehe System)\rNach dem Löschen des EEPROM "
      "wird die ORK einen Neustart ausführen\rund das gelöschte Setup in die Quarnelix laden.";
  struct Case {
    bool identified, transfer, autoRead;
    std::deque<bool> answers;
    Texts questions;
    std::string sent;
  } cases[] = {
      {false, false, true, {}, {}, ""},  // no unit
      {true, true, true, {}, {}, ""},    // firmware on the line
      {true, false, false, {true}, {first}, "X\x03"},
      {true, false, false, {false}, {first}, ""},
      {true, false, true, {true, true}, {first, second}, "X\x03"},
      {true, false, true, {true, false}, {first, second}, ""},
  };
  for (const Case& c : cases) {
    requesters.shown.clear();
    port.written.clear();
    sink.shown.clear();
    clock.sleeps.clear();
    program.link = {true, c.identified, LinkError::None, c.transfer};
    settings.readSetupAfterIdentify = c.autoRead;
    requesters.yesNoAnswers = c.answers;
    eraseUnitEeprom(link, settings, requesters, program.info.programName);
    Texts questions;
    for (const auto& s : requesters.shown) questions.push_back(s.title + "|" + s.text);
    Texts expected;
    for (const auto& q : c.questions) expected.push_back("Achtung !|" + q);
    EXPECT_EQ(questions, expected);
    EXPECT_EQ(port.writtenText(), c.sent);
    const bool sent = !c.sent.empty();
    EXPECT_EQ(clock.sleeps, sent ? std::vector<int>{20} : std::vector<int>{});
    EXPECT_EQ(sink.shown, sent ? Texts{"EEPROM loeschen"} : Texts{});
  }
}

}  // namespace
}  // namespace qx
