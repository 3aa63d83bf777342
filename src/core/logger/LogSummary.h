#pragma once
// Minimum and maximum of every channel's scaled value over blocks of records, in levels of
// doubling block size, so that the viewer can reduce any run of records to one pixel column
// in a few steps instead of visiting every record.

#include <array>
#include <cstdint>
#include <vector>

namespace qx {

class LogTable;

inline constexpr int kLogChannels = 14;
using ChannelValues = std::array<float, kLogChannels>;

// The channel values of one record, each scaled to its strip (0 at the bottom, 1 at the top,
// clamped into the strip).
ChannelValues scaledChannels(const float* row);

class LogSummary {
 public:
  static constexpr int kBlock = 32;  // records of the smallest block

  // Catches up with the table: after records were only appended, just the new ones are
  // taken; after any other change the summary starts again.
  void update(const LogTable& table);

  // Minimum and maximum per channel over records a..b (1 <= a <= b <= count). update() must
  // have seen the table as it is.
  void range(const LogTable& table, int a, int b, ChannelValues& mins, ChannelValues& maxs) const;

  std::size_t bytes() const;

 private:
  struct Block {
    ChannelValues min, max;
  };
  void addBlocks(const LogTable& table, int completeBlocks);

  std::uint64_t generation_ = ~std::uint64_t{0};
  // levels_[l][j] covers records kBlock << l records from j * (kBlock << l) + 1 on; only
  // complete blocks are kept.
  std::vector<std::vector<Block>> levels_;
};

}  // namespace qx
