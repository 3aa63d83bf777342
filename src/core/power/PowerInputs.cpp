#include "core/power/PowerInputs.h"

#include <cmath>

#include "core/power/PowerCalc.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
using P = PowerInputs;

// clang-format off
constexpr PowerFieldInfo kFields[] = {
  {PowerField::Temperature, "Temperatur [°C]:", "Umgebungstemperatur bei der Datenaufnahme",
   &P::temperatureC, -25, 80, 0, 0},
  {PowerField::Pressure, "Luftdruck [hPa]:", "Umgebungsluftdruck bei der Datenaufnahme",
   &P::pressureHpa, 700, 1100, 0, 0},
  {PowerField::Humidity, "Luftfeuchte [%]:",
   "Umgebungsluftfeuchte (relative LF) bei der datenaufnahme", &P::humidityPercent, 0, 99, 0, 0},
  {PowerField::Weight, "Gewicht Fahrzeug [kg]:", "Testgewicht des Fahrzeugs, also inkl. Fahrer, etc.",
   &P::weightKg, 0, 3000, 0, 0},
  {PowerField::Ratio, "Übersetzung (Rad:KW):", "Übersetzungsverhältnis Abtriebsrad / Kurbelwelle",
   &P::ratio, 0.01, 20, 2, 2},
  {PowerField::WheelCircumference, "Radumfang [cm]:", "Abtriebsrad des Fahrzeugs",
   &P::wheelCm, 1, 200, 0, 0},
  {PowerField::RollerCircumference, "Umfang Rolle [cm]:",
   "Die Rolle des Rollenprüfstandes auf der das Rad läuft", &P::rollerCm, 1, 200, 0, 0},
  {PowerField::Inertia, "Trägheitsmoment Schwungmasse [kgm^2]:",
   "Wert der gesamten vom Rd angetriebenen Schwungmasse", &P::inertia, 0.01, 100, 2, 1},
  {PowerField::FrontalArea, "Windwiderstandsfläche [m^2]:",
   "Die Fläche des Fahrzeugs von vorn gesehen, also die Schattenfläche", &P::frontalArea, 0.01, 10, 2, 2},
  {PowerField::DragCoefficient, "cw-Wert:",
   "Hinweis: Autos ca. 0.35, Motorräder (naked/verkleidet) ca. 0.7 / 0.3 ", &P::dragCoefficient,
   0.01, 2, 2, 2},
};
// clang-format on

// A number at the start of a typed or stored text; text without a number reads as 0.
double numberReading(std::string_view text) {
  if (const auto exact = parseDecimal(text); exact && std::isfinite(*exact)) return *exact;
  return decimalReading(text);
}

// The flag behind a check box (the option buttons are handled by the callers).
template <typename Run>
auto& optionFlag(Run& run, PowerOption option) {
  auto& v = run.view;
  switch (option) {
    case PowerOption::Power:
      return v.showPower;
    case PowerOption::Torque:
      return v.showTorque;
    case PowerOption::RawValues:
      return v.rawValues;
    case PowerOption::Din:
      return run.inputs.din;
    case PowerOption::Ewg:
      return run.inputs.ewg;
    case PowerOption::AddDrag:
      return run.inputs.addDrag;
    case PowerOption::Curve2:
      return v.showCurve[2];
    case PowerOption::Curve3:
      return v.showCurve[3];
    default:
      return v.showCurve[1];
  }
}
}  // namespace

std::span<const PowerFieldInfo> powerFields() {
  return kFields;
}

const PowerFieldInfo& powerFieldInfo(PowerField field) {
  return kFields[static_cast<std::size_t>(field)];
}

double powerFieldValue(PowerField field, std::string_view typed) {
  const PowerFieldInfo& f = powerFieldInfo(field);
  const double read = numberReading(typed);
  const double value = f.decimals == 0 ? static_cast<double>(truncateToInt(read))
                                       : static_cast<double>(truncateToInt(read * 100 + 0.5)) / 100;
  return clampTo(value, f.min, f.max);
}

std::string powerFieldText(const PowerInputs& inputs, PowerField field) {
  const PowerFieldInfo& f = powerFieldInfo(field);
  const double v = inputs.*f.member;
  return f.shownDecimals == 0 ? intText(truncateToInt(v)) : fixedText(v, f.shownDecimals);
}

void confirmPowerInputs(PowerRun& run, const std::function<std::string(PowerField)>& typed) {
  for (const PowerFieldInfo& f : kFields) run.inputs.*f.member = powerFieldValue(f.id, typed(f.id));
  calculatePower(run);
}

std::string cleanDescription(std::string_view typed) {
  std::string out;
  for (char c : utf8Left(typed, kDescriptionCharacters))
    if (c != '\n' && c != '\r' && c != ',') out.push_back(c);
  return out.empty() ? "..." : out;
}

void takeOverPowerDescription(PowerRun& run, std::string_view typed) {
  run.inputs.description = cleanDescription(typed);
  ++run.revision;
}

void clickPowerOption(PowerRun& run, PowerOption option, bool checked) {
  switch (option) {
    case PowerOption::Linear:
      run.inputs.system = MeasuringSystem::Linear;
      break;
    case PowerOption::Rotatorisch:
      run.inputs.system = MeasuringSystem::Rotatorisch;
      break;
    case PowerOption::DisplaySpeed:
      run.view.display = DisplayOption::Speed;
      break;
    case PowerOption::DisplayMeasurement:
      run.view.display = DisplayOption::Measurement;
      break;
    default:
      optionFlag(run, option) = checked;
      break;
  }
  if (checked && option == PowerOption::Ewg) run.inputs.din = false;
  if (checked && option == PowerOption::Din) run.inputs.ewg = false;
  calculatePower(run);
}

bool powerOptionChecked(const PowerRun& run, PowerOption option) {
  switch (option) {
    case PowerOption::Linear:
      return run.inputs.system == MeasuringSystem::Linear;
    case PowerOption::Rotatorisch:
      return run.inputs.system == MeasuringSystem::Rotatorisch;
    case PowerOption::DisplaySpeed:
      return run.view.display == DisplayOption::Speed;
    case PowerOption::DisplayMeasurement:
      return run.view.display == DisplayOption::Measurement;
    default:
      return optionFlag(run, option);
  }
}

std::string systemText(MeasuringSystem system) {
  return system == MeasuringSystem::Linear ? "linear" : "rotatorisch";
}

std::string correctionText(const PowerInputs& inputs) {
  if (inputs.din) return "DIN 70200";
  if (inputs.ewg) return "EWG 80/1269";
  return "keine Korr.";
}

std::string dragText(bool addDrag) {
  return addDrag ? "Add. Schlepp." : "ignor. Schlepp.";
}

}  // namespace qx
