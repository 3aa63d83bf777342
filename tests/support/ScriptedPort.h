#pragma once
// A serial port driven by a script: replies arrive at given times on the manual clock, and
// everything written is recorded with the time it was written.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/ports/BytePort.h"
#include "support/Fakes.h"

namespace qx::test {

class ScriptedPort final : public BytePort {
 public:
  explicit ScriptedPort(ManualClock& clock) : clock_(clock) {}

  struct Written {
    std::int64_t atMs;
    std::uint8_t byte;
  };

  // Bytes that arrive `afterMs` after now (0: already waiting).
  void arrive(const std::vector<std::uint8_t>& bytes, std::int64_t afterMs = 0) {
    for (auto b : bytes) pending_.push_back({clock_.nowMs + afterMs, b});
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Pending& a, const Pending& b) { return a.atMs < b.atMs; });
  }
  void arrive(const std::string& text, std::int64_t afterMs = 0) {
    arrive(std::vector<std::uint8_t>(text.begin(), text.end()), afterMs);
  }
  // Called whenever a byte is written, to script an answer to it.
  std::function<void(std::uint8_t)> onWrite;

  bool open(const std::string& name, const PortBuffers& buffers) override {
    openedName = name;
    openedBuffers = buffers;
    if (!canOpen) return false;
    open_ = true;
    return true;
  }
  void close() override { open_ = false; ++closes; }
  bool isOpen() const override { return open_; }
  bool write(const std::uint8_t* data, std::size_t size) override {
    for (std::size_t i = 0; i < size; ++i) {
      written.push_back({clock_.nowMs, data[i]});
      if (onWrite) onWrite(data[i]);
    }
    return true;
  }
  std::size_t bytesAvailable() override {
    deliver();
    return queue_.size();
  }
  bool readByte(std::uint8_t& byte) override {
    deliver();
    if (queue_.empty()) return false;
    byte = queue_.front();
    queue_.pop_front();
    return true;
  }
  std::size_t bytesToWrite() override { return outputQueued; }
  void waitForMore(int ms) override {
    // Time moves to the next arrival, or by ms when none comes earlier.
    std::int64_t until = clock_.nowMs + ms;
    if (!pending_.empty() && pending_.front().atMs > clock_.nowMs && pending_.front().atMs < until)
      until = pending_.front().atMs;
    clock_.nowMs = until;
    ++waits;
  }

  std::vector<std::uint8_t> writtenBytes() const {
    std::vector<std::uint8_t> out;
    for (auto& w : written) out.push_back(w.byte);
    return out;
  }
  std::string writtenText() const {
    std::string out;
    for (auto& w : written) out.push_back(static_cast<char>(w.byte));
    return out;
  }
  std::size_t queued() { return bytesAvailable(); }
  // Forgets everything waiting or still to come.
  void drainAll() {
    pending_.clear();
    queue_.clear();
  }

  std::vector<Written> written;
  bool canOpen = true;
  // What bytesToWrite reports: bytes still on their way to the line.
  std::size_t outputQueued = 0;
  std::string openedName;
  PortBuffers openedBuffers;
  int closes = 0;
  int waits = 0;

 private:
  struct Pending {
    std::int64_t atMs;
    std::uint8_t byte;
  };
  void deliver() {
    while (!pending_.empty() && pending_.front().atMs <= clock_.nowMs) {
      queue_.push_back(pending_.front().byte);
      pending_.pop_front();
    }
  }
  ManualClock& clock_;
  std::deque<Pending> pending_;
  std::deque<std::uint8_t> queue_;
  bool open_ = false;
};

}  // namespace qx::test
