#pragma once
// The whole setup between the program and the unit: "->PC" reads it with "L", "->ORK"
// writes it into the unit's working memory with "S", "->EEPROM" has the unit store its
// working setup with "E".

#include <optional>

#include "core/setup/SetupRecord.h"

namespace qx {

struct SetupState;
class Requesters;
class SerialLink;

inline constexpr int kSetupReplyBytes = 436;  // echo "l" and the 435-byte image

// Reads the unit's setup into the SetupRecord. A reply of another length is taken only when
// the user agrees; a failed read leaves the record as it was.
void readSetupFromUnit(SetupState& setup, SerialLink& link, Requesters& requesters);
// The unit's working setup with "L" into a scratch record that starts as `start` (for what
// the image does not hold); nothing when the reply is not a whole setup. Nothing is asked,
// nothing of the program changes.
std::optional<SetupRecord> readUnitSetup(const SetupRecord& start, SerialLink& link);

void writeSetupToUnit(const SetupRecord& record, SerialLink& link);
void storeSetupInEeprom(SerialLink& link);

}  // namespace qx
