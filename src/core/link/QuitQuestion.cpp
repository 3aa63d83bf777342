#include "core/link/QuitQuestion.h"

#include "core/app/Program.h"
#include "core/ports/Requesters.h"

namespace qx {

void askQuitQuestion(Program& program, Requesters& requesters) {
  if (program.quitRequested != QuitRequest::Asked) return;
  const bool yes = requesters.askYesNo(
      "Beenden?",
      "Ist das Setup gespeichert?\rIst das Setup in der ORK im EEPROM?\r\rJetzt beenden?");
  program.quitRequested = yes ? QuitRequest::Confirmed : QuitRequest::None;
}

}  // namespace qx
