#include "core/setup/SetupFileActions.h"

#include <random>
#include <string>

#include "core/ports/Clock.h"
#include "core/app/Program.h"
#include "core/ports/Requesters.h"
#include "core/setup/ModeWarnings.h"
#include "core/setup/SetupFile.h"
#include "core/util/Files.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr const char* kSaveFilter = "ORK-Dateien|*.ork";
constexpr const char* kLoadFilter = "ORK-Dateien|*.ork|Alle Dateien (*.*)|*.*";
// Only the header and the data block matter; a file far beyond that is not read whole.
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

// The extension of a file name, compared case-sensitively by the callers.
std::string extension(const std::string& name) {
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

int randomNumber() {
  static std::mt19937 engine{std::random_device{}()};
  return std::uniform_int_distribution<int>(0, 1000)(engine);
}

void remember(Program& program, const SplitPath& path) {
  program.setupFile.folder = path.folder;
  program.setupFile.fileName = path.name;
}

// Asks whether a file of unexpected size is to be loaded; true to go on.
bool acceptSize(Program& program, Requesters& requesters, std::uintmax_t size) {
  if (size == kSetupFileSize) return true;
  if (!requesters.askYesNo("Setup laden",
                           "Vermutlich ist die Datei nicht kompatibel.(" +
                               intText(static_cast<long long>(size)) +
                               ")\rWenn sie gelesen wurde, bitte alle Einstellungen "
                               "kontrollieren!\rTrotzdem Laden?"))
    return false;
  program.reportStatus("Setup ggf. nicht kompatibel");
  return true;
}

void reportUnreadable(Program& program, Requesters& requesters, const std::string& name) {
  requesters.message("Achtung", "Datei konnte nicht gelesen werden.");
  program.reportStatus("Setup " + name + " konnte nicht gelesen werden");
}
}  // namespace

void saveSetupFile(Program& program, Requesters& requesters, const SetupFileUnit& unit) {
  const auto chosen = requesters.saveFile(
      "Setup speichern", program.setupFile.folder + program.setupFile.fileName, kSaveFilter);
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (extension(splitPath(path).name) != "ork") path += ".ork";

  const auto existing = fileSize(path);
  if (existing && *existing > 0 &&
      !requesters.askYesNo("Speichern", "Datei existiert bereits.\rÜberschreiben?"))
    return;

  const SplitPath split = splitPath(path);
  remember(program, split);
  const Bytes content =
      encodeSetupFile(program.setup, program.setupDescription, unit, program.clock.now());
  // Written to a temporary file and renamed over the target: a failed save leaves any old
  // file whole, and is never reported as saved.
  if (!writeFileAtomically(path, content)) {
    requesters.message("Achtung", "Die Setup-Datei\rkonnte nicht gespeichert werden.");
    program.reportStatus("Setup " + split.name + " konnte nicht gespeichert werden");
    return;
  }
  const auto written = fileSize(path);
  program.reportStatus("Setup " + split.name + " gespeichert (" +
                       intText(written ? static_cast<long long>(*written) : -1) + ")");
}

void loadSetupFile(Program& program, Requesters& requesters) {
  const auto chosen = requesters.openFile(
      "Setup laden", program.setupFile.folder + program.setupFile.fileName, kLoadFilter);
  if (!chosen || chosen->empty()) return;
  const SplitPath split = splitPath(*chosen);
  if (extension(split.name) != "ork") {
    program.reportStatus("Falscher Dateityp (#" + intText(randomNumber()) + ")");
    return;
  }
  const auto size = fileSize(*chosen);
  if (!size) {
    reportUnreadable(program, requesters, split.name);
    return;
  }
  if (!acceptSize(program, requesters, *size)) return;

  // The whole file is read before anything changes: a file that cannot be read never
  // replaces the record in part.
  const auto bytes = readFileStart(*chosen, kReadLimit);
  if (!bytes) {
    reportUnreadable(program, requesters, split.name);
    return;
  }
  remember(program, split);
  const SetupFileContents contents = parseSetupFile(*bytes);
  program.setupFile.loadedName = split.name;
  program.setupFile.loadedHeader = contents.header;
  program.setupDescription = contents.header.comment;
  applySetupBlock(contents.block, program.setup);
  program.reportStatus("Setup " + split.name + " gelesen");

  program.editingMode = EditingMode::None;
  program.showSetup();
  warnAboutActiveModes(program.setup, requesters);
}

}  // namespace qx
