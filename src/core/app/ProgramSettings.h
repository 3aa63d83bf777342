#pragma once
// The program's own options with their defaults. They are kept in the settings file next
// to the program, read at start and written at exit.

#include <array>
#include <cstdint>
#include <string>

namespace qx {

struct WindowGeometry {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  // False until a geometry has been read from the settings file or taken from the window.
  bool known = false;
};

// The windows whose geometry the settings file keeps, in file order.
enum class StoredWindow : int {
  Main, BigDisplay, Logger, Power, Learning, Settings, Test, System, Expert, LambdaLogger, Count
};

struct ProgramSettings {
  std::array<WindowGeometry, static_cast<int>(StoredWindow::Count)> windows{};
  std::int32_t tachoMaxRpm = 8000;
  std::int32_t speedDisplayRounding = 1;
  // "sehr fett (++)", "fett (+)", "mager (-)", "sehr mager (--)" in mV.
  std::array<float, 4> lambdaThresholdsMv{800.0f, 600.0f, 400.0f, 200.0f};
  bool showLearningLimits = false;
  bool sliderDisplays = false;
  std::int32_t loggerTimerMs = 500;
  std::int32_t comTimerMs = 100;
  std::int32_t maxLogRecords = 3600;
  std::int32_t mapCeilingUs = 200;
  std::int32_t injectionWarnPercent = 85;
  bool recordMessages = false;
  std::int32_t powerDataInterval = 3;
  std::int32_t powerMinRpm = 500;
  std::string printText;  // UTF-8 in memory, UTF-16LE in the file
  std::string comPort;
  bool openComAtStart = false;
  bool readSetupAfterIdentify = false;
  std::int32_t injectorFlowMlMin = 200;
  std::int32_t injectorEstimateMaxRpm = 8000;
  std::int32_t cylinderVolumeCcm = 250;
  std::int32_t volumetricEfficiencyPercent = 70;
  std::int32_t maxInjectorDutyPercent = 85;
  std::int32_t coilEstimateMaxRpm = 8000;
  float coilSupplyVolts = 12.0f;
  float coilResistanceOhm = 3.5f;
  float coilInductanceMh = 12.5f;
  std::array<bool, 3> bigDisplayLambda{true, true, true};
  std::int32_t sensorErrorMinRpm = 1000;
};

}  // namespace qx
