#pragma once
// "Sichern" and "Laden" of the lambda logger window: the lambda log file through the file
// requesters, with their questions and status messages.

#include "core/lambda/LambdaLogger.h"

namespace qx {

class Clock;
class MessageLog;
class Requesters;
struct DeviceInfo;

// Saves the table with the state's comment to a chosen ".oll" file. The date and time of
// saving and the connected unit's hardware and software become the table's metadata; the
// window's "Log_" fields keep their texts. A failed save leaves any old file whole.
void saveLambdaLog(LambdaLoggerState& state, const LambdaTable& table, const DeviceInfo& device,
                   bool unitIdentified, Requesters& requesters, MessageLog& messages, Clock& clock);

// Replaces the table, its metadata and the comment from a chosen file and fills the
// window's fields. A file that cannot be read leaves the table as it was. True when a file
// was loaded (the table needs drawing).
bool loadLambdaLog(LambdaLoggerState& state, LambdaTable& table, Requesters& requesters,
                   MessageLog& messages);

}  // namespace qx
