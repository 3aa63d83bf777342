#include "core/mainwin/HelpText.h"

namespace qx {

namespace {
struct Row {
  const char* key;
  const char* explanation;  // "%P" stands for the program name
};

constexpr Row kRows[] = {
    {"Hauptfenster Tasten", "Erklärung"},
    {"", ""},
    {"ESC", "Kennfeld/-linie bearbeiten beenden"},
    {"F1", "diese Hilfe anzeigen"},
    {"shift+F1", "Rücksetzten der Position Hauptfenster und Systemfenster"},
    {"F3", "Kennfeld Einspritzwinkel@Drehzahl/Drosselklappe: Stüztpunktgruppe erhöhen"},
    {"F4", "Kennfeld Einspritzwinkel@Drehzahl/Drosselklappe: Stüztpunktgruppe erniedrigen"},
    {"F5", "Kennfeld Einspritzwinkel zu Drehzahl und Drosselklappe bearbeiten"},
    {"F6", "Kennlinie Einspritzkorrektur nach Ansauglufttemperatur bearbeiten"},
    {"F7", "Kennlinie Einspritzkorrektur nach Motortemperatur bearbeiten"},
    {"F8", "Kennlinie Zündwinkel vor O.T. nach Drehzahl bearbeiten"},
    {"F10", " Beenden"},
    {"F11", "Leistungsvergleich starten"},
    {"F12", "Leistungsvergleich stoppen"},
    {"Pfeil hoch", "Cursor bewegen"},
    {"Pfeil runter", "Cursor bewegen"},
    {"Pfeil rechts", "Cursor bewegen"},
    {"Pfeil links", "Cursor bewegen"},
    {"+  (shift +)", "Kennfeld/-linienwert um 1 (10) erhöhen"},
    {"-   (shift -)", "Kennfeld/-linienwert um 1 (10) erniedrigen"},
    {"", ""},
    {"-> EEPROM", "Die im Speicher der ORK befindlichen Daten werden ins EEPROM der ORK kopiert"},
    {"-> PC", "Die Daten der ORK werden zur %P kopiert"},
    {"-> ORK", "Die Daten in der %P werden zur ORK kopiert"},
    {"Laden", "Es wird ein ORK-Setup von einem Datenträger in die %P geladen"},
    {"Speichern", "Es wird aus den Setup-Daten in der %P eine Datei erstellt"},
    {"Einstellungen", "Das Einstellungen-Fenster wird aktiviert"},
    {"Test", "Das Test-Fenster wird aktiviert"},
    {"Grossbild", "Anzeige des Werkstattbildschirms"},
    {"System", "Das System-Fenster wird aktiviert"},
    {"Lern-Modus", "Das Fenster Lern-Modus wird aktiviert."},
    {"Vitaldaten-Logger", "Das Vitaldaten-Logger-Fenster wird aktiviert."},
    {"Lambda-Logger", "Das Lambda-Logger-Fenster wird angezeigt."},
    {"Leistungsvergleich", "Das Fenster Leistungsvergleich wird aktiviert."},
    {"", ""},
    {"verf. Ports?", "Aktualisiert die Liste der verfügbaren seriellen Ports"},
    {"", ""},
    {"Details...", "...gibt's in der Bedienungsanleitung :-)"},
    {"", ""},
    {"", ""},
    {"Vielen Dank an:", ""},
    {"die Prüfstandler", "für unzählige Stunden auf der Rolle"},
    {"alle Testfahrer", "für Messfahrten bei jedem Wetter"},
    {"die Werkstatt", "für Motoren, Werkzeug und Kaffee"},
    {"die Beta-Tester", "für Geduld und ehrliche Fehlerberichte"},
    {"das Fahrerlager", "für Ersatzteile in letzter Minute"},
    // Keys beyond the original list, kept after it so that its lines stay where they are.
    {"", ""},
    {"Weitere Tasten", ""},
    {"strg+Z", "letzte Änderung an Kennfeld/-linie zurücknehmen (beim Bearbeiten)"},
    {"strg+Y", "zurückgenommene Änderung wiederholen (auch strg+shift+Z)"},
    {"F2", "Vergleich mit ORK: Setup der ORK mit dem der %P vergleichen"},
};

std::string withName(const char* text, const std::string& name) {
  std::string out = text;
  const std::string marker = "%P";
  for (auto at = out.find(marker); at != std::string::npos; at = out.find(marker, at + name.size()))
    out.replace(at, marker.size(), name);
  return out;
}
}  // namespace

std::vector<HelpLine> helpLines(const std::string& programName) {
  std::vector<HelpLine> lines;
  lines.reserve(std::size(kRows));
  for (const Row& r : kRows) lines.push_back({r.key, withName(r.explanation, programName)});
  return lines;
}

std::string helpColumnText(const std::vector<HelpLine>& lines, HelpColumn column) {
  std::string text;
  for (const HelpLine& l : lines) {
    text += column == HelpColumn::Keys ? l.key : l.explanation;
    text += '\n';
  }
  return text;
}

}  // namespace qx
