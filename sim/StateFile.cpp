#include "StateFile.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace orksim {

namespace {
constexpr char kMagic[8] = {'O', 'R', 'K', 'S', 'I', 'M', '1', '\n'};
constexpr std::size_t kSize = sizeof kMagic + 2 + 1 + kImageBytes;
}  // namespace

bool loadState(const std::string& path, UnitState& state) {
  state.eeprom = factorySetup();
  state.restartCount = 0;
  if (path.empty()) return true;
  std::ifstream in(path, std::ios::binary);
  if (!in) return true;  // a new unit
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() != kSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) return false;
  const unsigned char* p = bytes.data() + sizeof kMagic;
  state.restartCount = p[0] | (p[1] << 8);
  state.calibration = p[2];
  std::memcpy(state.eeprom.data(), p + 3, kImageBytes);
  return true;
}

bool saveState(const std::string& path, const UnitState& state) {
  if (path.empty()) return true;
  std::vector<unsigned char> bytes(kMagic, kMagic + sizeof kMagic);
  bytes.push_back(static_cast<unsigned char>(state.restartCount & 0xFF));
  bytes.push_back(static_cast<unsigned char>((state.restartCount >> 8) & 0xFF));
  bytes.push_back(static_cast<unsigned char>(state.calibration));
  bytes.insert(bytes.end(), state.eeprom.begin(), state.eeprom.end());
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  return std::rename(tmp.c_str(), path.c_str()) == 0;
}

}  // namespace orksim
