#pragma once
// The four editors of the main window: moving the editing point and changing the value
// under it. Every change goes into the setup and, while the unit is connected, to the unit.

namespace qx {

struct Program;
class SerialLink;
enum class EditKey;

// An editing key for the active editor (nothing happens without one).
void editingKey(Program& program, SerialLink& link, EditKey key);

}  // namespace qx
