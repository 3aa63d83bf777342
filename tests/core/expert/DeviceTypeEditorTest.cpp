#include "core/expert/DeviceTypeEditor.h"

#include <gtest/gtest.h>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/LinkFlags.h"
#include "core/ports/Clock.h"
#include "core/setup/SetupFile.h"
#include "core/util/Files.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace qx {
namespace {

TEST(DeviceTypeText, CutOrFilledWithDotsToTwelveAsciiCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"AB", "AB.........."},        {"ORK-3 Racing 2", "ORK-3 Racing"},
      {"\xC3\x96l", ".l.........."},  // "Öl": one dot for the umlaut
      {"A\r\nB", "A..B........"},    {"\xFF\x80Z", "..Z........."},
  };
  for (const auto& [typed, shown] : cases) EXPECT_EQ(deviceTypeText(typed), shown) << typed;
}

struct DeviceTypeFixture : ::testing::Test {
  test::ManualClock clock;
  test::TempDir dir;
  test::ScriptedRequesters requesters;
  LinkFlags flags;
  ProgramSettings settings;
  MessageLog messages{flags, settings, clock};
  DeviceTypeEditor editor;
  std::string path = dir.file("a.ork");
  Bytes file = encodeSetupFile(SetupRecord{}, "Kommentar mit Ümlaut",
                               {"ORK-Sim", "1.2", "2.7", "1.0", 4}, LocalDateTime{});
  std::string shown() const { return requesters.shown.back().text; }
};

TEST_F(DeviceTypeFixture, WritesTwelveCharactersOverLineNineOfA715ByteFile) {
  ASSERT_TRUE(writeFileAtomically(path, file));
  requesters.fileAnswers.push_back(path);
  chooseSetupFile(editor, requesters, messages);
  EXPECT_EQ(requesters.shown[0].title, "Setup-Datei wählen");
  EXPECT_EQ(editor.deviceType, "ORK-Sim.....");
  takeOverDeviceType(editor, "AB");
  EXPECT_TRUE(writeDeviceType(editor, requesters, messages));
  EXPECT_EQ(shown(), "Datei wurde überschrieben");
  Bytes expected = file;
  const std::string line = "AB..........\r\n";
  std::copy(line.begin(), line.end(), expected.begin() + 262);
  EXPECT_EQ(*readWholeFile(path), expected);  // 715 bytes, the comment as it was
}

TEST_F(DeviceTypeFixture, RefusesEveryFileWithoutTheNominalLayout) {
  Bytes shifted = file;  // line 8 one byte longer, line 9 one shorter: still 715 bytes
  shifted.insert(shifted.begin() + 260, 'X');
  shifted.erase(shifted.begin() + 273);
  const Bytes shorter(file.begin(), file.end() - 1);
  for (const Bytes& content : {shifted, shorter}) {
    ASSERT_TRUE(writeFileAtomically(path, content));
    editor = {path, "AB"};
    EXPECT_FALSE(writeDeviceType(editor, requesters, messages));
    EXPECT_EQ(shown(), "Datei konnte nicht gelesen werden.");
    EXPECT_EQ(messages.statusLine(), "Datei konnte nicht gelesen werden");
    EXPECT_EQ(*readWholeFile(path), content);
  }
  editor.path.clear();
  EXPECT_FALSE(writeDeviceType(editor, requesters, messages));
  EXPECT_EQ(shown(), "Datei erst wählen.");
}

}  // namespace
}  // namespace qx
