#include "ui/setup/SettingsWindowController.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/app/Program.h"
#include "core/setup/SettingsForm.h"
#include "core/util/Numbers.h"
#include "forms/Einstellungendialog.h"
#include "platform/QtText.h"
#include "ui/app/FocusLoss.h"
#include "ui/app/UiContext.h"

namespace qx {

SettingsWindowController::SettingsWindowController(UiContext& context)
    : FormController(context, WindowId::Settings) {
  // Maximising gives the normal state at the content size, in place.
  form().centreAfterMaximise = false;
  connectControls();
}

SettingsWindowController::~SettingsWindowController() {
  // The fields are destroyed with the form; nothing may call back into this controller then.
  if (focusWatcher_) focusWatcher_->unwatchAll();
}

void SettingsWindowController::connectControls() {
  focusWatcher_ =
      std::make_unique<FocusLoss>([this] { context_.handle([this] { takeOverFields(); }); });
  for (SetupField f : settingsTextFields())
    focusWatcher_->watch(form().field(f));

  for (SetupField f : settingsChoiceFields()) {
    if (QButtonGroup* group = form().group(f)) {
      // An option takes effect at once, without Return.
      QObject::connect(group, &QButtonGroup::idClicked, [this, f](int index) {
        context_.handle(
            [this, f, index] { setStoredValue(context_.program.setup.record, f, index); });
      });
    } else if (QCheckBox* box = form().check(f)) {
      QObject::connect(box, &QCheckBox::clicked, [this, f](bool checked) {
        context_.handle(
            [this, f, checked] { setStoredValue(context_.program.setup.record, f, checked); });
      });
    }
  }
}

void SettingsWindowController::onShortcut(int menuNumber) {
  if (menuNumber == 1 || menuNumber == 2) takeOverFields();
}

void SettingsWindowController::takeOverFields() {
  SetupRecord& setup = context_.program.setup.record;
  takeOverSettingsFields(setup, [this](SetupField f) { return fromQ(form().field(f)->text()); });
  fill();
}

void SettingsWindowController::fill() {
  const SetupRecord& setup = context_.program.setup.record;
  for (const FieldInfo& info : setupFields())
    if (QLineEdit* edit = form().field(info.id)) edit->setText(toQ(shownText(setup, info.id)));
  for (SetupField f : settingsChoiceFields()) {
    const int value = storedValue(setup, f);
    if (QButtonGroup* group = form().group(f)) {
      // A stored index without an option (a setup from elsewhere) leaves the group as it is.
      if (QAbstractButton* option = group->button(value)) option->setChecked(true);
    } else if (QCheckBox* box = form().check(f)) {
      box->setChecked(value != 0);
    }
  }
  filledRevision_ = context_.program.setup.revision;
}

void SettingsWindowController::update() {
  if (filledRevision_ != context_.program.setup.revision) fill();
  // The sensor voltages of the last "A" reply, while the window is shown.
  const SensorVoltages& measured = context_.program.sensorVoltages;
  for (std::size_t i = 0; i < measured.texts.size(); ++i)
    form().measured[i]->setText(toQ(measured.texts[i]));
}

}  // namespace qx
