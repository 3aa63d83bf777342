#include "core/lambda/LambdaFileActions.h"

#include <string>

#include "core/app/MessageLog.h"
#include "core/lambda/LambdaFile.h"
#include "core/ports/Clock.h"
#include "core/ports/Requesters.h"
#include "core/util/Files.h"

namespace qx {

namespace {
constexpr const char* kSaveFilter = "OLL-Dateien|*.oll";
constexpr const char* kLoadFilter = "OLL-Dateien|*.oll|Alle Dateien (*.*)|*.*";
// A lambda log is a few kilobytes; a huge file is not read whole.
constexpr std::size_t kReadLimit = 1024 * 1024;

struct SplitPath {
  std::string folder;  // with trailing '/', or empty
  std::string name;
};

SplitPath splitPath(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Compared exactly: "OLL" is not "oll".
bool hasOllExtension(const std::string& name) {
  const auto dot = name.find_last_of('.');
  return dot != std::string::npos && name.substr(dot + 1) == "oll";
}

void remember(LambdaLoggerState& state, const SplitPath& path) {
  state.folder = path.folder;
  state.fileName = path.name;
}
}  // namespace

void saveLambdaLog(LambdaLoggerState& state, const LambdaTable& table, const DeviceInfo& device,
                   bool unitIdentified, Requesters& requesters, MessageLog& messages,
                   Clock& clock) {
  const auto chosen =
      requesters.saveFile("Lambdalogdatei speichern", state.folder + state.fileName, kSaveFilter);
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (!hasOllExtension(splitPath(path).name)) path += ".oll";

  const auto existing = fileSize(path);
  if (existing && *existing > 0 &&
      !requesters.askYesNo("Speichern", "Datei existiert bereits.\rÜberschreiben?"))
    return;

  const SplitPath split = splitPath(path);
  remember(state, split);
  const LambdaLogMeta meta = lambdaLogMetaAt(clock.now(), device, unitIdentified);
  // Written to a temporary file and renamed over the target: a failed save leaves any old
  // file whole and is never reported as saved.
  if (!writeFileAtomically(path, encodeLambdaFile(table, split.name, meta, state.comment))) {
    requesters.message("Achtung!", "Die Lambdalogdatei\rkonnte nicht gespeichert werden.");
    messages.reportStatus("Fehler beim Speichrn der OLL-Datei");
    return;
  }
  state.meta = meta;
  messages.reportStatus("OLL-Datei " + split.name + " gespeichert");
}

bool loadLambdaLog(LambdaLoggerState& state, LambdaTable& table, Requesters& requesters,
                   MessageLog& messages) {
  const auto chosen =
      requesters.openFile("Lambdaloggerdatei laden", state.folder + state.fileName, kLoadFilter);
  if (!chosen || chosen->empty()) return false;
  const SplitPath split = splitPath(*chosen);
  if (!hasOllExtension(split.name)) {
    if (!requesters.askYesNo("Lambdaloggerdatei laden",
                             "Vermutlich ist die Datei nicht kompatibel.\rWenn sie gelesen "
                             "wurde, könnten die Daten falsch interpretiert worden sein!\r"
                             "Trotzdem Laden?"))
      return false;
    messages.reportStatus("Zu ladende OLL-Datei ist ggf. nicht kompatibel");
  }
  remember(state, split);
  // Read whole before anything changes, so a file that cannot be read leaves the table.
  const auto bytes = readFileStart(*chosen, kReadLimit);
  if (!bytes) {
    messages.reportStatus("OLL-Datei laden fehlerhaft");
    return false;
  }
  const LambdaFileContents contents = parseLambdaFile(*bytes);
  table.cells = contents.table.cells;
  state.meta = contents.meta;
  state.comment = contents.comment;
  state.fields = {shortenedLambdaPath(split.folder),
                  split.name,
                  contents.meta.logDate,
                  contents.meta.logTime,
                  contents.meta.logHw,
                  contents.meta.logSw};
  messages.reportStatus("OLL-Datei " + split.name + " geladen");
  return true;
}

}  // namespace qx
