#pragma once
// The editing point that follows the engine: with the active editor's "auto" ticked, every
// live sample moves the point to the live operating point.

namespace qx {

struct EditorState;
struct VitalData;

void followOperatingPoint(EditorState& editors, const VitalData& vital);

}  // namespace qx
