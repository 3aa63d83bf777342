#pragma once
// The unit's boot loader: entered with "U", it loads new firmware in numbered 128-byte
// blocks. The PC starts with 0x7B (echoed), then 0x00; the boot loader asks for block 1
// with 0x15. Each frame (0x01, n, n + 1, 128 bytes, additive checksum) is answered with
// 0x06 when it is the expected block (or the one just taken, sent again) and intact, and
// with 0x15 otherwise. 0x04 ends the transfer; the unit then restarts.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace orksim {

class BootLoader {
 public:
  enum class AckFault { None, Drop, Corrupt };

  explicit BootLoader(std::FILE* trace) : trace_(trace) {}

  void enter(double seconds);
  bool active() const { return phase_ != Phase::Off; }

  // One byte from the PC, read at `seconds`. The PC's bytes take their line time to arrive,
  // so an answer leaves once the byte it answers has come in: `replyAt`.
  void receive(std::uint8_t byte, double seconds, std::vector<std::uint8_t>& reply,
               double& replyAt);
  // Time passing: after a second without a byte while blocks are expected, the boot loader
  // asks for the current block again.
  void poll(double seconds, std::vector<std::uint8_t>& reply, double& replyAt);

  // The next acknowledgement is lost, or arrives with its top bit flipped.
  void armAckFault(AckFault fault) { ackFault_ = fault; }

  // The whole transfer arrived (0x04): the blocks taken, in order.
  std::function<void(const std::vector<std::uint8_t>&)> onComplete;
  // The boot loader hands over to the firmware (after 0x04, or on a byte that is no part of
  // the block protocol, as when the PC gave up and talks to the firmware again).
  std::function<void(double)> onLeave;

 private:
  enum class Phase { Off, Handshake, Blocks };
  void frameDone(std::vector<std::uint8_t>& reply);
  void acknowledge(std::vector<std::uint8_t>& reply);
  void leave(double seconds, const char* why);
  void trace(double seconds, const char* what, int block = -1);

  std::FILE* trace_;
  Phase phase_ = Phase::Off;
  std::vector<std::uint8_t> frame_;
  std::vector<std::uint8_t> image_;
  int expected_ = 1;  // the block asked for
  double lineFree_ = 0;
  double lastByteAt_ = 0;
  AckFault ackFault_ = AckFault::None;
};

}  // namespace orksim
