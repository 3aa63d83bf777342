#include "core/app/ProgramSettingsFile.h"

#include <cmath>

#include "core/app/Program.h"
#include "core/ports/Requesters.h"
#include "core/util/Files.h"
#include "core/util/LineReader.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr int kGeometrySlots = static_cast<int>(StoredWindow::Count);
// Positions and sizes a window may be given from the file.
constexpr int kPositionLimit = 10000;
constexpr int kMinWindowSize = 50;
constexpr int kMaxWindowSize = 10000;
constexpr std::size_t kPrintTextLength = 100;
// The file is a few hundred bytes; a file far beyond that is not read whole.
constexpr std::size_t kReadLimit = 64 * 1024;

void appendInt(Bytes& out, std::int32_t v) {
  appendLe32(out, static_cast<std::uint32_t>(v));
}
void appendFlag(Bytes& out, bool b) {
  appendInt(out, b ? 1 : 0);
}

// Text for a single file line: control characters would break the line, they become blanks.
std::string oneLine(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return out;
}

// The first line of a foreign settings file as the message names it: as it stands, except
// that control characters (a binary file) become blanks and a line beyond any version name
// (some other file altogether) is cut at 1000 characters.
std::string versionForMessage(const std::string& line) {
  constexpr std::size_t kLongestShown = 1000;
  return oneLine(utf8Left(line, kLongestShown));
}

// Reads the fields in file order; after the first field the file does not hold, nothing more
// is taken, so every later field keeps its default.
class FieldReader {
 public:
  explicit FieldReader(LineReader& in) : in_(in) {}

  void integer(std::int32_t& field, std::int32_t lo, std::int32_t hi) {
    std::int32_t v = 0;
    if (take(in_.int32(v))) field = clampTo(v, lo, hi);
  }
  void flag(bool& field) {
    std::int32_t v = 0;
    if (take(in_.int32(v))) field = v >= 1;
  }
  void real(float& field, float lo, float hi) {
    float v = 0;
    if (take(in_.float32(v)) && !std::isnan(v)) field = clampTo(v, lo, hi);
  }
  void text16(std::string& field) {
    if (take(!in_.atEnd())) field = utf8Left(in_.utf16Line(), kPrintTextLength);
  }
  void text8(std::string& field) {
    if (take(!in_.atEnd())) field = in_.utf8Line();
  }
  void geometry(WindowGeometry& g) {
    std::int32_t v[4] = {};
    for (auto& x : v)
      if (!take(in_.int32(x))) return;
    g.x = clampTo(v[0], -kPositionLimit, kPositionLimit);
    g.y = clampTo(v[1], -kPositionLimit, kPositionLimit);
    g.width = clampTo(v[2], kMinWindowSize, kMaxWindowSize);
    g.height = clampTo(v[3], kMinWindowSize, kMaxWindowSize);
    g.known = true;
  }
  bool ok() const { return ok_; }

 private:
  bool take(bool available) {
    ok_ = ok_ && available;
    return ok_;
  }
  LineReader& in_;
  bool ok_ = true;
};

void readFields(FieldReader& r, ProgramSettings& s) {
  for (auto& g : s.windows) r.geometry(g);
  r.integer(s.tachoMaxRpm, 4000, 16000);
  r.integer(s.speedDisplayRounding, 1, 500);
  for (float& mv : s.lambdaThresholdsMv) r.real(mv, 0.0f, 1500.0f);
  r.flag(s.showLearningLimits);
  r.flag(s.sliderDisplays);
  r.integer(s.loggerTimerMs, 100, 2000);
  r.integer(s.comTimerMs, 5, 500);
  r.integer(s.maxLogRecords, 100, 9999999);
  r.integer(s.mapCeilingUs, 200, 60000);
  s.mapCeilingUs -= s.mapCeilingUs % 200;  // the map editor moves it in steps of 200
  r.integer(s.injectionWarnPercent, 75, 100);
  r.flag(s.recordMessages);
  r.integer(s.powerDataInterval, 1, 10);
  r.integer(s.powerMinRpm, 50, 2000);
  r.text16(s.printText);
  r.text8(s.comPort);
  r.flag(s.openComAtStart);
  r.flag(s.readSetupAfterIdentify);
  r.integer(s.injectorFlowMlMin, 10, 1000);
  r.integer(s.injectorEstimateMaxRpm, 100, 16000);
  r.integer(s.cylinderVolumeCcm, 10, 2000);
  r.integer(s.volumetricEfficiencyPercent, 1, 300);
  r.integer(s.maxInjectorDutyPercent, 1, 100);
  r.integer(s.coilEstimateMaxRpm, 100, 16000);
  r.real(s.coilSupplyVolts, 1.0f, 24.0f);
  r.real(s.coilResistanceOhm, 0.1f, 1000.0f);
  r.real(s.coilInductanceMh, 0.1f, 1000.0f);
  for (auto&& show : s.bigDisplayLambda) r.flag(show);
  r.integer(s.sensorErrorMinRpm, 0, 16000);
}
}  // namespace

WindowGeometry defaultGeometry(StoredWindow slot) {
  const WindowSpec& spec = windowSpec(storedWindowId(slot));
  return WindowGeometry{100, 100, spec.innerWidth, spec.innerHeight, false};
}

std::string settingsFilePath(const AppInfo& info) {
  return info.programDirectory + info.programName + ".cfg";
}

