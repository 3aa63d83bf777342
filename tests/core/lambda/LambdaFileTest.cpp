// The lambda log file: its exact bytes, reading it back, and "Sichern" / "Laden".

#include "core/lambda/LambdaFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/lambda/LambdaFileActions.h"
#include "core/link/DeviceInfo.h"
#include "core/util/Files.h"
#include "support/LinkHarness.h"
#include "support/TempDir.h"

namespace qx {
namespace {

std::string utf16le(std::u16string_view text) {
  std::string out;
  for (char16_t u : text) out += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
  return out;
}

std::string zeros(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += ",0.00";
  return out;
}

// A probe block whose rows are all zero except one.
std::string probeBlock(int k, int row, const std::string& line) {
  const char* labels[] = {"100", "88", "75", "62", "50", "38", "25", "12", "0"};
  std::string out = "Lambda " + std::to_string(k) + "\r\nDrosselklappe [%]\r\n";
  for (int r = 9; r >= 1; --r) out += (r == row ? line : labels[9 - r] + zeros(17)) + "\r\n";
  return out +
         "Umin -> ,0,1000,2000,3000,4000,5000,6000,7000,8000,9000,10000,11000,12000,13000,"
         "14000,15000,16000\r\n\r\n";
}

LambdaTable sampleTable() {
  LambdaTable t;
  t.at(1, 9, 1) = 1234;
  t.at(2, 8, 2) = 1005;
  t.at(17, 1, 3) = 5;
  return t;
}

const std::string kExpectedFile =
    "ORK-Lambdalog\r\nDatei:,a.oll\r\nDatum:,07.05.2018\r\nUhrzeit:,14:03:09\r\n"
    "ORK HW:,1.2\r\nORK SW:,2 7\r\n\r\n" +
    utf16le(u"Kommentar:,Tüvok\r\n") + "\r\n" + probeBlock(1, 9, "100,1.23" + zeros(16)) +
    probeBlock(2, 8, "88,0.00,1.01" + zeros(15)) + probeBlock(3, 1, "0" + zeros(16) + ",0.01") +
    "Dateiende\r\n";

TEST(LambdaFile, IsWrittenByteForByteAndReadsBackAt10mVResolution) {
  const DeviceInfo unit{"ORK-Sim     ", "1.2", "2\n7", "1.0", 4};  // a line break from the unit
  const LambdaLogMeta meta = lambdaLogMetaAt({2018, 5, 7, 14, 3, 9}, unit, true);
  const Bytes file = encodeLambdaFile(sampleTable(), "a.oll", meta, "Tüv,ok");
  EXPECT_EQ(std::string(file.begin(), file.end()), kExpectedFile);

  const LambdaFileContents back = parseLambdaFile(file);
  EXPECT_EQ(back.table.at(1, 9, 1), 1230);
  EXPECT_EQ(back.table.at(2, 8, 2), 1010);
  EXPECT_EQ(back.table.at(17, 1, 3), 10);
  EXPECT_EQ(back.table.at(1, 1, 1), 0);
  EXPECT_EQ(back.comment, "Tüvok");
  EXPECT_EQ(back.meta.logDate, "07.05.2018");
  EXPECT_EQ(back.meta.logTime, "14:03:09");
  EXPECT_EQ(back.meta.logHw, "1.2");
  EXPECT_EQ(back.meta.logSw, "2 7");
  EXPECT_EQ(lambdaLogMetaAt({2018, 5, 7, 14, 3, 9}, unit, false).logHw, "");
}

TEST(LambdaFile, ShortOrForeignFilesReadAsZerosWithoutFailing) {
  const Bytes whole(kExpectedFile.begin(), kExpectedFile.end());
  for (std::size_t size : {std::size_t{0}, std::size_t{17}, std::size_t{150}, whole.size() / 2}) {
    const LambdaFileContents c = parseLambdaFile(std::span(whole.data(), size));
    EXPECT_EQ(c.table.at(17, 1, 3), 0) << size;
  }
  // Fields that are no plain number: text gives 0, a number with trailing text its number,
  // one beyond every range the largest cell value.
  std::string odd = kExpectedFile;
  odd.replace(odd.find("100,1.23"), 8, "100,abc,1e400,-0.2,1.5x");
  const LambdaFileContents c = parseLambdaFile(Bytes(odd.begin(), odd.end()));
  const int cells[] = {c.table.at(1, 9, 1), c.table.at(2, 9, 1), c.table.at(3, 9, 1),
                       c.table.at(4, 9, 1), c.table.at(5, 9, 1)};
  EXPECT_THAT(cells, ::testing::ElementsAre(0, 2147483647, -200, 1500, 0));
}

struct LambdaFileActions : ::testing::Test, test::LinkHarness {
  void save() { saveLambdaLog(state, table, device, true, requesters, program.messages, clock); }
  bool load() { return loadLambdaLog(state, table, requesters, program.messages); }
  test::TempDir dir;
  LambdaLoggerState state;
  LambdaTable table = sampleTable();
  DeviceInfo device{"ORK-Sim     ", "1.2", "2.7", "1.0", 4};
};

TEST_F(LambdaFileActions, SavingAppendsOllUnlessTheNameEndsInExactlyOll) {
  const std::pair<const char*, const char*> cases[] = {{"test", "test.oll"},
                                                       {"test.txt", "test.txt.oll"},
                                                       {"a.OLL", "a.OLL.oll"},
                                                       {"b.oll", "b.oll"}};
  for (const auto& [typed, written] : cases) {
    requesters.fileAnswers.push_back(dir.file(typed));
    save();
    EXPECT_TRUE(fileExists(dir.file(written))) << typed;
    EXPECT_EQ(sink.shown.back(), std::string("OLL-Datei ") + written + " gespeichert");
    EXPECT_EQ(state.folder + state.fileName, dir.file(written));
  }
  EXPECT_EQ(requesters.shown.back().title, "Lambdalogdatei speichern");
  // The default is the file saved before.
  EXPECT_EQ(requesters.shown.back().text, dir.file("a.OLL.oll") + "|OLL-Dateien|*.oll");
  EXPECT_EQ(state.meta.logDate, "07.05.2018");
  EXPECT_EQ(state.meta.logSw, "2.7");
  EXPECT_EQ(state.fields.logDate, "");  // the "Log_" fields wait for a load
}

TEST_F(LambdaFileActions, AnExistingFileIsOverwrittenOnlyOnYesAndAFailedSaveSaysSo) {
  ASSERT_TRUE(writeFileAtomically(dir.file("alt.oll"), Bytes{'x'}));
  ASSERT_TRUE(writeFileAtomically(dir.file("leer.oll"), Bytes{}));
  requesters.fileAnswers = {dir.file("alt.oll"), dir.file("leer.oll")};
  requesters.yesNoAnswers = {false};
  save();
  EXPECT_EQ(requesters.shown.back().text, "Datei existiert bereits.\rÜberschreiben?");
  EXPECT_EQ(readWholeFile(dir.file("alt.oll")), Bytes{'x'});
  save();  // an empty file is replaced without asking
  EXPECT_EQ(requesters.shown.back().kind, "save");
  EXPECT_GT(fileSize(dir.file("leer.oll")).value_or(0), 1000u);

  requesters.fileAnswers = {dir.file("fehlt/x.oll")};
  state.meta = {};
  save();
  EXPECT_EQ(requesters.shown.back().title, "Achtung!");
  EXPECT_EQ(requesters.shown.back().text, "Die Lambdalogdatei\rkonnte nicht gespeichert werden.");
  EXPECT_EQ(sink.shown.back(), "Fehler beim Speichrn der OLL-Datei");
  EXPECT_EQ(state.meta.logDate, "");
}

TEST_F(LambdaFileActions, LoadingFillsTheTableAndTheWindowFields) {
  const std::string folder = dir.path() + "/ein/recht/langer/Ordnername/fuer/Lambdalogs/";
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(
      writeFileAtomically(folder + "a.oll", Bytes(kExpectedFile.begin(), kExpectedFile.end())));
  requesters.fileAnswers = {folder + "a.oll"};
  table.clear();
  table.at(5, 5, 1) = 999;
  ASSERT_TRUE(load());
  EXPECT_EQ(requesters.shown.back().title, "Lambdaloggerdatei laden");
  EXPECT_EQ(table.at(1, 9, 1), 1230);
  EXPECT_EQ(table.at(5, 5, 1), 0);
  EXPECT_EQ(state.comment, "Tüvok");
  EXPECT_EQ(state.fields.file, "a.oll");
  EXPECT_EQ(state.fields.logTime, "14:03:09");
  EXPECT_EQ(state.fields.logSw, "2 7");
  ASSERT_GT(folder.size(), 50u);
  EXPECT_EQ(state.fields.path, folder.substr(0, 22) + " ... " + folder.substr(folder.size() - 22));
  EXPECT_EQ(sink.shown.back(), "OLL-Datei a.oll geladen");
}

TEST_F(LambdaFileActions, AnotherExtensionAsksFirstAndAMissingFileLeavesTheTable) {
  ASSERT_TRUE(
      writeFileAtomically(dir.file("a.txt"), Bytes(kExpectedFile.begin(), kExpectedFile.end())));
  requesters.fileAnswers = {dir.file("a.txt"), dir.file("a.txt"), dir.file("weg.oll")};
  requesters.yesNoAnswers = {false, true};
  EXPECT_FALSE(load());
  EXPECT_EQ(requesters.shown.back().text,
            "Vermutlich ist die Datei nicht kompatibel.\rWenn sie gelesen wurde, könnten die "
            "Daten falsch interpretiert worden sein!\rTrotzdem Laden?");
  EXPECT_EQ(table.at(1, 9, 1), 1234);
  EXPECT_TRUE(load());
  EXPECT_EQ(sink.shown[sink.shown.size() - 2], "Zu ladende OLL-Datei ist ggf. nicht kompatibel");
  EXPECT_EQ(table.at(1, 9, 1), 1230);

  table.at(1, 9, 1) = 7;
  EXPECT_FALSE(load());
  EXPECT_EQ(sink.shown.back(), "OLL-Datei laden fehlerhaft");
  EXPECT_EQ(table.at(1, 9, 1), 7);
}

}  // namespace
}  // namespace qx
