#include "core/logger/Logger.h"

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/DeviceInfo.h"
#include "core/link/LinkFlags.h"
#include "core/link/VitalData.h"
#include "core/logger/LogFormat.h"
#include "core/ports/FolderRequester.h"
#include "core/ports/LoggerTimer.h"
#include "core/ports/Requesters.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr std::int64_t kMinRecordMaximum = 100;
constexpr std::int64_t kMaxRecordMaximum = 9999999;
// Records gathered before one write while saving.
constexpr int kSaveBatch = 4096;

void refuseCreation(LoggerPorts& ports) {
  ports.requesters.message(
      kLoggerTitle, "\rLogdatei konnte nicht angelegt werden.\r\rLoggen/Sichern nicht möglich.");
  ports.messages.reportStatus("Log-Datei konnte nicht angelegt werden");
}

// The refusals before a file is made: empty folder or empty file name.
bool targetValid(const LoggerState& state, LoggerPorts& ports) {
  if (state.path.empty()) {
    ports.requesters.message(kLoggerTitle,
                             "\rDer Logdateipfad ist ungültig.\r\rLoggen/Sichern nicht möglich.");
    ports.messages.reportStatus("Log-Dateipfad ungültig");
    return false;
  }
  if (state.fileName.empty()) {
    ports.requesters.message(kLoggerTitle,
                             "\rDer Logdateiname ist ungültig.\r\rLoggen/Sichern nicht möglich.");
    ports.messages.reportStatus("Log-Dateiname ungültig");
    return false;
  }
  return true;
}

// The file exists: show folder and name, take date, time and the unit's versions, and give
// the header for them.
std::string beginLog(LoggerState& state, const DeviceInfo& device, LoggerPorts& ports) {
  state.shown.path = shortenedLogPath(state.path);
  state.shown.fileName = state.fileName;
  const LocalDateTime now = ports.clock.now();
  state.logDate = now;
  state.logTime = now;
  state.shown.date = logDateText(now);
  state.shown.time = logTimeText(now);
  state.logHardware = deviceTextForLog(device.hardware);
  state.logSoftware = deviceTextForLog(device.software);
  state.shown.hardware = state.logHardware;
  state.shown.software = state.logSoftware;
  return logHeader({state.fileName, now, state.logHardware, state.logSoftware, state.comment});
}

// The header is out: the clock starts and the logger timer runs.
void armRecording(LoggerState& state, const ProgramSettings& settings, LoggerPorts& ports) {
  state.startValueMs = ports.clock.elapsedMs();
  ports.timer.start(settings.loggerTimerMs);
  ports.messages.reportStatus("Logger-Datei " + state.fileName + " angelegt");
}

void endRecording(LoggerState& state, LoggerPorts& ports) {
  ports.timer.stop();
  state.logging = false;
  state.file.close();
}

std::string countText(std::int64_t n, std::int64_t capacity) {
  return intText(n) + " / " + intText(capacity);
}
}  // namespace

void showLogCapacity(LoggerState& state, const LogTable& table) {
  state.shown.progressMaximum = table.capacity();
}

void setLogPath(LoggerState& state, const std::string& folder) {
  state.path = folder;
  if (!state.path.empty() && state.path.back() != '/') state.path.push_back('/');
  state.shown.path = shortenedLogPath(state.path);
}

const std::string& setLogComment(LoggerState& state, const std::string& text) {
  state.comment = utf8Left(text, kMaxCommentCharacters);
  return state.comment;
}

LogRecord recordFromVitalData(const VitalData& v, std::int64_t msSinceStart) {
  LogRecord r{};
  r[0] = static_cast<float>(msSinceStart);
  r[1] = static_cast<float>(v.engineSpeedClamped);
  r[2] = static_cast<float>(v.throttlePercent);
  r[3] = static_cast<float>(v.engineTemp);
  r[4] = static_cast<float>(v.airTemp);
  for (int k = 0; k < 3; ++k) r[5 + k] = static_cast<float>(v.lambdaMv[k] / 1000.0);
  r[8] = static_cast<float>(v.output1);
  r[9] = static_cast<float>(v.output2);
  r[10] = static_cast<float>(v.input1);
  r[11] = static_cast<float>(v.input2);
  r[12] = static_cast<float>(v.input3);
  r[13] = static_cast<float>(v.ignitionAngleRaw - 50);
  r[14] = static_cast<float>(v.injectionTimeUs);
  return r;
}

