#include "core/power/PowerFileActions.h"

#include <cctype>
#include <optional>
#include <vector>

#include "core/app/MessageLog.h"
#include "core/link/DeviceInfo.h"
#include "core/ports/Clock.h"
#include "core/ports/Requesters.h"
#include "core/power/PowerCalc.h"
#include "core/power/PowerFile.h"
#include "core/power/PowerRun.h"
#include "core/util/Files.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr const char* kSaveFilter = "OLV-Dateien|*.olv";
constexpr const char* kLoadFilter = "OLV-Dateien|*.olv|Alle Dateien (*.*)|*.*";
constexpr const char* kLoadTitle = "Leistungsvergleichsdatei laden";
// A comparison file is about 40 kB; a much larger file chosen under "Alle Dateien" is read
// only this far.
constexpr std::size_t kReadLimit = 4 * 1024 * 1024;
constexpr std::size_t kFolderShown = 25;

struct SplitPath {
  std::string folder;  // with trailing '/', or empty
  std::string name;
};

SplitPath splitPath(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

bool hasOlvExtension(const std::string& name) {
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos) return false;
  std::string ext = name.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == "olv";
}

// The open requester and the question about a foreign extension; the chosen path or nothing.
std::optional<std::string> chooseFile(const PowerRun& run, Requesters& requesters, MessageLog& log,
                                      const std::string& doubtfulStatus) {
  const auto chosen =
      requesters.openFile(kLoadTitle, run.file.folder + run.file.fileName, kLoadFilter);
  if (!chosen || chosen->empty()) return std::nullopt;
  if (!hasOlvExtension(splitPath(*chosen).name)) {
    if (!requesters.askYesNo("Setup laden",
                             "Vermutlich ist die Datei nicht kompatibel.\rWenn sie gelesen "
                             "wurde, könnten die daten falsch interpretiert worden sein!\r"
                             "Trotzdem Laden?"))
      return std::nullopt;
    log.reportStatus(doubtfulStatus);
  }
  return chosen;
}

void clearCurve(PowerCurve& c) {
  for (std::size_t k = 1; k <= kPowerBins; ++k)
    c[kBinSpeed][k] = c[kBinTorque][k] = c[kBinPower][k] = 0;
}
}  // namespace

std::string shownFolder(const std::string& folder) {
  std::vector<std::size_t> starts;  // byte offset of every character
  for (std::size_t i = 0; i < folder.size(); ++i)
    if ((static_cast<unsigned char>(folder[i]) & 0xC0) != 0x80) starts.push_back(i);
  if (starts.size() <= 2 * kFolderShown + 5) return folder;
  return folder.substr(0, starts[kFolderShown]) + " ... " +
         folder.substr(starts[starts.size() - kFolderShown]);
}

void savePowerFile(PowerRun& run, Requesters& requesters, MessageLog& log, Clock& clock,
                   const DeviceInfo& unit) {
  const auto chosen = requesters.saveFile("Leistungsvergleich speichern",
                                          run.file.folder + run.file.fileName, kSaveFilter);
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (!hasOlvExtension(splitPath(path).name)) path += ".olv";

  const auto existing = fileSize(path);
  if (existing && *existing > 0 &&
      !requesters.askYesNo("Speichern", "Datei existiert bereits.\rÜberschreiben?"))
    return;

  const SplitPath split = splitPath(path);
  run.file.folder = split.folder;
  run.file.fileName = split.name;
  const LocalDateTime now = clock.now();
  const Bytes content = encodePowerFile(run, {split.name, unit.hardware, unit.software}, now);
  // Written to a temporary file and renamed over the target: a failed save leaves any old
  // file whole and is never reported as saved.
  if (!writeFileAtomically(path, content)) {
    requesters.message("Achtung!",
                       "Die Leistungsvergleichsdatei\rkonnte nicht gespeichert werden.");
    log.reportStatus("Fehler beim Speichrn der LV-Datei");
    ++run.revision;
    return;
  }
  run.file.date = powerFileDate(now);
  run.file.time = powerFileTime(now);
  run.file.hardware = unitTextForFile(unit.hardware);
  run.file.software = unitTextForFile(unit.software);
  log.reportStatus("LV-Datei " + split.name + " gespeichert");
  ++run.revision;
}

void takePowerMeasurement(PowerRun& run, const PowerFileContents& c) {
  for (std::size_t j = 1; j <= kRunRows; ++j) {
    run.table[j][kRunTime] = c.samples[j][0];
    run.table[j][kRunSpeed] = c.samples[j][1];
  }
  clearCurve(run.curves[1]);
  run.file.date = c.date;
  run.file.time = c.time;
  run.file.hardware = c.hardware;
  run.file.software = c.software;
  run.inputs = c.inputs;
  calculatePower(run);
}

void loadPowerMeasurement(PowerRun& run, Requesters& requesters, MessageLog& log) {
  const auto chosen = chooseFile(run, requesters, log, "Geladene LV-Datei 1 ggf. nicht kompatibel");
  if (!chosen) return;
  const SplitPath split = splitPath(*chosen);
  run.file.folder = split.folder;
  run.file.fileName = split.name;
  const auto bytes = readFileStart(*chosen, kReadLimit);
  if (!bytes) {
    log.reportStatus("LV-Datei 1 laden fehlerhaft");
    ++run.revision;
    return;
  }
  takePowerMeasurement(run, parsePowerFile(*bytes));
  log.reportStatus("LV-Datei " + split.name + " geladen");
}

void loadPowerComparison(PowerRun& run, int curve, Requesters& requesters, MessageLog& log) {
  if (curve != 2 && curve != 3) return;
  const std::string n = intText(curve);
  const auto chosen =
      chooseFile(run, requesters, log, "Geladene LV-Auswertung " + n + "  ggf. nicht kompatibel");
  if (!chosen) return;
  const auto bytes = readFileStart(*chosen, kReadLimit);
  if (!bytes) return;
  const PowerFileContents c = parsePowerFile(*bytes);
  PowerCurve& bins = run.curves[static_cast<std::size_t>(curve)];
  ComparisonCurve& info = run.comparison[static_cast<std::size_t>(curve)];
  info.fileName = splitPath(*chosen).name;
  info.date = c.date;
  info.time = c.time;
  info.description = c.description;
  info.system = c.system;
  info.correction = c.dinValue ? "(DIN70200)" : c.ewgValue ? "(EWG80/1269)" : "(keine Korr.)";
  info.drag = c.dragValue ? "(Add. Schlepp.)" : "(ignor. Schlepp.)";
  for (std::size_t k = 1; k <= kPowerBins; ++k) {
    bins[kBinSpeed][k] = c.bins[k][0];
    bins[kBinTorque][k] = c.bins[k][1];
    bins[kBinPower][k] = c.bins[k][2];
  }
  ++run.revision;
  log.reportStatus("LV-Auswertung " + n + " geladen");
}

}  // namespace qx
