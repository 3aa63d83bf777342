#include "core/link/Connection.h"

#include <algorithm>
#include <cctype>

#include "core/app/MessageLog.h"
#include "core/link/DeviceInfo.h"
#include "core/link/LinkFlags.h"
#include "core/link/SerialLink.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr int kIdentReplyBytes = 24;
constexpr int kIdentTextBytes = 21;

bool isDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The check-box change: open the port when ticked, close it when unticked.
void followCheckBox(ComControls& com, DeviceInfo& device, SerialLink& link) {
  LinkFlags& flags = link.flags();
  MessageLog& messages = link.messages();
  if (com.checked == com.lastChecked) return;
  const std::string name = com.selectedName();
  if (!com.checked) {
    com.lastChecked = false;
    flags.portOpen = false;
    flags.unitIdentified = false;
    link.closePort();
    com.openName.clear();
    messages.reportStatus("COM aus");
    clearDeviceInfo(device);
    return;
  }
  com.lastChecked = true;
  if (flags.portOpen) return;
  if (!name.empty() && link.openPort(name)) {
    messages.reportStatus(name + " ist ein");
    flags.portOpen = true;
    com.openName = name;
  } else {
    flags.linkErrorCode = LinkError::PortUnavailable;
  }
}

bool identify(DeviceInfo& d, SerialLink& link) {
  LinkFlags& flags = link.flags();
  MessageLog& messages = link.messages();
  link.drainInput();
  link.sendCommand('I');
  link.waitForReply(kIdentReplyBytes, 'i');
  if (flags.linkErrorCode != LinkError::None) return false;

  std::string text;
  for (int i = 0; i < kIdentTextBytes; ++i) text.push_back(static_cast<char>(link.readByte()));
  d.device = text.substr(0, 12);
  d.hardware = text.substr(12, 3);
  d.software = text.substr(15, 3);
  d.bootLoader = text.substr(18, 3);
  const int high = link.readByte();
  d.restartCount = high * 256 + link.readByte();

  messages.reportStatus("von ORK gelesen:");
  // The unit's bytes become one line each, as in the files: control bytes are "." in the
  // device type and blanks in the versions.
  messages.reportStatus("- Gerät: " + unitTextForLine(d.device, '.'));
  messages.reportStatus("- HW:    " + unitTextForLine(d.hardware, ' '));
  messages.reportStatus("- SW:    " + unitTextForLine(d.software, ' '));
  messages.reportStatus("- BL:    " + unitTextForLine(d.bootLoader, ' '));
  messages.reportStatus("ORK wurde identifiziert");
  flags.unitIdentified = true;
  return true;
}

void handleLinkError(ComControls& com, DeviceInfo& device, SerialLink& link) {
  LinkFlags& flags = link.flags();
  MessageLog& messages = link.messages();
  switch (flags.linkErrorCode) {
    case LinkError::PortUnavailable:
      link.closePort();
      com.lastChecked = false;
      com.checked = false;
      com.openName.clear();
      flags.linkErrorCode = LinkError::None;
      flags.portOpen = false;
      flags.unitIdentified = false;
      messages.reportStatus("COM Fehler - Port nicht verfügbar");
      break;
    case LinkError::UnknownReply:
      flags.unitIdentified = false;
      flags.linkErrorCode = LinkError::None;
      clearDeviceInfo(device);
      messages.reportStatus("Protokollfehler");
      break;
    case LinkError::Timeout:
      flags.unitIdentified = false;
      flags.linkErrorCode = LinkError::None;
      clearDeviceInfo(device);
      messages.reportStatus("COM Fehler - timeout");
      break;
    case LinkError::None:
      break;
  }
}
}  // namespace

bool naturalLess(const std::string& a, const std::string& b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      std::size_t i2 = i, j2 = j;
      while (i2 < a.size() && isDigit(a[i2])) ++i2;
      while (j2 < b.size() && isDigit(b[j2])) ++j2;
      // Compare the digit runs as numbers: without leading zeros, longer is larger.
      std::string_view x(a.data() + i, i2 - i), y(b.data() + j, j2 - j);
      while (x.size() > 1 && x.front() == '0') x.remove_prefix(1);
      while (y.size() > 1 && y.front() == '0') y.remove_prefix(1);
      if (x.size() != y.size()) return x.size() < y.size();
      if (x != y) return x < y;
      i = i2, j = j2;
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i, ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

void refreshPortList(ComControls& com, const LinkFlags& flags, PortProbe& probe) {
  std::vector<std::string> ports;
  auto add = [&ports](const std::string& name) {
    if (!name.empty() && std::find(ports.begin(), ports.end(), name) == ports.end())
      ports.push_back(name);
  };
  for (const std::string& name : probe.serialPorts()) {
    // The open connection stays open: it is listed without being probed.
    if ((flags.portOpen && name == com.openName) || probe.canOpen(name)) add(name);
  }
  for (const std::string& name : com.extraPorts) add(name);
  if (flags.portOpen) add(com.openName);
  std::sort(ports.begin(), ports.end(), naturalLess);

  com.ports = std::move(ports);
  com.selected = com.ports.empty() ? -1 : 0;
  if (flags.portOpen) {
    auto it = std::find(com.ports.begin(), com.ports.end(), com.openName);
    com.selected = static_cast<int>(it - com.ports.begin());
  }
}

void addAndSelectPort(ComControls& com, const std::string& name) {
  if (std::find(com.extraPorts.begin(), com.extraPorts.end(), name) == com.extraPorts.end())
    com.extraPorts.push_back(name);
  auto it = std::find(com.ports.begin(), com.ports.end(), name);
  if (it == com.ports.end()) it = com.ports.insert(com.ports.end(), name);
  com.selected = static_cast<int>(it - com.ports.begin());
}

void clearDeviceInfo(DeviceInfo& device) {
  device = DeviceInfo{};
}

void connectionStep(ComControls& com, DeviceInfo& device, SerialLink& link, bool readSetupAfter,
                    const std::function<void()>& readSetup) {
  const LinkFlags& flags = link.flags();
  followCheckBox(com, device, link);
  if (flags.linkErrorCode != LinkError::None) {
    // The error of the last exchange (a failed open just now, or a live-data reply of the
    // last tick) is reported before anything else touches the link; identifying first would
    // reset it unseen. The unit is identified again at the next tick.
    handleLinkError(com, device, link);
  } else if (flags.portOpen && !flags.firmwareTransferActive && !flags.unitIdentified) {
    if (identify(device, link) && readSetupAfter && readSetup) readSetup();
    handleLinkError(com, device, link);
  }
}

}  // namespace qx
