#include "core/app/QuitQuestion.h"

#include "core/ports/Requesters.h"

namespace qx {

void askQuitQuestion(QuitRequest& quit, Requesters& requesters) {
  if (quit != QuitRequest::Asked) return;
  const bool yes = requesters.askYesNo(
      "Beenden?",
      "Ist das Setup gespeichert?\rIst das Setup in der ORK im EEPROM?\r\rJetzt beenden?");
  quit = yes ? QuitRequest::Confirmed : QuitRequest::None;
}

}  // namespace qx
