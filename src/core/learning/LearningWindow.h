#pragma once
// The rules of the learning window: the learning limits and target it edits (setup values
// that reach the unit with the setup), the switch that turns learning on and off in the
// unit at once, the probes that form the comparison value, and when the live-data cycle
// fetches the map the unit is learning.

#include <array>
#include <functional>
#include <span>
#include <string>

#include "core/setup/SetupFields.h"

namespace qx {

class SerialLink;

// What the window keeps besides the setup values.
struct LearningWindow {
  // "Kennfeldaktualisierung in Quarnelix zeigen": not part of the setup.
  bool liveMap = false;
  // Counts the take-overs of the limits; the big display redraws its static layer (which
  // shows the learning limits) when this changes.
  int limitsRevision = 0;
};

// The run-time parameter that switches learning in the unit.
inline constexpr int kLearningParameter = 8;

// The window's text fields in the order they are taken over.
std::span<const SetupField> learningTextFields();

// The check boxes as the setup has them: "Lernen aktiv", then "Lambda 1" .. "Lambda 3".
struct LearningBoxes {
  bool learningActive = false;
  std::array<bool, 3> probes{};
};
LearningBoxes learningBoxes(const SetupRecord& record);

// Return (or the second shortcut) in the window, or a control lost the focus: every field
// is read, converted, clamped and stored; the speed pair and the throttle pair are put in
// order. The caller then shows every field again from the record (shownText).
void takeOverLearningFields(SetupRecord& record, LearningWindow& window,
                            const std::function<std::string(SetupField)>& typedText);

// "Lernen aktiv" clicked: the setup takes the box's state, and while the unit is
// identified "W" 8 with the new state goes to the unit at once. Returns whether it was sent.
bool switchLearning(SetupRecord& record, bool checked, SerialLink& link);

// One of the "Lambda" boxes clicked: the mask of the three boxes (probe 1 = 1, 2 = 2, 3 = 4).
void selectProbes(SetupRecord& record, const std::array<bool, 3>& probes);

// Whether the live-data cycle fetches the learned map ("G") after a sample: learning is on
// and the window's live-map option is ticked.
bool learnedMapWanted(const SetupRecord& record, const LearningWindow& window);

}  // namespace qx
