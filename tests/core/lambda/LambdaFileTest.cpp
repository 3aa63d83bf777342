// The lambda log file: its exact bytes, reading it back, and "Sichern" / "Laden".

#include "core/lambda/LambdaFile.h"

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
         "Umin -> ,0,1000,2000,3000,4000,5000,6000,7000,8000,9000,10000,11000,12000,"
         "13000,14000,15000,16000\r\n\r\n";
}

const std::string kFile =
    "ORK-Lambdalog\r\nDatei:,a.oll\r\nDatum:,07.05.2018\r\nUhrzeit:,14:03:09\r\n"
    "ORK HW:,1.2\r\nORK SW:,2 7\r\n\r\n" +
    utf16le(u"Kommentar:,Tüvok\r\n") + "\r\n" + probeBlock(1, 9, "100,1.23" + zeros(16)) +
    probeBlock(2, 8, "88,0.00,1.01" + zeros(15)) + probeBlock(3, 1, "0" + zeros(16) + ",0.01") +
    "Dateiende\r\n";
const Bytes kFileBytes(kFile.begin(), kFile.end());

struct LambdaFileTest : ::testing::Test, test::LinkHarness {
  LambdaFileTest() { table.at(1, 9, 1) = 1234, table.at(2, 8, 2) = 1005, table.at(17, 1, 3) = 5; }
  void save() { saveLambdaLog(state, table, device, true, requesters, program.messages, clock); }
  bool load() { return loadLambdaLog(state, table, requesters, program.messages); }
  test::TempDir dir;
  LambdaLoggerState state;
  LambdaTable table;
  DeviceInfo device{"ORK-Sim     ", "1.2", "2\n7", "1.0", 4};  // a line break from the unit
};

TEST_F(LambdaFileTest, IsWrittenByteForByteAndReadsBackAt10mVResolution) {
  const LambdaLogMeta meta = lambdaLogMetaAt(clock.now(), device, true);
  EXPECT_EQ(encodeLambdaFile(table, "a.oll", meta, "Tüv,ok"), kFileBytes);

  std::string odd = kFile;  // text gives 0, trailing text is ignored, huge values saturate
  odd.replace(odd.find("100,1.23,0.00,0.00"), 18, "100,1.23,abc,-0.2,1.5x,1e400");
  const LambdaFileContents back = parseLambdaFile(Bytes(odd.begin(), odd.end()));
  const int cells[] = {back.table.at(1, 9, 1), back.table.at(2, 8, 2), back.table.at(17, 1, 3),
                       back.table.at(2, 9, 1), back.table.at(3, 9, 1), back.table.at(4, 9, 1),
                       back.table.at(5, 9, 1)};
  EXPECT_EQ(std::vector<int>(std::begin(cells), std::end(cells)),
            (std::vector<int>{1230, 1010, 10, 0, -200, 1500, 2147483647}));
  EXPECT_EQ(back.comment, "Tüvok");
  EXPECT_EQ(back.meta.logTime, "14:03:09");
}

TEST_F(LambdaFileTest, SavingAppendsOllAsksBeforeOverwritingAndSaysWhenItFailed) {
  const std::pair<const char*, const char*> names[] = {{"test", "test.oll"},
                                                       {"test.txt", "test.txt.oll"},
                                                       {"a.OLL", "a.OLL.oll"},
                                                       {"b.oll", "b.oll"}};
  for (const auto& [typed, written] : names) {
    requesters.fileAnswers.push_back(dir.file(typed));
    save();
    EXPECT_TRUE(fileExists(dir.file(written))) << typed;
    EXPECT_EQ(sink.shown.back(), std::string("OLL-Datei ") + written + " gespeichert");
  }
  EXPECT_EQ(requesters.shown.back().text, dir.file("a.OLL.oll") + "|OLL-Dateien|*.oll");
  EXPECT_EQ(state.fields.logDate, "");  // the "Log_" fields wait for a load

  ASSERT_TRUE(writeFileAtomically(dir.file("alt.oll"), Bytes{'x'}));
  requesters.fileAnswers = {dir.file("alt.oll"), dir.file("fehlt/x.oll")};
  requesters.yesNoAnswers = {false};
  save();
  EXPECT_EQ(requesters.shown.back().text, "Datei existiert bereits.\rÜberschreiben?");
  EXPECT_EQ(readWholeFile(dir.file("alt.oll")), Bytes{'x'});
  state.meta = {};
  save();
  EXPECT_EQ(requesters.shown.back().title, "Achtung!");
  EXPECT_EQ(requesters.shown.back().text, "Die Lambdalogdatei\rkonnte nicht gespeichert werden.");
  EXPECT_EQ(sink.shown.back(), "Fehler beim Speichrn der OLL-Datei");
  EXPECT_EQ(state.meta.logDate, "");
}

TEST_F(LambdaFileTest, LoadingAsksAboutOtherExtensionsAndFillsTheWindowFields) {
  const std::string folder = dir.path() + "/ein/recht/langer/Ordnername/fuer/Lambdalogs/";
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(writeFileAtomically(folder + "a.txt", kFileBytes));
  requesters.fileAnswers = {folder + "a.txt", folder + "a.txt", folder + "weg.oll"};
  requesters.yesNoAnswers = {false, true};
  EXPECT_FALSE(load());
  EXPECT_EQ(requesters.shown.back().text,
            "Vermutlich ist die Datei nicht kompatibel.\rWenn sie gelesen wurde, könnten die "
            "Daten falsch interpretiert worden sein!\rTrotzdem Laden?");
  EXPECT_EQ(table.at(1, 9, 1), 1234);
  ASSERT_TRUE(load());
  EXPECT_EQ(sink.shown[sink.shown.size() - 2], "Zu ladende OLL-Datei ist ggf. nicht kompatibel");
  EXPECT_EQ(sink.shown.back(), "OLL-Datei a.txt geladen");
  EXPECT_EQ(table.at(1, 9, 1), 1230);
  EXPECT_EQ(state.comment, "Tüvok");
  EXPECT_EQ(state.fields.path, folder.substr(0, 22) + " ... " + folder.substr(folder.size() - 22));

  table.at(1, 9, 1) = 7;
  EXPECT_FALSE(load());
  EXPECT_EQ(sink.shown.back(), "OLL-Datei laden fehlerhaft");
  EXPECT_EQ(table.at(1, 9, 1), 7);
}

}  // namespace
}  // namespace qx
