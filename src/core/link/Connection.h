#pragma once
// When the COM port is open and whether the unit on it has identified itself: the port
// list, the "COM" check box, identification with "I", and the link errors turned into
// status messages so that identification starts again.

#include <functional>
#include <string>
#include <vector>

#include "core/util/Rgb.h"

namespace qx {

class SerialLink;
struct DeviceInfo;
struct LinkFlags;

// The main window's port list and "COM" check box as the connection step sees them.
struct ComControls {
  std::vector<std::string> ports;
  int selected = -1;
  bool checked = false;
  // The state of the check box that the connection step last acted on.
  bool lastChecked = false;
  // Ports given on the command line; always in the list.
  std::vector<std::string> extraPorts;
  // The name of the port that is open now (empty when closed).
  std::string openName;
  // The colour the connection lamp was last drawn in (by the tick's lamp step).
  Rgb lamp = colours::kLampGrey;

  std::string selectedName() const {
    return selected >= 0 && selected < static_cast<int>(ports.size()) ? ports[selected]
                                                                      : std::string();
  }
};

// The platform's serial ports.
class PortProbe {
 public:
  virtual ~PortProbe() = default;
  // Every serial port the system knows.
  virtual std::vector<std::string> serialPorts() = 0;
  // Whether the port can be opened (it is opened with the probing buffers and closed).
  virtual bool canOpen(const std::string& name) = 0;
};

// Natural ascending order: "ttyS2" before "ttyS10".
bool naturalLess(const std::string& a, const std::string& b);

// Fills the port list with the ports that can be opened, in natural order, and selects the
// first. An open connection stays open and selected.
void refreshPortList(ComControls& com, const LinkFlags& flags, PortProbe& probe);

// Adds a port (given on the command line) to the list and selects it.
void addAndSelectPort(ComControls& com, const std::string& name);

void clearDeviceInfo(DeviceInfo& device);

// The connection step of every timer event: acts on the "COM" box, identifies the unit,
// reports link errors and resets the link. readSetup is called after a successful
// identification when readSetupAfter is set (the program reads the setup automatically).
void connectionStep(ComControls& com, DeviceInfo& device, SerialLink& link, bool readSetupAfter,
                    const std::function<void()>& readSetup);

}  // namespace qx
