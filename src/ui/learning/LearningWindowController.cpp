#include "ui/learning/LearningWindowController.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/app/Program.h"
#include "core/learning/LearningWindow.h"
#include "core/setup/SetupFields.h"
#include "platform/QtText.h"
#include "ui/app/FocusLoss.h"
#include "ui/app/UiContext.h"

namespace qx {

LearningWindowController::LearningWindowController(UiContext& context)
    : FormController(context, WindowId::Learning) {
  connectControls();
}

LearningWindowController::~LearningWindowController() {
  focusLoss_->unwatchAll();
}

void LearningWindowController::connectControls() {
  lernen& f = form();
  focusLoss_ =
      std::make_unique<FocusLoss>([this] { context_.handle([this] { takeOverFields(); }); });
  // Any control of the window losing the focus takes the fields over, the boxes too.
  for (SetupField id : learningTextFields()) focusLoss_->watch(f.field(id));
  focusLoss_->watch(f.learningActiveCheck);
  for (QCheckBox* box : f.probeChecks) focusLoss_->watch(box);
  focusLoss_->watch(f.liveMapCheck);

  QObject::connect(f.learningActiveCheck, &QCheckBox::clicked, [this](bool checked) {
    context_.handle(
        [this, checked] { switchLearning(context_.program.setup.record, checked, context_.link); });
  });
  for (QCheckBox* box : f.probeChecks) {
    QObject::connect(box, &QCheckBox::clicked, [this] {
      context_.handle([this] {
        const auto& boxes = form().probeChecks;
        selectProbes(context_.program.setup.record,
                     {boxes[0]->isChecked(), boxes[1]->isChecked(), boxes[2]->isChecked()});
      });
    });
  }
  QObject::connect(f.liveMapCheck, &QCheckBox::clicked, [this](bool checked) {
    context_.handle([this, checked] { context_.program.learning.liveMap = checked; });
  });
}

void LearningWindowController::onShortcut(int menuNumber) {
  if (menuNumber == 1 || menuNumber == 2) takeOverFields();
}

void LearningWindowController::takeOverFields() {
  Program& p = context_.program;
  takeOverLearningFields(p.setup.record, p.learning,
                         [this](SetupField id) { return fromQ(form().field(id)->text()); });
  showFields();
}

void LearningWindowController::showFields() {
  const SetupRecord& setup = context_.program.setup.record;
  for (SetupField id : learningTextFields()) {
    QLineEdit* edit = form().field(id);
    const QString shown = toQ(shownText(setup, id));
    // Unchanged text keeps its cursor and selection.
    if (edit->text() != shown) edit->setText(shown);
  }
}

void LearningWindowController::fill() {
  const Program& p = context_.program;
  lernen& f = form();
  showFields();
  const LearningBoxes boxes = learningBoxes(p.setup.record);
  f.learningActiveCheck->setChecked(boxes.learningActive);
  for (std::size_t k = 0; k < 3; ++k) f.probeChecks[k]->setChecked(boxes.probes[k]);
  f.liveMapCheck->setChecked(p.learning.liveMap);
  filledRevision_ = p.setup.revision;
}

void LearningWindowController::update() {
  if (filledRevision_ != context_.program.setup.revision) fill();
}

}  // namespace qx
