#pragma once

namespace qx {

// Result of the last exchange with the unit.
enum class LinkError : int { None = 0, PortUnavailable = 1, UnknownReply = 2, Timeout = 5 };

// The state of the serial link, shared by every subsystem that talks to the unit.
struct LinkFlags {
  bool portOpen = false;
  bool unitIdentified = false;
  LinkError linkErrorCode = LinkError::None;
  bool firmwareTransferActive = false;
};

}  // namespace qx
