// The emergency window and the help text.

#include <gtest/gtest.h>

#include "core/app/AppInfo.h"
#include "core/link/LinkFlags.h"
#include "core/link/VitalData.h"
#include "core/mainwin/EmergencyWindow.h"
#include "core/mainwin/HelpText.h"

namespace qx {
namespace {

TEST(EmergencyWindow, OpensOnlyWhileIdentifiedAndCanBeClosedOnlyWhileDisconnected) {
  using C = EmergencyChange;
  struct Step {
    bool identified;
    int emergency;
    bool click;  // "Fenster schliessen" before the pass
    C change;
    bool shown, button;
  } steps[] = {
      {false, 1, false, C::None, false, false},  // the last sample said 1: still not opened
      {true, 0, false, C::None, false, false},
      {true, 1, false, C::Open, true, false},
      {true, 2, false, C::None, true, false},   // at least 1; stays without a button
      {false, 0, false, C::None, true, true},   // connection lost: the button appears
      {false, 0, true, C::None, false, false},  // and closes it
      {false, 1, false, C::None, false, false},
      {true, 1, false, C::Open, true, false},  // reconnected, still in the program
      {true, 0, false, C::Close, false, false},
  };
  EmergencyWindowState state;
  int n = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(n++);
    LinkFlags link;
    link.unitIdentified = s.identified;
    VitalData v;
    v.emergencyProgram = s.emergency;
    if (s.click && emergencyWindowClosable(state, link)) closeEmergencyWindow(state);
    const EmergencyWindowView view = updateEmergencyWindow(state, link, v);
    EXPECT_EQ(view.change, s.change);
    EXPECT_EQ(view.shown, s.shown);
    EXPECT_EQ(view.closeButtonVisible, s.button);
  }
  EXPECT_EQ(emergencyWindowTitle(AppInfo{}), "Quarnelix1.E - Notprogramm");
}

TEST(HelpText, ColumnsRunLineForLineWithTheProgramNameAndTheThanksAfterTwoBlankLines) {
  const auto lines = helpLines("Quarnelix");
  ASSERT_GE(lines.size(), 46u);
  struct Row {
    std::size_t line;
    const char *key, *explanation;
  } rows[] = {
      {0, "Hauptfenster Tasten", "Erklärung"},
      {1, "", ""},
      {2, "ESC", "Kennfeld/-linie bearbeiten beenden"},
      {4, "shift+F1", "Rücksetzten der Position Hauptfenster und Systemfenster"},
      {5, "F3", "Kennfeld Einspritzwinkel@Drehzahl/Drosselklappe: Stüztpunktgruppe erhöhen"},
      {11, "F10", " Beenden"},
      {19, "-   (shift -)", "Kennfeld/-linienwert um 1 (10) erniedrigen"},
      {20, "", ""},
      {22, "-> PC", "Die Daten der ORK werden zur Quarnelix kopiert"},
      {25, "Speichern", "Es wird aus den Setup-Daten in der Quarnelix eine Datei erstellt"},
      {33, "Leistungsvergleich", "Das Fenster Leistungsvergleich wird aktiviert."},
      {35, "verf. Ports?", "Aktualisiert die Liste der verfügbaren seriellen Ports"},
      {37, "Details...", "...gibt's in der Bedienungsanleitung :-)"},
      {38, "", ""},
      {39, "", ""},
      {40, "Vielen Dank an:", ""},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(lines[r.line].key, r.key) << r.line;
    EXPECT_EQ(lines[r.line].explanation, r.explanation) << r.line;
  }
  const std::string keys = helpColumnText(lines, HelpColumn::Keys);
  const std::string texts = helpColumnText(lines, HelpColumn::Explanations);
  EXPECT_EQ(std::count(keys.begin(), keys.end(), '\n'), static_cast<long>(lines.size()));
  EXPECT_EQ(std::count(texts.begin(), texts.end(), '\n'), static_cast<long>(lines.size()));
  EXPECT_EQ(keys.substr(0, 25), "Hauptfenster Tasten\n\nESC\n");
}

}  // namespace
}  // namespace qx
