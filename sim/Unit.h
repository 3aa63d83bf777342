#pragma once
// The unit's side of the protocol: it takes the PC's bytes one at a time, knows how many
// parameter bytes follow each command letter, and answers with the unit's replies.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Engine.h"
#include "LambdaLogs.h"
#include "SimSetup.h"
#include "TestOutputs.h"

namespace orksim {

struct UnitState {
  SetupImage ram{};
  SetupImage eeprom{};
  int restartCount = 0;
  int calibration = 0x80;
  std::string device = "ORK-Sim     ";  // 12 characters, padding kept
  std::string hardware = "1.2";
  std::string software = "2.7";
  std::string bootLoader = "1.0";
  LambdaLogs lambda;
};

class Unit {
 public:
  Unit(UnitState& state, Engine& engine, std::FILE* trace);

  // One byte from the PC at `seconds` since the unit started. A complete command is
  // carried out; its reply (if any) is appended to `reply`.
  void receive(std::uint8_t byte, double seconds, std::vector<std::uint8_t>& reply);

  // Number of parameter bytes that follow a letter (the sub-command byte of "X" decides
  // the rest once it has arrived); -1 for a byte that is no command.
  static int parameterBytes(char letter);

  // Called when the unit's lasting memory changed (EEPROM written, restart counted).
  std::function<void()> onPersist;
  // Called when "U" asks the unit to enter its boot loader (at `seconds`).
  std::function<void(double)> onUpdateRequest;

  // A restart at `seconds`: the working setup comes back from the EEPROM, the test outputs
  // go off and the restart is counted.
  void restart(double seconds);

  const TestOutputs& testOutputs() const { return outputs_; }

 private:
  void execute(double seconds, std::vector<std::uint8_t>& reply);
  void traceCommand(double seconds);
  // A second trace line saying what a test command did ("= pump on").
  void traceEffect(double seconds, const std::string& effect);
  void setParameter(double seconds);
  void identification(std::vector<std::uint8_t>& reply) const;
  void writeCurvePoint(int offset);
  void vitalData(double seconds, std::vector<std::uint8_t>& reply);
  void sensorVoltages(double seconds, std::vector<std::uint8_t>& reply);
  void controlValues(double seconds, std::vector<std::uint8_t>& reply);

  UnitState& state_;
  Engine& engine_;
  std::FILE* trace_;
  TestOutputs outputs_;
  char command_ = 0;
  std::vector<std::uint8_t> params_;
  int expected_ = 0;
  double lastByteAt_ = 0;
};

}  // namespace orksim
