#pragma once
// A window's controls as constant tables: each row gives the kind of control, its text, its
// place and size on the window's scroll area, its tool tip and the key the window knows it
// by. One function places a table; the window then takes its controls by key.

#include <span>
#include <vector>

class QWidget;

namespace qx {

enum class ControlKind {
  Frame,  // a titled frame; placed below the controls on it
  Label,  // static text; width -1 takes the width the text needs
  Value,  // right-aligned static text the program fills
  Button,
  Check,        // check box; width -1 takes the width the text needs
  Option,       // option button; grouped by the window
  Field,        // one-line text field
  NumberField,  // one-line text field that takes digits only
  Combo,        // drop-down list
  Progress,     // progress bar without text
  Canvas,       // drawing area
  Slider,       // horizontal slider
  Spin,         // spin box
};

struct ControlSpec {
  ControlKind kind;
  const char* text;  // UTF-8; empty for controls without text
  int x, y;
  int w = -1, h = -1;         // -1: the kind's usual size
  const char* tip = nullptr;  // tool tip, UTF-8
  int key = -1;               // the window's own key for the control, -1 for none
};

// A placed table: the widgets in table order, and those with a key by their key.
class PlacedControls {
 public:
  QWidget* byKey(int key) const;
  template <class W>
  W* get(int key) const {
    return static_cast<W*>(byKey(key));
  }
  const std::vector<QWidget*>& all() const { return all_; }

 private:
  friend PlacedControls placeControls(QWidget*, std::span<const ControlSpec>);
  std::vector<QWidget*> all_;
  std::vector<std::pair<int, QWidget*>> keyed_;
};

PlacedControls placeControls(QWidget* area, std::span<const ControlSpec> table);

}  // namespace qx
