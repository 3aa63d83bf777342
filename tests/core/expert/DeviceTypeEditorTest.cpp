#include "core/expert/DeviceTypeEditor.h"

#include <gtest/gtest.h>

#include <algorithm>

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
      {"AB", "AB.........."},
      {"", "............"},
      {"ORK-3 Racing 2", "ORK-3 Racing"},
      {"\xC3\x96l-Typ", ".l-Typ......"},  // "Öl-Typ": one dot for the umlaut
      {"A\r\nB", "A..B........"},
      {"\xFF\x80Z", "..Z........."},
  };
  for (const auto& [typed, shown] : cases) {
    DeviceTypeEditor editor;
    takeOverDeviceType(editor, typed);
    EXPECT_EQ(editor.deviceType, shown) << typed;
  }
}

struct DeviceTypeFixture : ::testing::Test {
  test::ManualClock clock;
  test::TempDir dir;
  test::ScriptedRequesters requesters;
  LinkFlags flags;
  ProgramSettings settings;
  MessageLog messages{flags, settings, clock};
  DeviceTypeEditor editor;

  Bytes setupFile() {
    SetupRecord record;
    record.lambdaTarget = 750;
    return encodeSetupFile(record, "Kommentar mit Ümlaut", {"ORK-Sim", "1.2", "2.7", "1.0", 4},
                           LocalDateTime{2018, 5, 7, 14, 3, 0});
  }
  void choose(const std::string& path) {
    requesters.fileAnswers.push_back(path);
    chooseSetupFile(editor, requesters, messages);
  }
  std::string lastMessage() const { return requesters.shown.back().text; }
};

TEST_F(DeviceTypeFixture, WritesTwelveCharactersOverLineNineOnly) {
  const Bytes before = setupFile();
  const std::string path = dir.file("a.ork");
  ASSERT_TRUE(writeFileAtomically(path, before));
  choose(path);
  EXPECT_EQ(requesters.shown[0].title, "Setup-Datei wählen");
  EXPECT_EQ(requesters.shown[0].text, "|ORK-Dateien|*.ork");
  EXPECT_EQ(editor.path, path);
  EXPECT_EQ(editor.deviceType, "ORK-Sim.....");

  takeOverDeviceType(editor, "AB");
  EXPECT_TRUE(writeDeviceType(editor, requesters, messages));
  EXPECT_EQ(lastMessage(), "Datei wurde überschrieben");
  EXPECT_EQ(messages.statusLine(), "Datei wurde überschrieben");
  const Bytes after = *readWholeFile(path);
  ASSERT_EQ(after.size(), 715u);
  EXPECT_EQ(std::string(after.begin() + 262, after.begin() + 276), "AB..........\r\n");
  // Everything but line 9 is as it was.
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + 262, before.begin()));
  EXPECT_TRUE(std::equal(after.begin() + 276, after.end(), before.begin() + 276));
  const SetupFileContents read = parseSetupFile(after);
  EXPECT_EQ(read.header.device, "AB..........");
  EXPECT_EQ(read.header.comment, "Kommentar mit Ümlaut");
}

TEST_F(DeviceTypeFixture, RefusesEveryFileWithoutTheNominalLayout) {
  Bytes shifted = setupFile();
  // Line 8 one byte longer, line 9 one byte shorter: still 715 bytes and a 286-byte header.
  shifted.insert(shifted.begin() + 260, 'X');
  shifted.erase(shifted.begin() + 273);
  Bytes shorter = setupFile();
  shorter.pop_back();
  Bytes longer = setupFile();
  longer.push_back(0);
  for (const Bytes& content : {shifted, shorter, longer}) {
    const std::string path = dir.file("b.ork");
    ASSERT_TRUE(writeFileAtomically(path, content));
    editor.path = path;
    editor.deviceType = "AB";
    EXPECT_FALSE(writeDeviceType(editor, requesters, messages));
    EXPECT_EQ(lastMessage(), "Datei konnte nicht gelesen werden.");
    EXPECT_EQ(messages.statusLine(), "Datei konnte nicht gelesen werden");
    EXPECT_EQ(*readWholeFile(path), content);
  }

  choose(dir.file("missing.ork"));
  EXPECT_EQ(lastMessage(), "Datei konnte nicht gelesen werden.");
  editor.path.clear();
  EXPECT_FALSE(writeDeviceType(editor, requesters, messages));
  EXPECT_EQ(lastMessage(), "Datei erst wählen.");
}

}  // namespace
}  // namespace qx
