#include "core/link/Connection.h"

#include <algorithm>
#include <cctype>

#include "core/app/Program.h"
#include "core/link/QuitQuestion.h"
#include "core/link/SerialLink.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr int kIdentReplyBytes = 24;
constexpr int kIdentTextBytes = 21;

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The check-box change: open the port when ticked, close it when unticked.
void followCheckBox(Program& p, SerialLink& link) {
  ComControls& com = p.com;
  if (com.checked == com.lastChecked) return;
  const std::string name = com.selectedName();
  if (!com.checked) {
    com.lastChecked = false;
    p.link.portOpen = false;
    p.link.unitIdentified = false;
    link.closePort();
    com.openName.clear();
    p.reportStatus("COM aus");
    clearDeviceInfo(p);
    return;
  }
  com.lastChecked = true;
  if (p.link.portOpen) return;
  if (!name.empty() && link.openPort(name)) {
    p.reportStatus(name + " ist ein");
    p.link.portOpen = true;
    com.openName = name;
  } else {
    p.link.linkErrorCode = LinkError::PortUnavailable;
  }
}

bool identify(Program& p, SerialLink& link) {
  link.drainInput();
  link.sendCommand('I');
  link.waitForReply(kIdentReplyBytes, 'i');
  if (p.link.linkErrorCode != LinkError::None) return false;

  std::string text;
  for (int i = 0; i < kIdentTextBytes; ++i) text.push_back(static_cast<char>(link.readByte()));
  DeviceInfo& d = p.device;
  d.device = text.substr(0, 12);
  d.hardware = text.substr(12, 3);
  d.software = text.substr(15, 3);
  d.bootLoader = text.substr(18, 3);
  const int high = link.readByte();
  d.restartCount = high * 256 + link.readByte();

  p.reportStatus("von ORK gelesen:");
  // The unit's bytes become one line each, as in the files: control bytes are "." in the
  // device type and blanks in the versions.
  p.reportStatus("- Gerät: " + unitTextForLine(d.device, '.'));
  p.reportStatus("- HW:    " + unitTextForLine(d.hardware, ' '));
  p.reportStatus("- SW:    " + unitTextForLine(d.software, ' '));
  p.reportStatus("- BL:    " + unitTextForLine(d.bootLoader, ' '));
  p.reportStatus("ORK wurde identifiziert");
  p.link.unitIdentified = true;
  return true;
}

void handleLinkError(Program& p, SerialLink& link) {
  switch (p.link.linkErrorCode) {
    case LinkError::PortUnavailable:
      link.closePort();
      p.com.lastChecked = false;
      p.com.checked = false;
      p.com.openName.clear();
      p.link.linkErrorCode = LinkError::None;
      p.link.portOpen = false;
      p.link.unitIdentified = false;
      p.reportStatus("COM Fehler - Port nicht verfügbar");
      break;
    case LinkError::UnknownReply:
      p.link.unitIdentified = false;
      p.link.linkErrorCode = LinkError::None;
      clearDeviceInfo(p);
      p.reportStatus("Protokollfehler");
      break;
    case LinkError::Timeout:
      p.link.unitIdentified = false;
      p.link.linkErrorCode = LinkError::None;
      clearDeviceInfo(p);
      p.reportStatus("COM Fehler - timeout");
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

void refreshPortList(Program& p, PortProbe& probe) {
  ComControls& com = p.com;
  std::vector<std::string> ports;
  auto add = [&ports](const std::string& name) {
    if (!name.empty() && std::find(ports.begin(), ports.end(), name) == ports.end())
      ports.push_back(name);
  };
  for (const std::string& name : probe.serialPorts()) {
    // The open connection stays open: it is listed without being probed.
    if ((p.link.portOpen && name == com.openName) || probe.canOpen(name)) add(name);
  }
  for (const std::string& name : com.extraPorts) add(name);
  if (p.link.portOpen) add(com.openName);
  std::sort(ports.begin(), ports.end(), naturalLess);

  com.ports = std::move(ports);
  com.selected = com.ports.empty() ? -1 : 0;
  if (p.link.portOpen) {
    auto it = std::find(com.ports.begin(), com.ports.end(), com.openName);
    com.selected = static_cast<int>(it - com.ports.begin());
  }
}

void addAndSelectPort(Program& p, const std::string& name) {
  ComControls& com = p.com;
  if (std::find(com.extraPorts.begin(), com.extraPorts.end(), name) == com.extraPorts.end())
    com.extraPorts.push_back(name);
  auto it = std::find(com.ports.begin(), com.ports.end(), name);
  if (it == com.ports.end()) it = com.ports.insert(com.ports.end(), name);
  com.selected = static_cast<int>(it - com.ports.begin());
}

void clearDeviceInfo(Program& p) { p.device = DeviceInfo{}; }

void connectionStep(Program& p, SerialLink& link, Requesters& requesters,
                    const std::function<void()>& readSetup) {
  followCheckBox(p, link);
  if (p.link.linkErrorCode != LinkError::None) {
    // The error of the last exchange (a failed open just now, or a live-data reply of the
    // last tick) is reported before anything else touches the link; identifying first would
    // reset it unseen. The unit is identified again at the next tick.
    handleLinkError(p, link);
  } else if (p.link.portOpen && !p.link.firmwareTransferActive && !p.link.unitIdentified) {
    if (identify(p, link) && p.settings.readSetupAfterIdentify && readSetup) readSetup();
    handleLinkError(p, link);
  }
  askQuitQuestion(p, requesters);
}

}  // namespace qx
