#pragma once
// The program's only channel to the unit: one serial port, strictly master/slave. The PC
// sends a command letter, after a pause its parameter bytes, and for commands with a reply
// waits for a fixed number of bytes whose first byte echoes the letter in lower case.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/ports/BytePort.h"

namespace qx {

class Clock;
class MessageLog;
struct LinkFlags;

// One parameter of a command: a byte, or a 16-bit word sent low byte first.
struct Param {
  enum Kind { Byte, WordLE } kind;
  int value;
  static Param byte(int v) { return {Byte, v}; }
  static Param wordLE(int v) { return {WordLE, v}; }
};

class SerialLink {
 public:
  static constexpr int kReplyTimeoutMs = 100;

  SerialLink(LinkFlags& flags, MessageLog& messages, Clock& clock, BytePort& port);

  LinkFlags& flags() { return flags_; }
  const LinkFlags& flags() const { return flags_; }
  MessageLog& messages() { return messages_; }
  Clock& clock() { return clock_; }

  bool openPort(const std::string& name);
  void closePort();

  // Whether the command may be sent now: its precondition (open port or identified unit)
  // holds and no firmware transfer has the line.
  bool allowed(char letter) const;

  // Sends a command with its parameters (the catalogue's pause between the letter and the
  // first parameter). Sends nothing and returns false when the command is not allowed.
  bool send(char letter, std::initializer_list<Param> params = {});

  // Sends a command and waits for its reply; true when the reply is complete with the
  // right echo, and its count - 1 data bytes wait to be read with readByte.
  bool request(char letter, int replyBytes);

  // The low-level operations.
  void sendCommand(char letter);
  void sendByte(int value);
  void sendWordLE(int value);
  std::size_t bytesAvailable();
  // One byte from the input queue; 0 when nothing is waiting (never blocks).
  std::uint8_t readByte();
  void drainInput();
  // Waits up to 100 ms until exactly `count` bytes are queued and checks the echo (when not
  // 0, it is read). Sets the link error code: 0, 2 (wrong echo) or 5 (timeout).
  void waitForReply(int count, char echo);
  // Whether the last reply wait ended without an error.
  bool succeeded() const;

  // Run-time parameter "W" (number, integer part of value as one byte).
  void sendParameter(int number, double value);
  // Test-mode output command "V" (channel 1..10, value converted by channel).
  void sendTestValue(int channel, double value);

  void pause(int ms);
  BytePort& port() { return port_; }

 private:
  void writeBytes(std::initializer_list<std::uint8_t> bytes);

  LinkFlags& flags_;
  MessageLog& messages_;
  Clock& clock_;
  BytePort& port_;
};

// The three bytes "V" sends after its pause for a channel and value: channel, high, low.
struct TestValueBytes {
  std::uint8_t channel, high, low;
};
TestValueBytes testValueBytes(int channel, double value);

}  // namespace qx
