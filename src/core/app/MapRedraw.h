#pragma once
// Which map and curve editors are redrawn after an event of the main loop.

namespace qx {

enum class EventKind { Timer, Shortcut, Wheel, Other };

// The controls whose own events force a redraw of their editor.
enum class EventSource { None, MapStart, MapPos, MapKapp, AirPos, EngineTempPos, IgnitionPos };

struct EventInfo {
  EventKind kind = EventKind::Other;
  EventSource source = EventSource::None;
};

// The check boxes of the four editors.
struct EditorBoxes {
  bool mapAuto = false, mapPos = false, mapKapp = false;
  bool airAuto = false, airPos = false;
  bool engineAuto = false, enginePos = false;
  bool ignitionAuto = false, ignitionPos = false;
};

struct RedrawSet {
  bool injectionMap = false, airTemp = false, engineTemp = false, ignition = false;
  bool any() const { return injectionMap || airTemp || engineTemp || ignition; }
};

RedrawSet mapRedrawRule(const EventInfo& event, const EditorBoxes& boxes, bool unitIdentified);

}  // namespace qx
