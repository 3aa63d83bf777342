// Every file the program writes, saved while the file layer fails at one step: the previous
// file stays byte for byte, no temporary file is left, and the save says it failed.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/app/Program.h"
#include "core/app/ProgramSettingsFile.h"
#include "core/lambda/LambdaFileActions.h"
#include "core/logger/Logger.h"
#include "core/ports/LoggerTimer.h"
#include "core/power/PowerFileActions.h"
#include "core/setup/SetupFileActions.h"
#include "core/util/Files.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace qx {
namespace {

struct NoTimer final : LoggerTimer {
  void start(int) override {}
  void stop() override {}
};

struct SaveCase {
  std::string file;
  std::string message;  // title|text of the message box
  std::string status;
};

TEST(FailedSave, EveryStepOfEverySaveLeavesThePreviousFile) {
  test::TempDir dir;
  test::ManualClock clock;
  Program program(clock, dir.path() + "/");
  test::RecordingSink sink;
  program.messages.setSink(&sink);
  test::ScriptedRequesters requesters;
  NoTimer timer;
  LoggerScreen screen;
  LoggerPorts ports{clock, program.messages, requesters, timer, screen};
  LoggerState logger;
  setLogPath(logger, dir.path());
  logger.fileName = "a.olg";
  program.logTable.storeRecord(1, LogRecord{1000.0f});

  const std::vector<SaveCase> cases = {
      {"a.ork", "Achtung|Die Setup-Datei\rkonnte nicht gespeichert werden.",
       "Setup a.ork konnte nicht gespeichert werden"},
      {"a.oll", "Achtung!|Die Lambdalogdatei\rkonnte nicht gespeichert werden.",
       "Fehler beim Speichrn der OLL-Datei"},
      {"a.olv", "Achtung!|Die Leistungsvergleichsdatei\rkonnte nicht gespeichert werden.",
       "Fehler beim Speichrn der LV-Datei"},
      {"a.olg", "Achtung|\rLogdatei konnte nicht angelegt werden.\r\rLoggen/Sichern nicht möglich.",
       "Log-Datei konnte nicht angelegt werden"},
      {program.info.programName + ".cfg",
       "Info| Einstellungsdatei konnte im Programmverzeichnis nicht geschrieben werden.",
       "Einstellungsdatei konnte nicht geschrieben werden"},
  };
  auto save = [&](const std::string& file) {
    requesters.fileAnswers.push_back(dir.file(file));
    if (file == "a.ork")
      saveSetupFile(program.setup, {}, requesters, program.messages, clock);
    else if (file == "a.oll")
      saveLambdaLog(program.lambdaLogger, program.lambdaTable, program.device, false, requesters,
                    program.messages, clock);
    else if (file == "a.olv")
      savePowerFile(program.powerRun, requesters, program.messages, clock, program.device);
    else if (file == "a.olg")
      saveLog(logger, program.logTable, program.device, program.settings, ports);
    else
      saveProgramSettings(program, requesters);
  };
  const Bytes previous{'a', 'l', 't', '\r', '\n'};

  for (const SaveCase& c : cases) {
    for (FileStep step :
         {FileStep::Create, FileStep::Write, FileStep::Sync, FileStep::Close, FileStep::Rename}) {
      SCOPED_TRACE(c.file + " step " + std::to_string(static_cast<int>(step)));
      ASSERT_TRUE(writeFileAtomically(dir.file(c.file), previous));
      requesters.shown.clear();
      setFileFaultHook([step](FileStep s, const std::string&) { return s == step; });
      save(c.file);
      setFileFaultHook({});
      EXPECT_EQ(readWholeFile(dir.file(c.file)), previous);
      ASSERT_FALSE(requesters.shown.empty());
      EXPECT_EQ(requesters.shown.back().kind, "message");
      EXPECT_EQ(requesters.shown.back().title + "|" + requesters.shown.back().text, c.message);
      EXPECT_EQ(sink.shown.back(), c.status);
      int files = 0;
      for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
      EXPECT_EQ(files, 1) << "a temporary file was left";
      std::filesystem::remove(dir.file(c.file));
    }
    // Without a fault the same save replaces the file.
    ASSERT_TRUE(writeFileAtomically(dir.file(c.file), previous));
    save(c.file);
    EXPECT_NE(readWholeFile(dir.file(c.file)), previous);
    std::filesystem::remove(dir.file(c.file));
  }
}

}  // namespace
}  // namespace qx
