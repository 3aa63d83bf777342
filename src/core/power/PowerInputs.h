#pragma once
// The run inputs as the power window edits them: one table of the number fields (label,
// tool tip, range, rounding, display form), the description, and the option boxes whose
// click recalculates.

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/power/PowerRun.h"

namespace qx {

enum class PowerField {
  Temperature,
  Pressure,
  Humidity,
  Weight,
  Ratio,
  WheelCircumference,
  RollerCircumference,
  Inertia,
  FrontalArea,
  DragCoefficient
};

struct PowerFieldInfo {
  PowerField id;
  const char* label;
  const char* toolTip;
  double PowerInputs::*member;
  double min, max;
  // 0: the integer part of the typed number; 2: rounded to 2 decimals.
  int decimals;
  int shownDecimals;  // the display form
};

// Every number field of the "Umwelt" and "Einstellungen" groups, in the order they are read.
std::span<const PowerFieldInfo> powerFields();
const PowerFieldInfo& powerFieldInfo(PowerField field);

// A typed text as the field's value: read (unreadable text is 0), rounded, clamped.
double powerFieldValue(PowerField field, std::string_view typed);
// The value's display form: integers plain, the others with their shown decimals.
std::string powerFieldText(const PowerInputs& inputs, PowerField field);

// Return (or key code 43) in the window, or a control losing the focus: every number field
// is taken over from its typed text, then the run is calculated. The window then shows every
// field again with powerFieldText.
void confirmPowerInputs(PowerRun& run, const std::function<std::string(PowerField)>& typed);

inline constexpr std::size_t kDescriptionCharacters = 200;
// The description as it is kept: its first 200 characters without line feeds, carriage
// returns and commas; "..." when nothing is left.
std::string cleanDescription(std::string_view typed);
// The description field lost the focus.
void takeOverPowerDescription(PowerRun& run, std::string_view typed);

// The check boxes and option buttons of the window whose click recalculates.
enum class PowerOption {
  Power,               // "Leistung [kW]"
  Torque,              // "Drehmoment [Nm]"
  RawValues,           // "Rohwerte (akt. M.)"
  Din,                 // "DIN 70200"
  Ewg,                 // "EWG 80/1269"
  AddDrag,             // "Add. Schlepp."
  Linear,              // "linear"
  Rotatorisch,         // "rotatorisch"
  DisplaySpeed,        // "Drehzahl"
  DisplayMeasurement,  // "Messung"
  Curve1,              // "akt. Messung"
  Curve2,              // "Kurve 2"
  Curve3,              // "Kurve 3"
};

// A left click on an option: check boxes take `checked`, option buttons are selected.
// "EWG 80/1269" and "DIN 70200" exclude each other. Then the run is calculated.
void clickPowerOption(PowerRun& run, PowerOption option, bool checked);
bool powerOptionChecked(const PowerRun& run, PowerOption option);

// The texts of the current measurement's settings, as the printout shows them.
std::string systemText(MeasuringSystem system);         // "rotatorisch" or "linear"
std::string correctionText(const PowerInputs& inputs);  // "keine Korr.", "EWG 80/1269", "DIN 70200"
std::string dragText(bool addDrag);                     // "Add. Schlepp." or "ignor. Schlepp."

}  // namespace qx
