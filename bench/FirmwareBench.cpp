// A whole firmware upload of the full image (1025 blocks) against the simulated unit's boot
// loader over a pseudo terminal, one upload step per COM tick as the main loop runs it (the
// COM timer is armed again after each tick's work). The boot loader takes the PC's bytes at
// the line rate, so the line time of the frames is the floor:
// 1025 x 132 bytes x 11 bits / 57600 baud = 25.8 s.

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>

#include "core/app/Program.h"
#include "core/firmware/FirmwareUpdate.h"
#include "core/link/Connection.h"
#include "core/link/SerialLink.h"
#include "core/ports/Clock.h"
#include "core/util/Files.h"
#include "support/Fakes.h"
#include "support/IntelHex.h"
#include "support/PosixPort.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace {

constexpr double kLineBoundSeconds = 1025 * 132 * 11 / 57600.0;

// The full image as Intel HEX (the record addresses are not used).
std::vector<std::uint8_t> writeFullImage(const std::string& path) {
  std::vector<std::uint8_t> data(qx::kFirmwareImageBytes);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 31 + 7);
  std::ofstream(path, std::ios::binary) << qx::test::intelHex(data);
  return data;
}

void BM_FullFirmwareUpload(benchmark::State& state) {
  const int tickMs = static_cast<int>(state.range(0));
  for (auto _ : state) {
    qx::test::TempDir dir;
    qx::test::SimProcess sim(ORK_SIM_PATH, dir.path(),
                             {"--scenario", "idle", "--firmware-out", dir.file("received.bin")});
    qx::SystemClock clock;
    qx::Program program(clock, dir.path());
    qx::test::ScriptedRequesters requesters;
    qx::test::PosixPort port;
    qx::SerialLink link(program.link, program.messages, program.clock, port);
    program.com.ports = {sim.link()};
    program.com.selected = 0;
    program.com.checked = true;
    for (int i = 0; i < 20 && !program.link.unitIdentified; ++i) {
      qx::connectionStep(program.com, program.device, link, false, nullptr);
      clock.sleepMs(50);
    }
    if (!program.link.unitIdentified) {
      state.SkipWithError("simulated unit not identified");
      return;
    }
    const auto image = writeFullImage(dir.file("ork.hex"));
    qx::FirmwareUpdate update;
    update.folder = dir.path() + "/";
    update.fileName = "ork.hex";

    const auto start = std::chrono::steady_clock::now();
    qx::startFirmwareUpdate(update, link, requesters);
    if (update.blockCount != qx::kFirmwareBlocks) {
      state.SkipWithError("the image did not decode to 1025 blocks");
      return;
    }
    int ticks = 0;
    while (program.link.firmwareTransferActive && ticks < 200000) {
      qx::connectionStep(program.com, program.device, link, false, nullptr);
      qx::firmwareUpdateStep(update, link);
      ++ticks;
      clock.sleepMs(tickMs);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    clock.sleepMs(100);
    if (qx::readWholeFile(dir.file("received.bin")).value_or(qx::Bytes{}) != image)
      state.SkipWithError("the unit's image differs from the file");
    state.counters["upload_s"] = seconds;
    state.counters["line_bound_s"] = kLineBoundSeconds;
    state.counters["ms_per_block"] = seconds * 1000.0 / qx::kFirmwareBlocks;
    state.counters["ticks"] = ticks;
  }
}
BENCHMARK(BM_FullFirmwareUpload)
    ->ArgName("com_timer_ms")
    ->Arg(100)
    ->Arg(5)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
