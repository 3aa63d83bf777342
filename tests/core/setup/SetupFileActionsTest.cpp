#include "core/setup/SetupFileActions.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <regex>

#include "core/app/Program.h"
#include "core/setup/SetupFile.h"
#include "core/util/Files.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace qx {
namespace {

struct SetupFileFixture : ::testing::Test {
  test::ManualClock clock;
  test::TempDir dir;
  test::ScriptedRequesters requesters;
  Program program{clock, dir.path()};
  std::string folder = dir.path() + "/";

  test::RecordingSink sink;

  void SetUp() override {
    program.setup.file.folder = folder;
    program.messages.setSink(&sink);
  }
  void save(const std::string& name, const SetupFileUnit& unit = {}) {
    requesters.fileAnswers.push_back(folder + name);
    saveSetupFile(program.setup, unit, requesters, program.messages, program.clock);
  }
  void load(const std::string& name) {
    requesters.fileAnswers.push_back(folder + name);
    loadSetupFile(program.setup, program.editors.mode, requesters, program.messages);
  }
  std::string status() const { return program.messages.statusLine(); }
};

TEST_F(SetupFileFixture, SaveUsesTheRequesterAndAppendsTheExtension) {
  program.setup.file.fileName = "alt.ork";
  save("setup.ORK");
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].kind, "save");
  EXPECT_EQ(requesters.shown[0].title, "Setup speichern");
  EXPECT_EQ(requesters.shown[0].text, folder + "alt.ork|ORK-Dateien|*.ork");
  EXPECT_EQ(fileSize(folder + "setup.ORK.ork"), 715u);
  EXPECT_FALSE(fileExists(folder + "setup.ORK"));
  EXPECT_EQ(status(), "Setup setup.ORK.ork gespeichert (715)");
  EXPECT_EQ(program.setup.file.fileName, "setup.ORK.ork");
  EXPECT_EQ(program.setup.file.folder, folder);
}