void writeLogRecord(LoggerState& state, LogTable& table, const VitalData& vital,
                    const LinkFlags& link, LoggerPorts& ports) {
  if (!state.logging || link.firmwareTransferActive) return;
  if (table.recordCounter < table.capacity()) {
    const int n = ++table.recordCounter;
    table.storeRecord(n, recordFromVitalData(vital, ports.clock.elapsedMs() - state.startValueMs));
    if (state.file.isOpen()) {
      std::string line;
      appendRecordLine(line, table.row(n));
      if (!state.file.write(line)) {
        // The disk refuses (full, gone): recording ends, the records taken stay in the table.
        endRecording(state, ports);
        refuseCreation(ports);
        ports.screen.redrawViewer();
      }
    }
    state.shown.dataPoint = countText(n, table.capacity());
  } else {
    endRecording(state, ports);
    table.cursor = 1;
    ports.screen.redrawViewer();
    ports.messages.reportStatus("Logger-Datei geschlossen");
  }
  state.shown.progress = table.recordCounter;
  ports.screen.showTexts();
}

void startLogging(LoggerState& state, LogTable& table, const DeviceInfo& device,
                  const ProgramSettings& settings, LoggerPorts& ports) {
  if (state.logging) return;
  table.recordCounter = 0;
  state.fileName = logFileName(ports.clock.now());
  if (!targetValid(state, ports)) return;
  if (!state.file.create(state.path + state.fileName)) {
    refuseCreation(ports);
    return;
  }
  if (!state.file.write(beginLog(state, device, ports))) {
    state.file.close();
    refuseCreation(ports);
    ports.screen.showTexts();
    return;
  }
  state.logging = true;
  armRecording(state, settings, ports);
  ports.screen.showTexts();
}

void stopLogging(LoggerState& state, LoggerPorts& ports) {
  if (!state.logging) return;
  endRecording(state, ports);
  ports.screen.redrawViewer();
}

void saveLog(LoggerState& state, const LogTable& table, const DeviceInfo& device,
             const ProgramSettings& settings, LoggerPorts& ports) {
  if (state.logging || !targetValid(state, ports)) return;
  AtomicFileWriter out(state.path + state.fileName);
  if (!out.opened()) {
    refuseCreation(ports);
    return;
  }
  out.write(beginLog(state, device, ports));
  std::string batch;
  for (int n = 1; n <= table.count(); ++n) {
    appendRecordLine(batch, table.row(n));
    if (n % kSaveBatch == 0) {
      out.write(batch);
      batch.clear();
    }
  }
  out.write(batch);
  ports.screen.showTexts();
  if (!out.commit()) {
    refuseCreation(ports);
    return;
  }
  // As after making a recording file, the logger timer runs; its ticks do nothing while
  // logging is off.
  armRecording(state, settings, ports);
  ports.messages.reportStatus("Logger-Datei " + state.fileName + " gesichert");
}

void chooseLogFolder(LoggerState& state, FolderRequester& folders, LoggerScreen& screen) {
  if (state.logging) return;
  const auto folder = folders.chooseFolder("Log-Datei-Pfad wählen", state.path);
  if (!folder || folder->empty()) return;
  setLogPath(state, *folder);
  screen.showTexts();
}

std::int64_t changeLogCapacity(LoggerState& state, LogTable& table, ProgramSettings& settings,
                               std::int64_t requested, LoggerPorts& ports) {
  requested = clampTo(requested, kMinRecordMaximum, kMaxRecordMaximum);
  if (!table.sizeFor(requested)) {
    ports.requesters.message(kLoggerTitle,
                             " Das Datenfeld konnte in dieser Größe nicht angelegt werden.\r\rGgf. "
                             "ist der Arbeitsspeicher zu klein.\r\r\rEs wird die vorherige Größe "
                             "benutzt.");
    ports.messages.reportStatus("Loggerdateigröße nicht vorhanden. Standardgröße verwendet");
    settings.maxLogRecords = static_cast<std::int32_t>(table.capacity());
    return table.capacity();
  }
  settings.maxLogRecords = static_cast<std::int32_t>(table.capacity());
  table.cursor = 1;
  state.shown.progressMaximum = table.capacity();
  state.shown.dataPoint = countText(1, table.capacity());
  ports.screen.showTexts();
  ports.screen.redrawViewer();
  return table.capacity();
}

}  // namespace qx
