#pragma once
// The unit's memory that survives a restart: EEPROM setup, restart count and calibration.

#include <string>

#include "Unit.h"

namespace orksim {

// Loads the state; a missing or damaged file gives a new unit with the factory setup.
// Returns false only when the file exists but could not be used.
bool loadState(const std::string& path, UnitState& state);
// Writes the state to a temporary file and renames it over the old one.
bool saveState(const std::string& path, const UnitState& state);

}  // namespace orksim
