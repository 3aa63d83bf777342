#pragma once
// The main window's own rules: which editor has the keyboard, the description field, the
// expert password and the map display ceiling.

#include <cstddef>
#include <string>

namespace qx {

class MessageLog;
class Requesters;
struct EditorState;
struct ExpertWindowState;
struct ProgramSettings;
struct SetupState;
enum class EditingMode : int;

// F5..F8: the editor takes the keyboard (the editing keys exist from now on).
void startEditing(EditorState& editors, MessageLog& messages, EditingMode mode);
// ESC: editing ends (also when no editor was active).
void endEditing(EditorState& editors, MessageLog& messages);
// Empties the editing-point labels of every editor except the active one.
void clearPointLabels(EditorState& editors);

// Return in the main window: the description field's text, cut to its first 100
// characters, becomes the setup's description.
void takeDescription(SetupState& setup, const std::string& text);
inline constexpr std::size_t kDescriptionLength = 100;

// Ctrl+Alt+E: true when the expert window is to be shown (unlocked before, or the password
// was entered now). A wrong or empty password is refused with a message.
bool unlockExpertMode(ExpertWindowState& expert, Requesters& requesters);

// Mouse wheel over the map with "kapp" ticked: each notch moves the display ceiling by
// 200 µs within 200..60000. Returns whether anything changed.
bool wheelOverMap(const EditorState& editors, ProgramSettings& settings, int notches);

inline constexpr int kMapCeilingStep = 200;
inline constexpr int kMapCeilingMin = 200;
inline constexpr int kMapCeilingMax = 60000;

}  // namespace qx
