// The program's side of every unit exchange on any answer: "I", "D", "A", "P", "G", "L",
// "B" and the boot loader's bytes. The first input byte chooses the exchange, the rest is
// what the unit puts on the line after the command. No exchange may read past the reply,
// hang, or take values out of their range.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/firmware/FirmwareUpdate.h"
#include "core/lambda/LambdaLogger.h"
#include "core/link/Connection.h"
#include "core/link/DeviceInfo.h"
#include "core/link/ExpertData.h"
#include "core/link/LinkFlags.h"
#include "core/link/LiveData.h"
#include "core/link/SerialLink.h"
#include "core/link/SetupTransfer.h"
#include "core/link/VitalData.h"
#include "core/setup/SetupImage.h"
#include "core/setup/SetupState.h"
#include "support/Fakes.h"
#include "support/ScriptedPort.h"

using namespace qx;
using qx::test::ManualClock;
using qx::test::ScriptedPort;
using qx::test::ScriptedRequesters;

namespace {
struct Line {
  explicit Line(std::span<const std::uint8_t> answer) {
    flags.portOpen = flags.unitIdentified = true;
    port.open("fuzz", kWorkingBuffers);
    // The whole answer arrives once the first byte has gone out.
    port.onWrite = [this, answer](std::uint8_t) {
      if (answered) return;
      answered = true;
      port.arrive(std::vector<std::uint8_t>(answer.begin(), answer.end()), 1);
    };
  }
  ManualClock clock;
  LinkFlags flags;
  ProgramSettings settings;
  MessageLog messages{flags, settings, clock};
  ScriptedPort port{clock};
  SerialLink link{flags, messages, clock, port};
  bool answered = false;
};

void identifyUnit(Line& line) {
  ComControls com;
  com.ports = {"fuzz"};
  com.selected = 0;
  com.checked = com.lastChecked = true;
  line.flags.unitIdentified = false;
  DeviceInfo device;
  connectionStep(com, device, line.link, false, [] {});
  FUZZ_CHECK(device.device.size() <= 12 && device.hardware.size() <= 3);
  FUZZ_CHECK(device.software.size() <= 3 && device.bootLoader.size() <= 3);
  FUZZ_CHECK(device.restartCount >= 0 && device.restartCount <= 0xFFFF);
}

void readSetup(Line& line, std::span<const std::uint8_t> answer) {
  const auto unit = readUnitSetup(SetupRecord{}, line.link);
  if (unit) {
    // A complete reply: the setup is the image after the echo, byte for byte.
    FUZZ_CHECK(answer.size() >= kSetupImageSize + 1 && answer[0] == 'l');
    const Bytes image = encodeSetupImage(*unit);
    FUZZ_CHECK(std::equal(image.begin(), image.end(), answer.begin() + 1));
  }
  Line again(answer);
  SetupState setup;
  ScriptedRequesters requesters;
  readSetupFromUnit(setup, again.link, requesters);
}

void bootLoader(Line& line, std::span<const std::uint8_t> answer) {
  FirmwareUpdate update;
  update.blockCount = 1 + static_cast<int>(answer.size() % kFirmwareBlocks);
  line.flags.firmwareTransferActive = true;
  for (std::size_t tick = 0; tick <= answer.size() + 1; ++tick) {
    firmwareUpdateStep(update, line.link);
    FUZZ_CHECK(update.currentBlock >= 0 && update.currentBlock <= update.blockCount);
    FUZZ_CHECK(update.progressValue >= 0 && update.progressValue <= update.blockCount);
    if (!line.flags.firmwareTransferActive) break;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::span<const std::uint8_t> answer(data + 1, size - 1);
  Line line(answer);
  switch (data[0] % 8) {
    case 0:
      identifyUnit(line);
      break;
    case 1: {
      VitalData vital;
      if (requestVitalData(line.link, vital))
        FUZZ_CHECK(vital.engineSpeedClamped <= kMaxComputedSpeed);
      break;
    }
    case 2: {
      SensorVoltages volts;
      if (requestSensorVoltages(line.link, volts))
        for (double v : volts.volts) FUZZ_CHECK(v >= 0.0 && v < 32.0);
      break;
    }
    case 3: {
      ControlValues control;
      requestControlValues(line.link, control);
      break;
    }
    case 4: {
      SetupRecord setup;
      const SetupRecord before = setup;
      if (!fetchLearnedMap(line.link, setup)) FUZZ_CHECK(setup == before);
      break;
    }
    case 5:
      readSetup(line, answer);
      break;
    case 6: {
      LambdaTable table;
      SetupRecord setup;
      if (readUnitLambdaLog(table, setup, line.link, LambdaLogMemory::Ram))
        for (int c : table.cells) FUZZ_CHECK(c >= 0 && c <= 0xFFFF);
      break;
    }
    default:
      bootLoader(line, answer);
      break;
  }
  // Whatever came, the link never read more bytes than arrived.
  FUZZ_CHECK(line.port.bytesAvailable() <= answer.size());
  return 0;
}
