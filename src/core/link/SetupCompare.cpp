#include "core/link/SetupCompare.h"

#include <string>

#include "core/app/MessageLog.h"
#include "core/link/LinkFlags.h"
#include "core/link/SerialLink.h"
#include "core/link/SetupTransfer.h"
#include "core/ports/Requesters.h"
#include "core/setup/SetupListing.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr const char* kTitle = "Vergleich mit ORK";
}

void compareSetupWithUnit(const SetupRecord& program, SerialLink& link, Requesters& requesters) {
  MessageLog& messages = link.messages();
  if (!link.flags().unitIdentified || link.flags().firmwareTransferActive) {
    messages.reportStatus("Vergleich mit ORK: keine ORK identifiziert");
    return;
  }
  const auto unit = readUnitSetup(program, link);
  if (!unit) {
    requesters.message(kTitle, "Das Setup der ORK konnte nicht gelesen werden.");
    messages.reportStatus("Setup der ORK konnte nicht gelesen werden");
    return;
  }
  std::string lines;
  int count = 0;
  // The injector switching times are part of the unit's setup: they are compared too.
  forEachDifference(
      program, *unit, true,
      [&](const std::string& label, const std::string& inProgram, const std::string& inUnit) {
        if (++count <= kCompareLinesShown)
          lines += label + " " + inProgram + " -> " + inUnit + "\r";
      });
  if (count == 0) {
    requesters.message(kTitle, "Setup in ORK und Quarnelix gleich");
    messages.reportStatus("Setup in ORK und Quarnelix gleich");
    return;
  }
  if (count > kCompareLinesShown)
    lines += "... und " + intText(count - kCompareLinesShown) + " weitere\r";
  requesters.message(kTitle, "Unterschiede (Quarnelix -> ORK):\r\r" + lines);
  messages.reportStatus("Setup in ORK und Quarnelix verschieden (" + intText(count) + ")");
}

}  // namespace qx
