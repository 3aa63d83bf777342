#include "core/setup/SetupFileActions.h"

#include <random>
#include <string>

#include "core/app/MessageLog.h"
#include "core/mainwin/EditorState.h"
#include "core/ports/Clock.h"
#include "core/ports/Requesters.h"
#include "core/setup/ModeWarnings.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupState.h"
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

void remember(SetupState& setup, const SplitPath& path) {
  setup.file.folder = path.folder;
  setup.file.fileName = path.name;
}

// Asks whether a file of unexpected size is to be loaded; true to go on.
bool acceptSize(MessageLog& messages, Requesters& requesters, std::uintmax_t size) {
  if (size == kSetupFileSize) return true;
  if (!requesters.askYesNo("Setup laden", "Vermutlich ist die Datei nicht kompatibel.(" +
                                              intText(static_cast<long long>(size)) +
                                              ")\rWenn sie gelesen wurde, bitte alle Einstellungen "
                                              "kontrollieren!\rTrotzdem Laden?"))
    return false;
  messages.reportStatus("Setup ggf. nicht kompatibel");
  return true;
}

void reportUnreadable(MessageLog& messages, Requesters& requesters, const std::string& name) {
  requesters.message("Achtung", "Datei konnte nicht gelesen werden.");
  messages.reportStatus("Setup " + name + " konnte nicht gelesen werden");
}
}  // namespace

void saveSetupFile(SetupState& setup, const SetupFileUnit& unit, Requesters& requesters,
                   MessageLog& messages, Clock& clock) {
  const auto chosen =
      requesters.saveFile("Setup speichern", setup.file.folder + setup.file.fileName, kSaveFilter);
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (extension(splitPath(path).name) != "ork") path += ".ork";

  const auto existing = fileSize(path);
  if (existing && *existing > 0 &&
      !requesters.askYesNo("Speichern", "Datei existiert bereits.\rÜberschreiben?"))
    return;

  const SplitPath split = splitPath(path);
  remember(setup, split);
  const Bytes content = encodeSetupFile(setup.record, setup.description, unit, clock.now());
  // Written to a temporary file and renamed over the target: a failed save leaves any old
  // file whole, and is never reported as saved.
  if (!writeFileAtomically(path, content)) {
    requesters.message("Achtung", "Die Setup-Datei\rkonnte nicht gespeichert werden.");
    messages.reportStatus("Setup " + split.name + " konnte nicht gespeichert werden");
    return;
  }
  const auto written = fileSize(path);
  messages.reportStatus("Setup " + split.name + " gespeichert (" +
                        intText(written ? static_cast<long long>(*written) : -1) + ")");
}

bool loadSetupFile(SetupState& setup, EditingMode& editingMode, Requesters& requesters,
                   MessageLog& messages) {
  const auto chosen =
      requesters.openFile("Setup laden", setup.file.folder + setup.file.fileName, kLoadFilter);
  if (!chosen || chosen->empty()) return false;
  const SplitPath split = splitPath(*chosen);
  if (extension(split.name) != "ork") {
    messages.reportStatus("Falscher Dateityp (#" + intText(randomNumber()) + ")");
    return false;
  }
  const auto size = fileSize(*chosen);
  if (!size) {
    reportUnreadable(messages, requesters, split.name);
    return false;
  }
  if (!acceptSize(messages, requesters, *size)) return false;

  // The whole file is read before anything changes: a file that cannot be read never
  // replaces the record in part.
  const auto bytes = readFileStart(*chosen, kReadLimit);
  if (!bytes) {
    reportUnreadable(messages, requesters, split.name);
    return false;
  }
  remember(setup, split);
  const SetupFileContents contents = parseSetupFile(*bytes);
  setup.file.loadedName = split.name;
  setup.file.loadedHeader = contents.header;
  setup.description = contents.header.comment;
  applySetupBlock(contents.block, setup.record);
  messages.reportStatus("Setup " + split.name + " gelesen");

  editingMode = EditingMode::None;
  setup.replacedWhole();
  warnAboutActiveModes(setup.record, requesters);
  return true;
}

}  // namespace qx
