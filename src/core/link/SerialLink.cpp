#include "core/link/SerialLink.h"

#include <algorithm>
#include <cmath>

#include "core/ports/Clock.h"
#include "core/app/MessageLog.h"
#include "core/link/LinkFlags.h"
#include "core/link/Commands.h"
#include "core/util/Numbers.h"

namespace qx {

SerialLink::SerialLink(LinkFlags& flags, MessageLog& messages, Clock& clock, BytePort& port)
    : flags_(flags), messages_(messages), clock_(clock), port_(port) {}

bool SerialLink::openPort(const std::string& name) {
  if (port_.isOpen()) port_.close();
  return port_.open(name, kWorkingBuffers);
}

void SerialLink::closePort() {
  if (port_.isOpen()) port_.close();
}

bool SerialLink::allowed(char letter) const {
  const LinkFlags& f = flags_;
  // The boot loader is on the other end while firmware goes over the line.
  if (f.firmwareTransferActive || !f.portOpen) return false;
  const auto spec = findCommand(letter);
  if (!spec) return false;
  return spec->precondition == Requires::PortOpen || f.unitIdentified;
}

bool SerialLink::send(char letter, std::initializer_list<Param> params) {
  if (!allowed(letter)) return false;
  sendCommand(letter);
  // The catalogue's pause follows the letter, before any parameter byte.
  if (const int ms = findCommand(letter)->pauseMs; ms > 0) pause(ms);
  for (const Param& p : params) {
    if (p.kind == Param::Byte)
      sendByte(p.value);
    else
      sendWordLE(p.value);
  }
  return true;
}

bool SerialLink::request(char letter, int replyBytes) {
  if (!allowed(letter)) return false;
  sendCommand(letter);
  waitForReply(replyBytes, static_cast<char>(letter - 'A' + 'a'));
  return succeeded();
}

void SerialLink::writeBytes(std::initializer_list<std::uint8_t> bytes) {
  port_.write(bytes.begin(), bytes.size());
}

void SerialLink::sendCommand(char letter) { writeBytes({static_cast<std::uint8_t>(letter)}); }

void SerialLink::sendByte(int value) { writeBytes({static_cast<std::uint8_t>(value & 0xFF)}); }

void SerialLink::sendWordLE(int value) {
  writeBytes({static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF)});
}

std::size_t SerialLink::bytesAvailable() { return port_.bytesAvailable(); }

std::uint8_t SerialLink::readByte() {
  std::uint8_t b = 0;
  port_.readByte(b);
  return b;
}

void SerialLink::drainInput() {
  std::uint8_t b;
  while (port_.bytesAvailable() > 0 && port_.readByte(b)) {
  }
}

void SerialLink::waitForReply(int count, char echo) {
  LinkFlags& f = flags_;
  f.linkErrorCode = LinkError::None;
  Clock& clock = clock_;
  const std::int64_t deadline = clock.elapsedMs() + kReplyTimeoutMs;
  const std::string echoText = echo ? std::string(1, echo) : std::string();
  for (;;) {
    // Only an exact count matches: a stray byte makes the wait time out.
    if (port_.bytesAvailable() == static_cast<std::size_t>(count)) {
      if (echo) {
        const std::uint8_t first = readByte();
        if (first != static_cast<std::uint8_t>(echo)) {
          f.linkErrorCode = LinkError::UnknownReply;
          f.unitIdentified = false;
          messages_.reportStatus("unbekannte Antwort (" + echoText + ")");
        }
      }
      return;
    }
    const std::int64_t now = clock.elapsedMs();
    if (now > deadline) {
      f.linkErrorCode = LinkError::Timeout;
      messages_.reportStatus("Antwort dauert zu lange (" + echoText + ")");
      return;
    }
    port_.waitForMore(static_cast<int>(std::min<std::int64_t>(deadline + 1 - now, kReplyTimeoutMs)));
  }
}

bool SerialLink::succeeded() const { return flags_.linkErrorCode == LinkError::None; }

void SerialLink::sendParameter(int number, double value) {
  send('W', {Param::byte(number), Param::byte(static_cast<int>(truncateToInt(value)))});
}

TestValueBytes testValueBytes(int channel, double value) {
  double b = 0;
  if ((channel >= 1 && channel <= 3) || channel == 10)
    b = value;
  else if (channel >= 4 && channel <= 6)
    b = static_cast<double>(truncateToInt(value / 524.0 * 65536.0));
  else if (channel >= 7 && channel <= 9)
    b = static_cast<double>(truncateToInt(value / 131.0 * 65536.0));
  const long long high = truncateToInt(b / 256.0);
  const long long low = truncateToInt(b - static_cast<double>(high) * 256.0);
  return {static_cast<std::uint8_t>(channel & 0xFF), static_cast<std::uint8_t>(high & 0xFF),
          static_cast<std::uint8_t>(low & 0xFF)};
}

void SerialLink::sendTestValue(int channel, double value) {
  const TestValueBytes v = testValueBytes(channel, value);
  send('V', {Param::byte(v.channel), Param::byte(v.high), Param::byte(v.low)});
}

void SerialLink::pause(int ms) { clock_.sleepMs(ms); }

}  // namespace qx
