#pragma once

namespace qx {

class Requesters;
struct SetupRecord;

// After a setup came in from the unit or a file: the learning-mode warning when learning is
// switched on, then the lambda-logging warning when lambda logging is switched on.
void warnAboutActiveModes(const SetupRecord& setup, Requesters& requesters);

}  // namespace qx
