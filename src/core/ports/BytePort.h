#pragma once
// The serial port as the link sees it. The platform opens it with the unit's fixed line
// parameters (57600 baud, 8 data bits, no parity, 2 stop bits, no handshake).

#include <cstddef>
#include <cstdint>
#include <string>

namespace qx {

// Driver buffer sizes: a hint to the platform, never a limit of what a reply may hold.
struct PortBuffers {
  int input = 254;
  int output = 254;
};
inline constexpr PortBuffers kWorkingBuffers{254, 254};
inline constexpr PortBuffers kProbingBuffers{1024, 1024};

class BytePort {
 public:
  virtual ~BytePort() = default;
  virtual bool open(const std::string& name, const PortBuffers& buffers) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // Writes the bytes and waits until they have left for the line. Failures are ignored by
  // the link (the reply wait that follows times out).
  virtual bool write(const std::uint8_t* data, std::size_t size) = 0;
  // Bytes waiting in the input queue; never blocks.
  virtual std::size_t bytesAvailable() = 0;
  // Takes one waiting byte; false (and nothing read) when none is waiting. Never blocks.
  virtual bool readByte(std::uint8_t& byte) = 0;
  // Bytes written but still waiting in the output queue for the line; never blocks.
  virtual std::size_t bytesToWrite() { return 0; }
  // Waits until more bytes arrive or ms milliseconds have passed, whichever comes first.
  virtual void waitForMore(int ms) = 0;
  // True once the device went away (unplugged adapter, simulator ended). The platform
  // tries to open the same device again on later calls; reads see no data meanwhile.
  virtual bool lost() const { return false; }
};

}  // namespace qx
