#include "core/app/Windows.h"

#include <stdexcept>

namespace qx {

namespace {
constexpr std::array<WindowSpec, kWindowCount> kSpecs{{
    {WindowId::Main, "Hauptdialog", " - Zünd- & Einspritzsteuerung", 830, 780, true, true,
     StoredWindow::Main},
    {WindowId::Settings, "Einstellungendialog", " - Einstellungen", 750, 720, true, true,
     StoredWindow::Settings},
    {WindowId::Test, "Testdialog", " - Test", 900, 575, true, true, StoredWindow::Test},
    {WindowId::Help, "hilfedialog", " - Hilfe", 640, 480, true, true, StoredWindow::Count, 620,
     740},
    {WindowId::Expert, "expertdialog", " - Expertfenster... FINGER WEG!", 950, 535, true, true,
     StoredWindow::Expert},
    {WindowId::System, "systemdialog", " - Systemeinstellungen", 600, 530, true, true,
     StoredWindow::System},
    {WindowId::Learning, "lernen", " - Lern-Modus", 505, 305, true, true, StoredWindow::Learning},
    {WindowId::BigDisplay, "grossbild", " - Grossbild", 640, 480, false, true,
     StoredWindow::BigDisplay},
    {WindowId::Power, "leistungsvergleich", " - Leistungsvergleich", 905, 760, true, true,
     StoredWindow::Power},
    {WindowId::Logger, "logger", " - Logger", 920, 605, false, true, StoredWindow::Logger},
    {WindowId::LambdaLogger, "lambdalogger", " - Lambdalogger", 755, 485, true, true,
     StoredWindow::LambdaLogger},
    {WindowId::Emergency, "notprogramm", " - Notprogramm", 205, 80, false, false,
     StoredWindow::Count},
}};

constexpr Shortcut kMainShortcuts[] = {
    {Key::Escape, NoModifier, MainMenu::Escape}, {Key::F5, NoModifier, MainMenu::F5},
    {Key::F6, NoModifier, MainMenu::F6},         {Key::F8, NoModifier, MainMenu::F8},
    {Key::F7, NoModifier, MainMenu::F7},         {Key::F1, NoModifier, MainMenu::F1},
    {Key::Return, NoModifier, MainMenu::Return}, {Key::Execute, NoModifier, MainMenu::Execute},
    {Key::E, Control | Alt, MainMenu::Expert},   {Key::F9, NoModifier, MainMenu::F9},
    {Key::F10, NoModifier, MainMenu::F10},       {Key::F1, Shift, MainMenu::ShiftF1},
    {Key::F3, NoModifier, MainMenu::F3},         {Key::F4, NoModifier, MainMenu::F4},
};
constexpr Shortcut kDialogShortcuts[] = {{Key::Return, NoModifier, 1},
                                         {Key::Execute, NoModifier, 2}};
constexpr Shortcut kTestShortcuts[] = {
    {Key::Return, NoModifier, 1}, {Key::Execute, NoModifier, 2}, {Key::Escape, NoModifier, 3}};
constexpr Shortcut kPowerShortcuts[] = {{Key::Return, NoModifier, 1},
                                        {Key::Execute, NoModifier, 2},
                                        {Key::F11, NoModifier, 11},
                                        {Key::F12, NoModifier, 12}};
}  // namespace

const std::array<WindowSpec, kWindowCount>& windowSpecs() {
  return kSpecs;
}

const WindowSpec& windowSpec(WindowId id) {
  for (const auto& s : kSpecs)
    if (s.id == id) return s;
  throw std::out_of_range("unknown window");
}

WindowId storedWindowId(StoredWindow slot) {
  for (const auto& s : kSpecs)
    if (s.stored == slot) return s.id;
  throw std::out_of_range("no window for this settings slot");
}

std::string windowTitle(const AppInfo& info, WindowId id) {
  return info.programTitle() + windowSpec(id).suffix;
}

std::span<const Shortcut> windowShortcuts(WindowId id) {
  switch (id) {
    case WindowId::Main:
      return kMainShortcuts;
    case WindowId::Settings:
    case WindowId::Expert:
    case WindowId::System:
    case WindowId::Learning:
    case WindowId::Logger:
      return kDialogShortcuts;
    case WindowId::Power:
      return kPowerShortcuts;
    case WindowId::Test:
      return kTestShortcuts;
    default:
      return {};
  }
}

std::optional<std::string> screenSizeWarning(const AppInfo& info, int desktopWidth,
                                             int desktopHeight, int largestWidth,
                                             int largestHeight) {
  if (desktopHeight >= largestHeight && desktopWidth >= largestWidth) return std::nullopt;
  return "Für die " + info.programName + " wird folgende \rMindestbildschirmgröße empfohlen:\r\r" +
         "Breite * Höhe:   " + std::to_string(largestWidth) + " * " +
         std::to_string(largestHeight) + "\r";
}

}  // namespace qx
