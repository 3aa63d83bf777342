#include "BootLoader.h"

#include <algorithm>

#include "LinePacer.h"

namespace orksim {

namespace {
constexpr std::size_t kFrameBytes = 132;
constexpr std::size_t kBlockBytes = 128;
constexpr int kMaxBlocks = 1025;
constexpr double kRepeatAfter = 1.0;
constexpr std::uint8_t kStart = 0x7B, kStarted = 0x00, kFrame = 0x01, kAccepted = 0x06,
                       kSendAgain = 0x15, kEnd = 0x04;
}  // namespace

void BootLoader::enter(double seconds) {
  phase_ = Phase::Handshake;
  frame_.clear();
  image_.clear();
  expected_ = 1;
  lineFree_ = lastByteAt_ = seconds;
  trace(seconds, "enter");
}

void BootLoader::receive(std::uint8_t byte, double seconds, std::vector<std::uint8_t>& reply,
                         double& replyAt) {
  const double arrived = std::max(seconds, lineFree_) + kByteSeconds;
  lineFree_ = lastByteAt_ = replyAt = arrived;
  if (!frame_.empty()) {
    frame_.push_back(byte);
    if (frame_.size() == kFrameBytes) frameDone(reply);
    return;
  }
  if (phase_ == Phase::Handshake) {
    if (byte == kStart) {
      reply.push_back(kStart);
    } else if (byte == kStarted) {
      phase_ = Phase::Blocks;
      reply.push_back(kSendAgain);  // block 1, please
      trace(arrived, "handshake");
    } else {
      leave(arrived, "leave");
    }
    return;
  }
  switch (byte) {
    case kFrame:
      frame_.push_back(byte);
      break;
    case kEnd:
      trace(arrived, "end", expected_ - 1);
      if (onComplete) onComplete(image_);
      leave(arrived, "restart");
      break;
    case kStart:
    case kStarted:
      break;  // late handshake bytes
    default:
      leave(arrived, "leave");
      break;
  }
}

void BootLoader::poll(double seconds, std::vector<std::uint8_t>& reply, double& replyAt) {
  if (phase_ != Phase::Blocks || seconds - lastByteAt_ < kRepeatAfter) return;
  frame_.clear();  // a frame that stopped half-way is forgotten
  lastByteAt_ = replyAt = seconds;
  reply.push_back(kSendAgain);
  trace(seconds, "again", expected_);
}

void BootLoader::frameDone(std::vector<std::uint8_t>& reply) {
  int sum = 0;
  for (std::size_t i = 0; i + 1 < kFrameBytes; ++i) sum += frame_[i];
  const int n = frame_[1];
  const bool intact = (sum & 0xFF) == frame_[kFrameBytes - 1] && frame_[2] == ((n + 1) & 0xFF);
  if (intact && n == (expected_ & 0xFF) && expected_ <= kMaxBlocks) {
    image_.insert(image_.end(), frame_.begin() + 3, frame_.begin() + 3 + kBlockBytes);
    trace(lineFree_, "block", expected_);
    ++expected_;
    acknowledge(reply);
  } else if (intact && expected_ > 1 && n == ((expected_ - 1) & 0xFF)) {
    trace(lineFree_, "repeat", expected_ - 1);  // the acknowledgement was lost: take it again
    acknowledge(reply);
  } else {
    trace(lineFree_, "refused", expected_);
    reply.push_back(kSendAgain);
  }
  frame_.clear();
}

void BootLoader::acknowledge(std::vector<std::uint8_t>& reply) {
  const AckFault fault = ackFault_;
  ackFault_ = AckFault::None;
  if (fault == AckFault::Drop) return;
  reply.push_back(fault == AckFault::Corrupt ? kAccepted | 0x80 : kAccepted);
}

void BootLoader::leave(double seconds, const char* why) {
  phase_ = Phase::Off;
  frame_.clear();
  trace(seconds, why);
  if (onLeave) onLeave(seconds);
}

void BootLoader::trace(double seconds, const char* what, int block) {
  if (!trace_) return;
  std::fprintf(trace_, "%.3f boot %s", seconds * 1000.0, what);
  if (block >= 0) std::fprintf(trace_, " %d", block);
  std::fprintf(trace_, "\n");
  std::fflush(trace_);
}

}  // namespace orksim
