#pragma once

#include <memory>

#include "core/draw/Drawing.h"
#include "forms/expertdialog.h"
#include "ui/app/StillItemsCache.h"
#include "ui/app/WindowController.h"

namespace qx {

class FocusLoss;
class UiContext;

// The expert window: the unit's control values and clocks while the live data run, the
// calibration byte, the device-type editor of setup files and the switching-angle disc.
class ExpertWindowController final : public FormController<expertdialog> {
 public:
  explicit ExpertWindowController(UiContext& context);
  ~ExpertWindowController() override;

  // Return (1) and the Execute key (2) take over the device type.
  void onShortcut(int menuNumber) override;
  void takeOverDeviceType();

 protected:
  void fill() override;
  void update() override;

 private:
  void connectControls();
  void connectLayers();
  void showDeviceTypeEditor();
  void showValues();
  void redrawDisc();

  std::unique_ptr<FocusLoss> focusLoss_;
  int paintedDisc_ = -1;
  // The disc as last handed to its drawing area: only what changed since is repainted.
  Drawing shownDisc_;
  // The wheel and the other parts that stay, as a picture.
  StillItemsCache discCache_;
};

}  // namespace qx