TEST_F(SetupFileFixture, CancelledSaveDoesNothing) {
  requesters.fileAnswers.push_back(std::nullopt);
  saveSetupFile(program.setup, {}, requesters, program.messages, program.clock);
  requesters.fileAnswers.push_back(std::string());
  saveSetupFile(program.setup, {}, requesters, program.messages, program.clock);
  EXPECT_EQ(status(), "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 0);
}

TEST_F(SetupFileFixture, OverwriteQuestionOnlyForFilesWithContent) {
  ASSERT_TRUE(writeFileAtomically(folder + "leer.ork", Bytes{}));
  save("leer.ork");
  EXPECT_EQ(requesters.shown.size(), 1u);  // only the requester
  EXPECT_EQ(fileSize(folder + "leer.ork"), 715u);

  ASSERT_TRUE(writeFileAtomically(folder + "alt.ork", Bytes{'a'}));
  requesters.yesNoAnswers = {false};
  save("alt.ork");
  ASSERT_EQ(requesters.shown.size(), 3u);
  EXPECT_EQ(requesters.shown[2].title, "Speichern");
  EXPECT_EQ(requesters.shown[2].text, "Datei existiert bereits.\rÜberschreiben?");
  EXPECT_EQ(readWholeFile(folder + "alt.ork"), Bytes{'a'});

  requesters.yesNoAnswers = {true};
  save("alt.ork");
  EXPECT_EQ(fileSize(folder + "alt.ork"), 715u);
}

TEST_F(SetupFileFixture, AFailedSaveSaysSoAndKeepsTheOldFile) {
  ASSERT_TRUE(writeFileAtomically(folder + "alt.ork", Bytes{'a'}));
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = old;
  tight.rlim_cur = 100;  // the write breaks off half-way, as on a full disk
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  save("alt.ork");
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  ASSERT_FALSE(requesters.shown.empty());
  EXPECT_EQ(requesters.shown.back().kind, "message");
  EXPECT_EQ(requesters.shown.back().title, "Achtung");
  EXPECT_EQ(requesters.shown.back().text, "Die Setup-Datei\rkonnte nicht gespeichert werden.");
  EXPECT_EQ(status(), "Setup alt.ork konnte nicht gespeichert werden");
  EXPECT_EQ(readWholeFile(folder + "alt.ork"), Bytes{'a'});

  save("nirgends/neu.ork");
  EXPECT_EQ(status(), "Setup neu.ork konnte nicht gespeichert werden");
}

TEST_F(SetupFileFixture, SavedAndLoadedAgainIsIdenticalExceptTheDateLine) {
  program.setup.record.retardRpm = 77;
  program.setup.record.mapCell(3, 4) = 1234;
  program.setup.record.injectorBalance = {-5, 0, 7};
  program.setup.description = "Straßenmotor – 2 Zyl.";
  save("a.ork", {"ORK-2Z", "1.0", "1.4", "1.1", 3});
  const SetupRecord saved = program.setup.record;

  Program other{clock, dir.path()};
  other.setup.file.folder = folder;
  other.setup.record.injectorSwitchTime = {1, 2, 3};
  other.editors.mode = EditingMode::Ignition;
  const int revision = other.setup.revision;
  requesters.fileAnswers.push_back(folder + "a.ork");
  loadSetupFile(other.setup, other.editors.mode, requesters, other.messages);

  EXPECT_EQ(other.messages.statusLine(), "Setup a.ork gelesen");
  SetupRecord expected = saved;
  expected.injectorSwitchTime = {1, 2, 3};
  EXPECT_EQ(other.setup.record, expected);
  EXPECT_EQ(other.setup.description, "Straßenmotor – 2 Zyl.");
  EXPECT_EQ(other.setup.file.loadedName, "a.ork");
  EXPECT_EQ(other.setup.file.loadedHeader.device, "ORK-2Z......");
  EXPECT_EQ(other.setup.file.loadedHeader.restartCount, "3       ");
  EXPECT_EQ(other.editors.mode, EditingMode::None);
  EXPECT_GT(other.setup.revision, revision);

  clock.dateTime = {2030, 1, 2, 3, 4, 5};
  requesters.fileAnswers.push_back(folder + "b.ork");
  saveSetupFile(other.setup, {"ORK-2Z", "1.0", "1.4", "1.1", 3}, requesters, other.messages,
                other.clock);
  Bytes a = *readWholeFile(folder + "a.ork");
  Bytes b = *readWholeFile(folder + "b.ork");
  EXPECT_EQ(std::string(b.begin(), b.begin() + 26), "ORK-Setup 2030.01.02 03:04");
  EXPECT_EQ(Bytes(a.begin() + 28, a.end()), Bytes(b.begin() + 28, b.end()));
}

TEST_F(SetupFileFixture, WrongExtensionIsRefusedWithARandomNumberAndNoBox) {
  save("setup.ork");
  program.setup.record.retardAngle = 9;
  std::filesystem::copy_file(folder + "setup.ork", folder + "setup.ORK");
  requesters.shown.clear();
  load("setup.ORK");
  EXPECT_EQ(requesters.shown.size(), 1u);  // the requester only
  EXPECT_EQ(requesters.shown[0].title, "Setup laden");
  EXPECT_EQ(requesters.shown[0].text,
            folder + "setup.ork|ORK-Dateien|*.ork|Alle Dateien (*.*)|*.*");
  std::smatch m;
  const std::string line = status();
  ASSERT_TRUE(std::regex_match(line, m, std::regex(R"(Falscher Dateityp \(#(\d{1,4})\))")));
  EXPECT_LE(std::stoi(m[1]), 1000);
  EXPECT_EQ(program.setup.record.retardAngle, 9);
}

TEST_F(SetupFileFixture, OtherSizesAreLoadedOnlyAfterTheQuestion) {
  save("kurz.ork");
  Bytes file = *readWholeFile(folder + "kurz.ork");
  file[714] = 0x77;  // emergencyEnrichment, the last byte
  file[713] = 0x05;
  file.pop_back();
  ASSERT_TRUE(writeFileAtomically(folder + "kurz.ork", file));
  program.setup.record.emergencyEnrichment = 1;

  requesters.yesNoAnswers = {false};
  load("kurz.ork");
  EXPECT_EQ(requesters.shown.back().kind, "yesno");
  EXPECT_EQ(requesters.shown.back().title, "Setup laden");
  EXPECT_EQ(requesters.shown.back().text,
            "Vermutlich ist die Datei nicht kompatibel.(714)\rWenn sie gelesen wurde, bitte "
            "alle Einstellungen kontrollieren!\rTrotzdem Laden?");
  EXPECT_EQ(program.setup.record.emergencyEnrichment, 1);

  requesters.yesNoAnswers = {true};
  sink.shown.clear();
  load("kurz.ork");
  EXPECT_EQ(sink.shown,
            (std::vector<std::string>{"Setup ggf. nicht kompatibel", "Setup kurz.ork gelesen"}));
  EXPECT_EQ(program.setup.record.emergencyIgnitionAngle, 5);
  EXPECT_EQ(program.setup.record.emergencyEnrichment, 0);  // missing from the short file
}

TEST_F(SetupFileFixture, LearningAndLambdaLoggingWarningsInThisOrder) {
  program.setup.record.learningActive = 1;
  program.setup.record.lambdaLoggingActive = 1;
  save("aktiv.ork");
  program.setup.record = SetupRecord{};
  requesters.shown.clear();
  load("aktiv.ork");
  ASSERT_EQ(requesters.shown.size(), 3u);
  EXPECT_EQ(requesters.shown[1].title, "Achtung!");
  EXPECT_EQ(requesters.shown[1].text.substr(0, 26), "\rDer Lern-Modus ist aktiv.");
  EXPECT_EQ(requesters.shown[2].title, "Achtung!");
  EXPECT_EQ(requesters.shown[2].text.substr(0, 25), "\rLambda-Loggen ist aktiv.");
  EXPECT_EQ(status(), "Setup aktiv.ork gelesen");
}

TEST_F(SetupFileFixture, AFileThatCannotBeReadChangesNothing) {
  std::filesystem::create_directory(folder + "ordner.ork");
  program.setup.record.retardAngle = 9;
  program.setup.description = "bleibt";
  load("ordner.ork");
  EXPECT_EQ(requesters.shown.back().kind, "message");
  EXPECT_EQ(requesters.shown.back().title, "Achtung");
  EXPECT_EQ(requesters.shown.back().text, "Datei konnte nicht gelesen werden.");
  EXPECT_EQ(status(), "Setup ordner.ork konnte nicht gelesen werden");
  EXPECT_EQ(program.setup.record.retardAngle, 9);
  EXPECT_EQ(program.setup.description, "bleibt");
  EXPECT_EQ(program.setup.file.loadedName, "");

  load("fehlt.ork");
  EXPECT_EQ(status(), "Setup fehlt.ork konnte nicht gelesen werden");
}

}  // namespace
}  // namespace qx
