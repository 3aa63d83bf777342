#include "core/logger/LogSummary.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/logger/LogTable.h"

namespace qx {

namespace {
// Channels 1 to 13 follow their own column alone; channel 14 (the injection) needs two.
constexpr int kPlainChannels = kLogChannels - 1;

float clamp01(float v) {
  return !(v > 0) ? 0 : (v > 1 ? 1 : v);
}

void widen(ChannelValues& mins, ChannelValues& maxs, const ChannelValues& lo,
           const ChannelValues& hi) {
  for (int c = 0; c < kLogChannels; ++c) {
    mins[c] = std::min(mins[c], lo[c]);
    maxs[c] = std::max(maxs[c], hi[c]);
  }
}

// Channel 14's value: the injection time as its share of one revolution at the record's
// speed, finite at any speed.
float injectionShare(const float* row) {
  const float speed = row[1] > 0 ? row[1] : 0.0f;
  return clamp01(row[14] * speed / 60e6f);
}
}  // namespace

ChannelValues scaledChannels(const float* row) {
  ChannelValues s;
  s[0] = row[1] / 16000.0f;
  s[1] = row[2] / 100.0f;
  s[2] = (row[3] + 20.0f) / 255.0f;
  s[3] = (row[4] + 20.0f) / 255.0f;
  for (int k = 0; k < 3; ++k) s[4 + k] = row[5 + k] / 1.5f;
  for (int k = 0; k < 5; ++k) s[7 + k] = row[8 + k];
  s[12] = (row[13] + 50.0f) / 90.0f;
  for (int c = 0; c < kPlainChannels; ++c) s[c] = clamp01(s[c]);  // also turns a NaN into 0
  s[13] = injectionShare(row);
  return s;
}

namespace {
// The extremes of the channels over a run of records, taken from the table's values as they
// are and scaled only at the end: every channel but the injection grows with its one column,
// so the scaled extremes are the extremes' scaled values (a NaN, which scales to 0, counts as
// the lowest value). This spares scaling every record.
struct RawExtremes {
  std::array<float, kPlainChannels> lo, hi;
  float injectionLo = 1, injectionHi = 0;
  bool any = false;

  RawExtremes() {
    lo.fill(std::numeric_limits<float>::infinity());
    hi.fill(-std::numeric_limits<float>::infinity());
  }
  void add(const float* row) {
    for (int c = 0; c < kPlainChannels; ++c) {
      const float v = std::isnan(row[c + 1]) ? -std::numeric_limits<float>::infinity() : row[c + 1];
      lo[c] = std::min(lo[c], v);
      hi[c] = std::max(hi[c], v);
    }
    const float share = injectionShare(row);
    injectionLo = std::min(injectionLo, share);
    injectionHi = std::max(injectionHi, share);
    any = true;
  }
  void widenInto(ChannelValues& mins, ChannelValues& maxs) const {
    if (!any) return;
    std::array<float, kLogColumns> lowRow{}, highRow{};
    std::copy(lo.begin(), lo.end(), lowRow.begin() + 1);
    std::copy(hi.begin(), hi.end(), highRow.begin() + 1);
    ChannelValues low = scaledChannels(lowRow.data()), high = scaledChannels(highRow.data());
    low[kPlainChannels] = injectionLo;
    high[kPlainChannels] = injectionHi;
    widen(mins, maxs, low, high);
  }
};
}  // namespace

void LogSummary::addBlocks(const LogTable& table, int completeBlocks) {
  if (levels_.empty()) levels_.emplace_back();
  auto& base = levels_[0];
  for (int j = static_cast<int>(base.size()); j < completeBlocks; ++j) {
    Block b;
    b.min.fill(1);
    b.max.fill(0);
    RawExtremes extremes;
    for (int r = j * kBlock + 1; r <= (j + 1) * kBlock; ++r) extremes.add(table.row(r));
    extremes.widenInto(b.min, b.max);
    base.push_back(b);
  }
  for (std::size_t l = 0; levels_[l].size() >= 2; ++l) {
    if (levels_.size() == l + 1) levels_.emplace_back();
    const auto& below = levels_[l];
    auto& level = levels_[l + 1];
    for (std::size_t j = level.size(); 2 * j + 1 < below.size(); ++j) {
      Block b = below[2 * j];
      widen(b.min, b.max, below[2 * j + 1].min, below[2 * j + 1].max);
      level.push_back(b);
    }
  }
}

void LogSummary::update(const LogTable& table) {
  if (generation_ != table.generation()) {
    levels_.clear();
    generation_ = table.generation();
  }
  addBlocks(table, table.count() / kBlock);
}

void LogSummary::range(const LogTable& table, int a, int b, ChannelValues& mins,
                       ChannelValues& maxs) const {
  mins.fill(std::numeric_limits<float>::max());
  maxs.fill(std::numeric_limits<float>::lowest());
  // Half-open record indices from 0: [i0, i1).
  std::size_t i0 = static_cast<std::size_t>(a - 1), i1 = static_cast<std::size_t>(b);
  RawExtremes extremes;
  auto raw = [&](std::size_t i) { extremes.add(table.row(static_cast<int>(i) + 1)); };
  while (i0 < i1 && i0 % kBlock != 0) raw(i0++);
  while (i1 > i0 && i1 % kBlock != 0) raw(--i1);
  std::size_t lo = i0 / kBlock, hi = i1 / kBlock;
  for (std::size_t l = 0; lo < hi && l < levels_.size(); ++l) {
    const auto& level = levels_[l];
    if (hi > level.size()) {
      // Not summarised (update() was not called): take the records themselves.
      for (std::size_t i = lo * (kBlock << l); i < hi * (kBlock << l); ++i) raw(i);
      extremes.widenInto(mins, maxs);
      return;
    }
    if (lo & 1) {
      widen(mins, maxs, level[lo].min, level[lo].max);
      ++lo;
    }
    if (hi & 1) {
      --hi;
      widen(mins, maxs, level[hi].min, level[hi].max);
    }
    lo >>= 1;
    hi >>= 1;
  }
  if (lo < hi)
    for (std::size_t i = lo * kBlock << levels_.size(); i < (hi * kBlock) << levels_.size(); ++i)
      raw(i);
  extremes.widenInto(mins, maxs);
}

std::size_t LogSummary::bytes() const {
  std::size_t n = 0;
  for (const auto& level : levels_) n += level.capacity() * sizeof(Block);
  return n;
}

}  // namespace qx
