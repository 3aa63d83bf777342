#pragma once
// The expert window's switching-angle diagram ("Schaltwinkel SET"): one crankshaft
// revolution as a disc, with the trigger wheel, the speed-meter pulses, the measured tooth
// gap, the dynamic-factor lines, the sensor position, and per cylinder the injection and the
// coil charge as arcs. Each layer has its check box.

#include "core/draw/Drawing.h"

namespace qx {

struct ControlValues;
struct SetupRecord;
struct VitalData;

inline constexpr int kDiscWidth = 400, kDiscHeight = 395;

// The check boxes of the diagram, all ticked at start.
struct DiscLayers {
  bool injection[3] = {true, true, true};  // "EV1" .. "EV3"
  bool charge[3] = {true, true, true};     // "Zt1" .. "Zt3"
  bool sensorPosition = true;              // "Sensorpos."
  bool triggerWheel = true;                // "Triggerrad"
  bool speedPulses = true;                 // "Drehzahlimp."
  bool toothGap = true;                    // "Zahnlücke"
  bool dynamicFactor1 = true;              // "Dyn.Fakt. 1"
  bool dynamicFactor2 = true;              // "Dyn.Fakt. 2"
  bool accelCorrection = true;             // "Beschl.Korr."
};

// The layer of the window's n-th box, in the order "EV1" .. "EV3", "Zt1" .. "Zt3",
// "Sensorpos.", "Triggerrad", "Drehzahlimp.", "Zahnlücke", "Dyn.Fakt. 1", "Dyn.Fakt. 2",
// "Beschl.Korr.".
inline constexpr int kDiscLayerCount = 13;
bool& discLayer(DiscLayers& layers, int index);

namespace discColours {
inline constexpr Rgb kBase{0, 0, 0};
inline constexpr Rgb kTriggerWheel{46, 139, 87};
inline constexpr Rgb kDynamicFactor{255, 0, 255};
inline constexpr Rgb kToothGap{128, 0, 0};
inline constexpr Rgb kSpeedPulses{0, 191, 255};
inline constexpr Rgb kAccelPositive{0, 128, 0};
inline constexpr Rgb kAccelNegative{192, 0, 0};
}  // namespace discColours

// The crank angle a (°KW, counted from the sensor position) as a screen angle in degrees,
// y downwards and growing clockwise: the sensor position lies sensorAngle before the top.
double discScreenAngle(double crankDeg, int sensorAngle);

// The speed the angle conversions use: the live speed, or the quick-start speed while the
// engine turns slower than that.
int discSpeed(int engineSpeedClamped, int quickStartRpm);

// The diagram for a drawing area of width x height pixels.
Drawing drawSwitchingAngles(const SetupRecord& setup, const VitalData& vital,
                            const ControlValues& control, const DiscLayers& layers, Rgb background,
                            int width = kDiscWidth, int height = kDiscHeight);

}  // namespace qx
