#pragma once
// The main window's "Speichern" and "Laden": the setup file through the file requesters,
// with their questions and status messages.

namespace qx {

class Clock;
class MessageLog;
class Requesters;
struct SetupFileUnit;
struct SetupState;
enum class EditingMode : int;

// Saves the SetupRecord, the description and the identification of the connected unit (all
// empty when none is identified) to a chosen ".ork" file.
void saveSetupFile(SetupState& setup, const SetupFileUnit& unit, Requesters& requesters,
                   MessageLog& messages, Clock& clock);

// Replaces the SetupRecord (except injectorSwitchTime) and the description from a chosen
// file, and ends editing. A file that cannot be read leaves everything as it was. True when
// a file was loaded.
bool loadSetupFile(SetupState& setup, EditingMode& editingMode, Requesters& requesters,
                   MessageLog& messages);

}  // namespace qx
