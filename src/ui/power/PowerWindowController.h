#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/draw/Drawing.h"
#include "core/power/PowerRun.h"
#include "forms/leistungsvergleich.h"
#include "ui/app/WindowController.h"

class QObject;
class QWidget;

namespace qx {

class UiContext;

// The power window: records a run (F11/F12 and the buttons), takes over the run inputs,
// saves and loads comparison files, shows the diagrams with their cursor, and prints the
// report.
class PowerWindowController final : public FormController<leistungsvergleich> {
 public:
  explicit PowerWindowController(UiContext& context);
  ~PowerWindowController() override;

  // Return (1) and the Execute key (2) take over every input; F11 (11) starts a run, F12
  // (12) stops it.
  void onShortcut(int menuNumber) override;

  // The drawing the diagram area shows now.
  const Drawing& diagramDrawing() const { return diagram_; }

 protected:
  void fill() override;
  void update() override;

 private:
  void connectButtons();
  void connectOptions();
  void connectDiagram();
  void watchFocus();

  // Every number field taken over, calculated, and shown again in its display form.
  void takeOverInputs();
  // A control of the window lost the focus (the description field also gives its text).
  void focusLeft(QWidget* control);
  // A button takes no focus: its click ends the editing of the focused control first.
  void leaveFocusedControl();
  void print();

  void showInputs();
  void showTexts();
  void showOptions();
  void redrawDiagrams();

  PowerRun& run();

  std::unique_ptr<QObject> focusWatcher_;
  // The fields' texts as last written by the program (not while the user types).
  std::optional<std::array<std::string, 10>> shownFieldTexts_;
  std::optional<std::string> shownDescription_;

  Drawing diagram_;
  Drawing remaining_;
  Drawing powerSample_;
  Drawing torqueSample_;
  // What the diagram was drawn from: it is drawn anew when any of it moves.
  struct DrawnFrom {
    int revision, minRpm, setupRevision, cursorRpm, width, height;
    DisplayOption display;
    friend bool operator==(const DrawnFrom&, const DrawnFrom&) = default;
  };
  std::optional<DrawnFrom> drawnFrom_;
  std::optional<std::pair<bool, long long>> shownCountdown_;
};

}  // namespace qx
