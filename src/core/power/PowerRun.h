#pragma once
// The power measurement's state: the samples of a run (run table), the evaluated curves of
// the current run and of two comparison files, the run inputs, the window's display options
// and cursor, and the file texts. Also the run itself: start, stop, the COM-tick bookkeeping
// and the sample the live data takes.

#include <array>
#include <cstdint>
#include <string>

namespace qx {

struct VitalData;
class Clock;

inline constexpr int kRunRows = 700;
inline constexpr int kPowerBins = 320;
inline constexpr int kBinRpm = 50;
inline constexpr std::int64_t kMaxRunMs = 60000;
// Engine speeds up to this are recorded as 0.
inline constexpr int kLowestRecordedRpm = 300;

// Columns of the run table.
inline constexpr int kRunTime = 1;       // ms since the run's first sample
inline constexpr int kRunSpeed = 2;      // engine speed, 1/min
inline constexpr int kRunRoadSpeed = 3;  // linear: vehicle speed m/s; rotatorisch: roller rev/s
inline constexpr int kRunTorque = 4;     // Nm at the crankshaft
inline constexpr int kRunPower = 5;      // kW
// Rows 0..700 of columns 0..5: row 0 stays 0 (the predecessor of row 1), column 0 is unused.
using RunTable = std::array<std::array<float, 6>, kRunRows + 1>;

// Columns of a power curve.
inline constexpr int kBinSpeed = 1;   // 50 * bin, or 0 when the bin is empty
inline constexpr int kBinTorque = 2;  // Nm
inline constexpr int kBinPower = 3;   // kW
// [curve 0..3][column 0..3][bin 0..320]: curve 1 is the current run, 2 and 3 comparison
// curves from files; index 0 is unused in every dimension.
using PowerCurve = std::array<std::array<float, kPowerBins + 1>, 4>;
using PowerCurves = std::array<PowerCurve, 4>;

enum class MeasuringSystem { Rotatorisch, Linear };
// What the diagram area shows: "Drehzahl" (speed over time) or "Messung" (power and torque).
enum class DisplayOption { Speed, Measurement };

// The "Umwelt", "Einstellungen", "Auswertung" and "Messsystem" inputs. Numbers are kept as
// typed and clamped (integers as whole values); a loaded file's numbers stand unclamped until
// the user confirms an input.
struct PowerInputs {
  double temperatureC = 25;
  double pressureHpa = 1013;
  double humidityPercent = 50;
  double weightKg = 1000;
  double ratio = 1.0;  // wheel revolutions per crankshaft revolution
  double wheelCm = 100;
  double rollerCm = 100;
  double inertia = 15;  // kgm^2
  double frontalArea = 2.5;
  double dragCoefficient = 0.35;
  MeasuringSystem system = MeasuringSystem::Rotatorisch;
  bool ewg = false;      // "EWG 80/1269"
  bool din = false;      // "DIN 70200"
  bool addDrag = false;  // "Add. Schlepp."
  std::string description;
};

// The "Anzeige Kurven" and "Messanzeige" choices, the cursor and the "Werte" texts.
struct PowerView {
  bool showPower = false;                                    // "Leistung [kW]"
  bool showTorque = false;                                   // "Drehmoment [Nm]"
  bool rawValues = false;                                    // "Rohwerte (akt. M.)"
  std::array<bool, 4> showCurve{false, true, false, false};  // "akt. Messung", "Kurve 2", "Kurve 3"
  DisplayOption display = DisplayOption::Measurement;
  int cursorRpm = 0;
  // "Werte": the cursor speed and, per curve 1..3, power and torque at the cursor.
  std::string cursorText = "0";
  std::array<std::string, 4> kwText{"", "0.0", "0.0", "0.0"};
  std::array<std::string, 4> nmText{"", "0.0", "0.0", "0.0"};
};

// "Messungs-Datei": where the current measurement was saved or loaded and its texts.
struct MeasurementFile {
  std::string folder;  // with a trailing '/', or empty for the program's folder
  std::string fileName;
  std::string date, time, hardware, software;
};

// "Geladene Kurven": the texts of a comparison curve as loaded.
struct ComparisonCurve {
  std::string fileName, date, time, description;
  std::string system;      // "linear" or "rotatorisch" as stored
  std::string correction;  // "(keine Korr.)", "(EWG80/1269)" or "(DIN70200)"
  std::string drag;        // "(ignor. Schlepp.)" or "(Add. Schlepp.)"
};

// The progress bar and the remaining-time display of the "Messung" group.
struct RunProgress {
  int barMaximum = static_cast<int>(kMaxRunMs);
  long long barValue = 0;
  bool countdownShown = false;  // false: the display is plain grey
  long long remainingSeconds = 0;
};

struct PowerRun {
  static constexpr int kMaxSamples = kRunRows;
  RunTable table{};
  int samples = 0;
  bool recording = false;
  int decimation = 0;  // COM ticks since the last sample
  std::uint32_t firstStamp = 0;
  std::int64_t startMs = 0;  // the PC's clock at the start of the run
  RunProgress progress;

  PowerCurves curves{};
  PowerInputs inputs;
  PowerView view;
  MeasurementFile file;
  std::array<ComparisonCurve, 4> comparison;  // 2 and 3 are used
  // Counts calculations, loads and option changes: the window redraws when it moves.
  int revision = 0;
};

// One live sample during a run: every (interval + 1)-th sample is stored.
void samplePowerRun(PowerRun& run, const VitalData& v, int interval);

// "Start  (F11)": clears the samples and records from now on.
void startPowerRun(PowerRun& run, Clock& clock);
// "Stopp (F12)": ends the recording (if any) and calculates.
void stopPowerRun(PowerRun& run);

// Whether the COM tick has run bookkeeping to do.
bool powerRunCountdownActive(const PowerRun& run);
// The COM tick's bookkeeping while recording, before the live data: time and sample limits,
// progress bar and remaining seconds, and a calculation when the previous tick took a sample.
// Returns whether it calculated.
bool powerRunProgress(PowerRun& run, Clock& clock);

}  // namespace qx
