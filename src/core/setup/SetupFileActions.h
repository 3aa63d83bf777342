#pragma once
// The main window's "Speichern" and "Laden": the setup file through the file requesters,
// with their questions and status messages.

namespace qx {

struct Program;
class Requesters;
struct SetupFileUnit;

// Saves the SetupRecord, the description and the identification of the connected unit (all
// empty when none is identified) to a chosen ".ork" file.
void saveSetupFile(Program& program, Requesters& requesters, const SetupFileUnit& unit);

// Replaces the SetupRecord (except injectorSwitchTime) and the description from a chosen
// file. A file that cannot be read leaves everything as it was.
void loadSetupFile(Program& program, Requesters& requesters);

}  // namespace qx