Bytes encodeProgramSettings(const ProgramSettings& s, const std::string& version) {
  Bytes out;
  appendText(out, version + "\r\n");
  for (int i = 0; i < kGeometrySlots; ++i) {
    const auto slot = static_cast<StoredWindow>(i);
    const WindowGeometry& known = s.windows[static_cast<std::size_t>(i)];
    const WindowGeometry g = known.known ? known : defaultGeometry(slot);
    for (int v : {g.x, g.y, g.width, g.height}) appendInt(out, v);
  }
  appendInt(out, s.tachoMaxRpm);
  appendInt(out, s.speedDisplayRounding);
  for (float mv : s.lambdaThresholdsMv) appendLeFloat(out, mv);
  appendFlag(out, s.showLearningLimits);
  appendFlag(out, s.sliderDisplays);
  for (std::int32_t v :
       {s.loggerTimerMs, s.comTimerMs, s.maxLogRecords, s.mapCeilingUs, s.injectionWarnPercent})
    appendInt(out, v);
  appendFlag(out, s.recordMessages);
  appendInt(out, s.powerDataInterval);
  appendInt(out, s.powerMinRpm);
  const Bytes printLine = utf8ToUtf16le(oneLine(s.printText) + "\r\n");
  out.insert(out.end(), printLine.begin(), printLine.end());
  appendText(out, oneLine(s.comPort) + "\r\n");
  appendFlag(out, s.openComAtStart);
  appendFlag(out, s.readSetupAfterIdentify);
  for (std::int32_t v :
       {s.injectorFlowMlMin, s.injectorEstimateMaxRpm, s.cylinderVolumeCcm,
        s.volumetricEfficiencyPercent, s.maxInjectorDutyPercent, s.coilEstimateMaxRpm})
    appendInt(out, v);
  for (float v : {s.coilSupplyVolts, s.coilResistanceOhm, s.coilInductanceMh})
    appendLeFloat(out, v);
  for (bool show : s.bigDisplayLambda) appendFlag(out, show);
  appendInt(out, s.sensorErrorMinRpm);
  return out;
}

SettingsFileRead decodeProgramSettings(std::span<const std::uint8_t> file,
                                       const std::string& version, ProgramSettings& settings) {
  SettingsFileRead result;
  LineReader in(file);
  result.versionLine = in.utf8Line();
  result.versionMatches = result.versionLine == version;
  if (!result.versionMatches) return result;
  FieldReader reader(in);
  readFields(reader, settings);
  result.complete = reader.ok();
  return result;
}

void sizeLogTable(Program& program, Requesters& requesters) {
  const std::int32_t requested = program.settings.maxLogRecords;
  if (program.logTable.sizeFor(requested)) return;
  program.settings.maxLogRecords = ProgramSettings{}.maxLogRecords;
  program.logTable.sizeFor(program.settings.maxLogRecords);
  requesters.message(
      "Achtung",
      "Die eingelesenen Voreinstellungen beinhalten eine max. Feldanzahl für den Logger.\rEs "
      "steht nicht genügend Arbeitsspeicher für die Datenfeldgröße (" +
          intText(static_cast<long long>(requested) * LogTable::kBytesPerRecord) +
          ") zur Verfügung.\r\rGgf. ist der Arbeitsspeicher zu klein.\r\r\rDie Feldanzahl wird "
          "auf den Standardwert gesetzt");
  program.reportStatus("Logdatei zu groß gefordert. Standard verwendet");
}

void loadProgramSettings(Program& program, Requesters& requesters) {
  const AppInfo& info = program.info;
  program.settings = ProgramSettings{};
  program.setup.record = SetupRecord{};
  program.setup.file.folder = info.programDirectory;
  program.showSetup();

  const auto file = readFileStart(settingsFilePath(info), kReadLimit);
  if (!file) {
    requesters.message(info.programName,
                       "Keine Einstellungsdatei im Programmverzeichnis gefunden.\r\r"
                       "Standardeinstellungen werden verwendet.");
    program.reportStatus(
        "Einstellungsdatei nicht gefunden. Standardeinstellungen werden verwendet");
  } else {
    ProgramSettings read = program.settings;
    const SettingsFileRead result = decodeProgramSettings(*file, info.version, read);
    if (!result.versionMatches) {
      requesters.message(info.programName,
                         "Die Einstellungsdatei (für " + versionForMessage(result.versionLine) +
                             ") im Programmverzeichnis\rpasst nicht zu dieser Programmersion (" +
                             info.programName + info.version +
                             ").\r\rStandardeinstellungen werden verwendet.");
      program.reportStatus(
          "Einstellungsdfatei: falscher Typ. Standardeinstellungen werden verwendet");
    } else {
      program.settings = read;
      program.reportStatus("");
      program.reportStatus("ORK " + info.programName + info.version + " gestartet");
      program.reportStatus("ORK Einstellungsdatei gelesen");
    }
  }
  // Sized in every case, also with the defaults: the logger must always find its table.
  sizeLogTable(program, requesters);
}

void saveProgramSettings(Program& program, Requesters& requesters) {
  const Bytes content = encodeProgramSettings(program.settings, program.info.version);
  if (!writeFileAtomically(settingsFilePath(program.info), content)) {
    requesters.message("Info",
                       " Einstellungsdatei konnte im Programmverzeichnis nicht geschrieben "
                       "werden.");
    program.reportStatus("Einstellungsdatei konnte nicht geschrieben werden");
    return;
  }
  program.reportStatus("Einstellungsdatei geschrieben");
}

PortChoice portChoiceAtStart(const ProgramSettings& settings,
                             const std::vector<std::string>& portList) {
  PortChoice choice;
  if (settings.comPort.empty()) return choice;
  for (std::size_t i = 0; i < portList.size(); ++i) {
    if (portList[i] == settings.comPort) {
      choice.entry = i;
      choice.tickCom = settings.openComAtStart;
      break;
    }
  }
  return choice;
}

}  // namespace qx
