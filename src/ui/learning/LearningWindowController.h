#pragma once

#include <memory>

#include "forms/lernen.h"
#include "ui/app/WindowController.h"

namespace qx {

class FocusLoss;
class UiContext;

// The learning-mode window: the learning values of the setup, learning switched in the unit
// at once, and whether the live-data cycle shows the map the unit learns.
class LearningWindowController final : public FormController<lernen> {
 public:
  explicit LearningWindowController(UiContext& context);
  ~LearningWindowController() override;

  // Return (1) and the Execute key (2) take over every field.
  void onShortcut(int menuNumber) override;
  // Every field converted, clamped, put in order and written back as stored.
  void takeOverFields();

 protected:
  void fill() override;
  // Fills the window anew after a bulk change of the setup (read, loaded).
  void update() override;

 private:
  void connectControls();
  void showFields();

  std::unique_ptr<FocusLoss> focusLoss_;
  int filledRevision_ = -1;
};

}  // namespace qx
