// quarnelix-setup: shows a setup file (".ork") as text, or the differences of two.
//
//   quarnelix-setup show FILE.ork        header, every parameter, maps and curves
//   quarnelix-setup diff A.ork B.ork     only what differs; exit code 1 when they differ
//
// Exit codes: 0 shown / equal, 1 different, 2 bad file or wrong use.

#include <cstdio>
#include <string>
#include <variant>

#include "core/setup/SetupListing.h"
#include "core/util/Files.h"

namespace {

constexpr int kBadFile = 2;

void printUsage() {
  std::fputs(
      "Aufruf:\n"
      "  quarnelix-setup show DATEI.ork\n"
      "  quarnelix-setup diff A.ork B.ork\n"
      "Rückgabewert: 0 gleich bzw. angezeigt, 1 verschieden, 2 Fehler.\n",
      stderr);
}

// The setup in a file, or nothing after an error message.
std::variant<qx::ListedSetup, std::monostate> readSetup(const std::string& path) {
  // More than a setup file holds is not read: the size check below refuses it anyway.
  const auto bytes = qx::readFileStart(path, qx::kSetupFileSize + 1);
  if (!bytes) {
    std::fprintf(stderr, "quarnelix-setup: %s: Datei konnte nicht gelesen werden.\n",
                 path.c_str());
    return std::monostate{};
  }
  auto setup = qx::readSetupForListing(*bytes, qx::fileSize(path));
  if (auto* problem = std::get_if<std::string>(&setup)) {
    std::fprintf(stderr, "quarnelix-setup: %s: %s\n", path.c_str(), problem->c_str());
    return std::monostate{};
  }
  return std::get<qx::ListedSetup>(std::move(setup));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "show" && argc == 3) {
    const auto setup = readSetup(argv[2]);
    if (!std::holds_alternative<qx::ListedSetup>(setup)) return kBadFile;
    std::fputs(("Datei:          " + std::string(argv[2]) + "\n").c_str(), stdout);
    std::fputs(qx::listSetup(std::get<qx::ListedSetup>(setup)).c_str(), stdout);
    return 0;
  }
  if (command == "diff" && argc == 4) {
    const auto a = readSetup(argv[2]);
    const auto b = readSetup(argv[3]);
    if (!std::holds_alternative<qx::ListedSetup>(a) || !std::holds_alternative<qx::ListedSetup>(b))
      return kBadFile;
    const std::string differences =
        qx::diffSetups(std::get<qx::ListedSetup>(a), std::get<qx::ListedSetup>(b));
    if (differences.empty()) return 0;
    std::printf("Unterschiede zwischen A: %s und B: %s\n", argv[2], argv[3]);
    std::fputs(differences.c_str(), stdout);
    return 1;
  }
  printUsage();
  return kBadFile;
}
