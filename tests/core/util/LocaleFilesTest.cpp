// The files the program writes are the same bytes under a German locale (comma as decimal
// separator, dots between thousands) as under C.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "core/app/ProgramSettings.h"
#include "core/app/ProgramSettingsFile.h"
#include "core/lambda/LambdaFile.h"
#include "core/logger/LogFormat.h"
#include "core/power/PowerCalc.h"
#include "core/power/PowerFile.h"
#include "core/power/PowerRun.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupRecord.h"

namespace qx {
namespace {

const LocalDateTime kSaved{2024, 3, 5, 14, 30, 7};

// Every file kind, with values that have fractions and thousands.
std::vector<Bytes> everyFile() {
  std::vector<Bytes> files;
  SetupRecord setup;
  files.push_back(
      encodeSetupFile(setup, "Kommentar 1,5", {"ORK", "1.2", "2.7", "1.0", 12345}, kSaved));
  ProgramSettings settings;
  settings.coilSupplyVolts = 13.8f;
  settings.coilResistanceOhm = 0.65f;
  files.push_back(encodeProgramSettings(settings, "1.E"));
  LambdaTable lambda;
  for (std::size_t i = 0; i < lambda.cells.size(); ++i) lambda.cells[i] = static_cast<int>(i * 97);
  files.push_back(
      encodeLambdaFile(lambda, "a.oll", {"05.03.2024", "14:30:07", "1.2", "2.7"}, "Runde 3"));
  PowerRun run;
  for (std::size_t j = 1; j <= kRunRows; ++j) {
    run.table[j][kRunTime] = static_cast<float>(j * 20);
    run.table[j][kRunSpeed] = 3000.0f + static_cast<float>(j) * 12.25f;
  }
  calculatePower(run);
  files.push_back(encodePowerFile(run, {"a.olv", "1.2", "2.7"}, kSaved));
  std::string log = logHeader({"a.olg", kSaved, "1.2", "2.7", "Runde 3"});
  const float row[kLogColumns] = {1234567.0f, 12345.0f, 37.5f, 71.25f, -4.5f, 0.855f, 1.5f};
  appendRecordLine(log, row);
  files.push_back(Bytes(log.begin(), log.end()));
  return files;
}

TEST(LocaleFiles, EveryFileIsTheSameUnderAGermanLocale) {
  const std::vector<Bytes> underC = everyFile();
  const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (!german) GTEST_SKIP() << "no de_DE.UTF-8 locale (scripts/install-deps makes it)";
  const std::locale before = std::locale::global(std::locale("de_DE.UTF-8"));
  const std::vector<Bytes> underGerman = everyFile();
  std::locale::global(before);
  std::setlocale(LC_ALL, "C");
  ASSERT_EQ(underC.size(), underGerman.size());
  for (std::size_t i = 0; i < underC.size(); ++i) EXPECT_EQ(underC[i], underGerman[i]) << i;
}

}  // namespace
}  // namespace qx
