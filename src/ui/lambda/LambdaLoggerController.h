#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/draw/Drawing.h"
#include "forms/lambdalogger.h"
#include "ui/app/WindowController.h"

class QObject;

namespace qx {

class FocusLoss;
class UiContext;

// The lambda logger window: the unit's lambda logs read and cleared, the table shown in the
// rating colours, saved, loaded and printed.
class LambdaLoggerController final : public FormController<lambdalogger> {
 public:
  explicit LambdaLoggerController(UiContext& context);
  ~LambdaLoggerController() override;

  // "Kommentar:" taken over: cut, cleaned, kept and written back.
  void takeComment();

 protected:
  void fill() override;
  void update() override;

 private:
  void wireFile();
  void wireUnit();
  void wireDisplay();
  // The table drawn anew from the state, with the frame where it stands.
  void redrawTable();

  std::unique_ptr<FocusLoss> focusWatcher_;
  Drawing legend_;
  std::optional<std::string> shownComment_;
  // The table as last handed to the drawing area: only what changed since is repainted.
  Drawing shownTable_;
};

}  // namespace qx
