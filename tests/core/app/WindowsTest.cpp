#include "core/app/Windows.h"

#include <gtest/gtest.h>

#include "core/app/Fault.h"

namespace qx {
namespace {

TEST(Windows, TitlesJoinProgramNameVersionExtraAndSuffix) {
  AppInfo info;
  EXPECT_EQ(windowTitle(info, WindowId::Main), "Quarnelix1.E - Zünd- & Einspritzsteuerung");
  EXPECT_EQ(windowTitle(info, WindowId::Expert), "Quarnelix1.E - Expertfenster... FINGER WEG!");
  info.titleExtra = " Beta";
  EXPECT_EQ(windowTitle(info, WindowId::LambdaLogger), "Quarnelix1.E Beta - Lambdalogger");
}

TEST(Windows, CreationOrderAndSizes) {
  const auto& specs = windowSpecs();
  ASSERT_EQ(specs.size(), 12u);
  EXPECT_EQ(specs[0].id, WindowId::Main);
  EXPECT_EQ(specs[7].id, WindowId::BigDisplay);
  EXPECT_FALSE(specs[7].moveTo100);
  EXPECT_FALSE(windowSpec(WindowId::Logger).moveTo100);
  EXPECT_TRUE(windowSpec(WindowId::Test).moveTo100);
  EXPECT_EQ(windowSpec(WindowId::Power).innerWidth, 905);
  EXPECT_EQ(windowSpec(WindowId::Power).innerHeight, 760);
  // The emergency window: fixed 205 x 80, no place in the settings file.
  const WindowSpec& emergency = windowSpec(WindowId::Emergency);
  EXPECT_EQ(specs[11].id, WindowId::Emergency);
  EXPECT_EQ(emergency.innerWidth, 205);
  EXPECT_EQ(emergency.innerHeight, 80);
  EXPECT_FALSE(emergency.resizable);
  EXPECT_EQ(emergency.stored, StoredWindow::Count);
  EXPECT_EQ(windowTitle(AppInfo{}, WindowId::Emergency), "Quarnelix1.E - Notprogramm");
}

TEST(Windows, MainWindowShortcutsCarryTheirMenuNumbers) {
  auto keys = windowShortcuts(WindowId::Main);
  auto number = [&](Key k, unsigned mods) {
    for (const auto& s : keys)
      if (s.key == k && s.modifiers == mods) return s.menuNumber;
    return -1;
  };
  EXPECT_EQ(number(Key::F7, NoModifier), 41);
  EXPECT_EQ(number(Key::F8, NoModifier), 4);
  EXPECT_EQ(number(Key::F1, Shift), 100);
  EXPECT_EQ(number(Key::E, Control | Alt), 50);
  EXPECT_EQ(number(Key::Execute, NoModifier), 22);
  EXPECT_EQ(windowShortcuts(WindowId::Test).size(), 3u);
  EXPECT_EQ(windowShortcuts(WindowId::Power).size(), 4u);
  EXPECT_TRUE(windowShortcuts(WindowId::Help).empty());
}

TEST(Windows, ScreenSizeWarningOnlyWhenTheDesktopIsTooSmall) {
  AppInfo info;
  EXPECT_FALSE(screenSizeWarning(info, 950, 780, 950, 780).has_value());
  auto narrow = screenSizeWarning(info, 800, 1200, 950, 780);
  ASSERT_TRUE(narrow.has_value());
  EXPECT_EQ(*narrow,
            "Für die Quarnelix wird folgende \rMindestbildschirmgröße empfohlen:\r\r"
            "Breite * Höhe:   950 * 780\r");
  EXPECT_TRUE(screenSizeWarning(info, 1920, 600, 950, 780).has_value());
}

TEST(FatalTexts, MessageBoxAndStatusLineLayout) {
  FaultReport f{"Division durch Null", 412};
  EXPECT_EQ(fatalErrorText("Quarnelix", f),
            "Der folgende Fehler trat auf: \r\rDivision durch Null\rin Zeile 412\r\r"
            "Quarnelix wird jetzt unplanmäßig beendet.");
  EXPECT_EQ(fatalStatusText(f), "*** ERROR: Division durch Null (Zeile 412 )");
}

}  // namespace
}  // namespace qx
