#include "forms/lernen.h"

#include <QCheckBox>
#include <QLineEdit>

#include "core/setup/SetupFields.h"
#include "forms/ControlTable.h"

namespace qx {

namespace {
using K = ControlKind;
using F = SetupField;

enum Key : int {
  LearningActive,
  MinEngineTemp,
  RpmLow,
  RpmHigh,
  ThrottleLow,
  ThrottleHigh,
  LambdaTarget,
  Probe1,
  Probe2,
  Probe3,
  Increment,
  Rate,
  LiveMap,
};

constexpr const char* kProbeTip =
    "Ist dieser Wert aktiviert, wird er mit den anderen aktivierten Werte gemittelt und mit dem "
    "Lambdazielwert verglichen";

// Temperature and lambda target take a sign or a decimal point; the others digits only.
constexpr ControlSpec kControls[] = {
    {K::Check, "Lernen aktiv", 10, 20, 90, 20,
     "Aktiviert/Deaktiviert den Lern-Modus - wenn ORK verbunden, geschieht dies sofort",
     LearningActive},

    {K::Frame, "Lerngrenzen", 10, 50, 270, 145},
    {K::Label, "Mindest-Motortemperatur (°C):", 20, 70},
    {K::Field, "", 230, 70, 40, 20, "Zum Lernen muß diese Motorttemperatur überschritten sein.",
     MinEngineTemp},
    {K::Label, "untere Lerndrehzahl:", 20, 100},
    {K::NumberField, "", 220, 100, 50, 20, "Zum Lernen muß diese Drehzahl überschritten sein",
     RpmLow},
    {K::Label, "obere Lerndrehzahl:", 20, 120},
    {K::NumberField, "", 220, 120, 50, 20,
     "Zum Lernen darf diese Drehzahl nicht überschritten sein", RpmHigh},
    {K::Label, "untere Drosselklappenstellung (%):", 20, 150},
    {K::NumberField, "", 230, 150, 40, 20,
     "Zum Lernen muß die Drosselklappe diese Stellung überschritten haben", ThrottleLow},
    {K::Label, "obere Drosselklappenstellung (%):", 20, 170},
    {K::NumberField, "", 230, 170, 40, 20,
     "Zum Lernen darf die Drosselklappe diese Stellung nicht überschritten haben", ThrottleHigh},

    {K::Frame, "Lernziel", 285, 50, 210, 145},
    {K::Label, "Lambdazielwert:", 295, 70},
    {K::Field, "", 420, 70, 50, 20,
     "Die ORK fettet an oder magert ab, um diesen Lambdawert zu erreichen", LambdaTarget},
    {K::Label, "Vergleichswert wird gebildet aus:", 295, 110},
    {K::Check, "Lambda 1", 340, 130, -1, 18, kProbeTip, Probe1},
    {K::Check, "Lambda 2", 340, 150, -1, 18, kProbeTip, Probe2},
    {K::Check, "Lambda 3", 340, 170, -1, 18, kProbeTip, Probe3},

    {K::Frame, "Lernfähigkeit", 10, 195, 270, 65},
    {K::Label, "Lerninkrement[µs]:", 20, 215},
    {K::NumberField, "", 220, 215, 50, 20, nullptr, Increment},
    {K::Label, "Änderungsgeschwindigkeit", 20, 235},
    {K::NumberField, "", 230, 235, 40, 20, "Je höher der Wert, um so langsamer lernt die ORK",
     Rate},

    {K::Check, "Kennfeldaktualisierung in Quarnelix zeigen", 10, 280, 260, 20,
     "zeigt das aktualisierte Kennfeld sofort an, wenn die ORK verbunden ist ... und lernt.",
     LiveMap},
};
}  // namespace

lernen::lernen() : FormWindow(WindowId::Learning) {
  setWindowTitle(QStringLiteral("Quarnelix - Lern-Modus (noch im Tüftelstadium...)"));
  const PlacedControls c = placeControls(area(), kControls);
  learningActiveCheck = c.get<QCheckBox>(LearningActive);
  probeChecks = {c.get<QCheckBox>(Probe1), c.get<QCheckBox>(Probe2), c.get<QCheckBox>(Probe3)};
  liveMapCheck = c.get<QCheckBox>(LiveMap);
  fields_ = {{{F::LearnMinEngineTemp, c.get<QLineEdit>(MinEngineTemp)},
              {F::LearnRpmLow, c.get<QLineEdit>(RpmLow)},
              {F::LearnRpmHigh, c.get<QLineEdit>(RpmHigh)},
              {F::LearnThrottleLow, c.get<QLineEdit>(ThrottleLow)},
              {F::LearnThrottleHigh, c.get<QLineEdit>(ThrottleHigh)},
              {F::LambdaTarget, c.get<QLineEdit>(LambdaTarget)},
              {F::LearnIncrement, c.get<QLineEdit>(Increment)},
              {F::LearnRate, c.get<QLineEdit>(Rate)}}};
}

QLineEdit* lernen::field(SetupField f) const {
  for (const auto& [id, edit] : fields_)
    if (id == f) return edit;
  return nullptr;
}

}  // namespace qx
