#include "ui/mainwin/HelpWindowController.h"

#include <QLabel>

#include "core/app/Program.h"
#include "core/mainwin/HelpText.h"
#include "platform/QtText.h"
#include "ui/app/UiContext.h"

namespace qx {

HelpWindowController::HelpWindowController(UiContext& context)
    : FormController(context, WindowId::Help) {
  const std::vector<HelpLine> lines = helpLines(context_.program.info.programName);
  form().keys->setText(toQ(helpColumnText(lines, HelpColumn::Keys)));
  form().explanations->setText(toQ(helpColumnText(lines, HelpColumn::Explanations)));
}

}  // namespace qx
