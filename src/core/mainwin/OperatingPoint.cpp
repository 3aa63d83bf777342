#include "core/mainwin/OperatingPoint.h"

#include "core/link/VitalData.h"
#include "core/mainwin/EditorState.h"
#include "core/setup/MapAxes.h"

namespace qx {

void followOperatingPoint(EditorState& e, const VitalData& v) {
  switch (e.mode) {
    case EditingMode::InjectionMap:
      if (!e.boxes.mapAuto) return;
      e.mapSpeed = axes::nearestSpeedIndex(v.engineSpeedClamped);
      e.mapThrottle = axes::nearestThrottleIndex(v.throttlePercent);
      break;
    case EditingMode::AirTemp:
      if (e.boxes.airAuto) e.airIndex = axes::nearestTemperatureIndex(v.airTemp);
      break;
    case EditingMode::Ignition:
      if (e.boxes.ignitionAuto) e.ignitionIndex = axes::nearestSpeedIndex(v.engineSpeedClamped);
      break;
    case EditingMode::EngineTemp:
      if (e.boxes.engineAuto) e.engineIndex = axes::nearestTemperatureIndex(v.engineTemp);
      break;
    case EditingMode::None:
      break;
  }
}

}  // namespace qx
