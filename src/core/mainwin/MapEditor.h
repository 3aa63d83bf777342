#pragma once
// The four editors of the main window: moving the editing point and changing the value
// under it. Every change goes into the setup and, while the unit is connected, to the unit
// at once ("K", "T", "Z", "M").

namespace qx {

struct EditorState;
struct SetupState;
class Requesters;
class SerialLink;
enum class EditKey;

// Editing ranges.
inline constexpr int kMapKeyLimit = 60000;    // "+"/"-" stay below it
inline constexpr int kMapGroupLimit = 65000;  // F3/F4 and F9 reach up to it
inline constexpr int kCorrectionMax = 150;
inline constexpr int kIgnitionMax = 50;

// An editing key for the active editor (nothing happens without one).
// Ctrl+Z / Ctrl+Y take back or redo the active editor's last point edit, writing the
// restored values to the unit as the edit did.
void editingKey(EditorState& editors, SetupState& setup, SerialLink& link, EditKey key);

// F3 (up) / F4 (down): the InjectionMap group from the origin up to the editing point, only
// while the map is edited and "Start" is ticked.
void shiftMapGroup(EditorState& editors, SetupState& setup, SerialLink& link, bool up);

// F9: a typed value for the InjectionMap point under the editing point.
void typeMapValue(EditorState& editors, SetupState& setup, SerialLink& link,
                  Requesters& requesters);

}  // namespace qx
