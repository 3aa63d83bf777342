#include "core/app/MapRedraw.h"

namespace qx {

RedrawSet mapRedrawRule(const EventInfo& event, const EditorBoxes& b, bool unitIdentified) {
  RedrawSet r;
  const bool shortcut = event.kind == EventKind::Shortcut;
  const bool wheel = event.kind == EventKind::Wheel;
  // Without a unit only the user's own actions change what the editors show.
  if (!unitIdentified && !shortcut && !wheel) return r;

  const EventSource s = event.source;
  r.injectionMap = b.mapAuto || b.mapPos || b.mapKapp || s == EventSource::MapStart ||
                   s == EventSource::MapPos || s == EventSource::MapKapp || wheel || shortcut;
  r.airTemp = b.airAuto || b.airPos || s == EventSource::AirPos || shortcut;
  r.engineTemp = b.engineAuto || b.enginePos || s == EventSource::EngineTempPos || shortcut;
  r.ignition = b.ignitionAuto || b.ignitionPos || s == EventSource::IgnitionPos || shortcut;
  return r;
}

}  // namespace qx
