#include "core/setup/SetupListing.h"

#include <gtest/gtest.h>

#include "core/ports/Clock.h"
#include "core/setup/SetupFile.h"

namespace qx {
namespace {

const LocalDateTime kSaved{2018, 5, 7, 14, 3, 9};

Bytes fileOf(const SetupRecord& r, const std::string& comment = "Testmotor") {
  return encodeSetupFile(r, comment, {"ORK-3Z", "1.0", "1.4", "1.1", 42}, kSaved);
}

ListedSetup listed(const Bytes& file) {
  auto result = readSetupForListing(file);
  EXPECT_TRUE(std::holds_alternative<ListedSetup>(result));
  return std::get<ListedSetup>(result);
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(SetupListing, ShowsHeaderParametersWithUnitsAndTables) {
  SetupRecord r;
  r.coilDriver = 1;
  r.retardRpm = 95;
  r.lambdaTarget = 449;
  r.learnLambdaInputs = 5;
  r.engineTempPoint1Volt = 45;
  r.mapCell(16, 8) = 4321;
  r.airTempCorrection[0] = 15;
  const std::string text = listSetup(listed(fileOf(r)));
  EXPECT_TRUE(contains(text, "Gespeichert:    2018.05.07 14:03\n"));
  EXPECT_TRUE(contains(text, "Beschreibung:   Testmotor\n"));
  EXPECT_TRUE(contains(text, "Gerätetyp:      ORK-3Z......\n"));
  EXPECT_TRUE(contains(text, "  Zündwinkel-Rückn.:" + std::string(30, ' ') + "9500 Umin\n"));
  EXPECT_TRUE(contains(text, "1 (ext. Treiber)\n"));
  EXPECT_TRUE(contains(text, "0.449 V\n"));
  EXPECT_TRUE(contains(text, "5 (Lambda 1, Lambda 3)\n"));
  EXPECT_TRUE(contains(text, "0.45 V\n"));
  EXPECT_FALSE(contains(text, "Umschaltzeit"));  // not in the file
  // The last map row (100 % throttle) ends with the cell at 16 000 rpm.
  EXPECT_TRUE(contains(text, "  100     "));
  EXPECT_TRUE(contains(text, "  4321\n"));
  // 15 means 100 %: the first point of the air temperature correction at -20 degrees C.
  EXPECT_TRUE(contains(text, "  °C        -20  -10    0"));
  EXPECT_TRUE(contains(text, "  %         100   85   85"));
}

TEST(SetupListing, DiffListsOnlyWhatDiffers) {
  SetupRecord a;
  SetupRecord b = a;
  EXPECT_EQ(diffSetups(listed(fileOf(a)), listed(fileOf(b))), "");

  b.cylinderOffset12 = 90;
  b.mapCell(5, 2) = 1250;
  b.ignitionCurve[3] = 22;
  b.engineTempCorrection[1] = 15;
  b.injectorSwitchTime = {100, 100, 100};  // not in the file, never a difference
  const std::string d = diffSetups(listed(fileOf(a)), listed(fileOf(b, "Anders")));
  EXPECT_EQ(d,
            "Beschreibung:" + std::string(37, ' ') + "Testmotor" + std::string(13, ' ') + "Anders\n" +
            "Zylinderversatz 1-2:" + std::string(30, ' ') + "0 °KW" + std::string(17, ' ') + "90 °KW\n" +
            "Einspritzung 5000 Umin / 25 %:" + std::string(20, ' ') + "0 µs" + std::string(18, ' ') + "1250 µs\n" +
            "Einspritzkorrektur Motor -10 °C:" + std::string(18, ' ') + "85 %" + std::string(18, ' ') + "100 %\n" +
            "Zündung 3000 Umin:" + std::string(32, ' ') + "0 °KW" + std::string(17, ' ') + "22 °KW\n");
}

TEST(SetupListing, BadFilesAreRefusedWithAReason) {
  Bytes file = fileOf(SetupRecord{});
  file.pop_back();
  auto r = readSetupForListing(file);
  ASSERT_TRUE(std::holds_alternative<std::string>(r));
  EXPECT_EQ(std::get<std::string>(r), "Die Datei hat 714 Bytes; eine Setup-Datei hat 715 Bytes.");

  // 715 bytes, but the header ends one byte late: the block would be read shifted.
  file = fileOf(SetupRecord{});
  file.insert(file.begin() + 262, 'Z');
  file.pop_back();
  r = readSetupForListing(file);
  ASSERT_TRUE(std::holds_alternative<std::string>(r));
  EXPECT_EQ(std::get<std::string>(r),
            "Die Kopfzeilen der Datei enden bei Byte 287 statt bei 286; die Datei ist keine "
            "Setup-Datei.");
}

TEST(SetupListing, ControlCharactersFromAFileNeverReachTheTerminal) {
  Bytes file = fileOf(SetupRecord{});
  file[262] = 0x1B;  // ESC in the device type line
  const std::string text = listSetup(listed(file));
  EXPECT_FALSE(contains(text, "\x1B"));
  EXPECT_TRUE(contains(text, "Gerätetyp:      .RK-3Z......\n"));
}

}  // namespace
}  // namespace qx
