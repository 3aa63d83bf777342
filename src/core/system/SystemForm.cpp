#include "core/system/SystemForm.h"

#include <array>
#include <cstdint>
#include <stdexcept>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/Commands.h"
#include "core/link/SerialLink.h"
#include "core/logger/LogTable.h"
#include "core/ports/Requesters.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {

using F = SystemField;
using Fr = SystemFrame;

constexpr std::array<SystemFrameInfo, 7> kFrames{{
    {Fr::BigDisplay, "Grossbild", 10, 10, 280, 245},
    {Fr::Firmware, "Firmware", 300, 10, 290, 195},
    {Fr::Map, "Kennfeld", 300, 205, 290, 50},
    {Fr::Logger, "Logger", 10, 255, 280, 115},
    {Fr::General, "ORK allgemein", 300, 255, 290, 115},
    {Fr::Power, "Leistungsmessung", 10, 370, 580, 75},
    {Fr::WindowReset, "Fensterposition rücksetzten", 10, 445, 580, 75},
}};

constexpr std::array<SystemFieldInfo, kSystemFieldCount> kFields{{
    {F::InjectionWarnPercent, Fr::Map, "Warngrenze Einspritzrate [% 1 Umdr.]:",
     "Im Kennfeld wird oberhalb dieser Düsenöffnungsrate rot gezeichnet"},
    {F::ComTimer, Fr::General,
     "COM-Timer:", "Wert für den Rhythmus der COM-verbindung (klein=schnell)"},
    {F::PowerDataInterval, Fr::Power, "Auflösung Datenintervall:",
     "Rhythmus der datenaufzeichnung in Beztug auf den COM-Timer (klein=schnell)"},
    {F::PowerMinRpm, Fr::Power,
     "Mindestdrehzahl [Umin]:", "Unterhalb dieser Drhezahl wird nicht ausgewertet"},
    {F::PrintText, Fr::Power,
     "Individualtext auf Ausdruck:", "Textzusatz auf Ausdruck des leistungsvergleiches"},
    {F::SensorErrorMinRpm, Fr::BigDisplay, "Min.-Drehzahl für Sensorfehler [Umin]:", ""},
    {F::LoggerTimer, Fr::Logger, "Logger-Timer [ms]", "Rhythmus des Aufzeichnens"},
    {F::MaxLogRecords, Fr::Logger, "max. Anzahl Datensätze ",
     "Vorgabe der max. Datensätze für eine Aufzeichnung"},
    {F::TachoMax, Fr::BigDisplay, "Drehzahlmesser Max.-Wert [Umin]:",
     "Ab dieser Motordrehzahl wird die Drehzahl in ROT angezeigt."},
    {F::SpeedRounding, Fr::BigDisplay, "Drehzahlanzeige runden [Umin]:", ""},
    {F::LambdaVeryRich, Fr::BigDisplay, "sehr fett (++)",
     "oberhalb dieser Lambdaspannung wird im Grossbild ein '++' angezeigt."},
    {F::LambdaRich, Fr::BigDisplay, "fett (+)",
     "oberhalb dieser Lambdaspannung wird im Grossbild ein '+' angezeigt."},
    {F::LambdaLean, Fr::BigDisplay, "mager (-)",
     "unterhalb dieser Lambdaspannung wird im Grossbild ein '-' angezeigt."},
    {F::LambdaVeryLean, Fr::BigDisplay, "sehr mager (--)",
     "unterhalb dieser Lambdaspannung wird im Grossbild ein '--' angezeigt."},
}};

using C = SystemCheck;
constexpr std::array<SystemCheckInfo, static_cast<int>(C::Count)> kChecks{{
    {C::Lambda1, Fr::BigDisplay, "Lambda 1", "Lambdaspannung 1 in Grossbild anzeigen", true},
    {C::Lambda2, Fr::BigDisplay, "Lambda 2", "Lambdaspannung 2 in Grossbild anzeigen", true},
    {C::Lambda3, Fr::BigDisplay, "Lambda 3", "Lambdaspannung 3 in Grossbild anzeigen", true},
    {C::ShowLearningLimits, Fr::BigDisplay, "Lern-Modus: Grenzen anzeigen",
     "Die Grenzen für den aktiven Lern-Modus werden angezeigt", true},
    {C::SliderDisplays, Fr::BigDisplay, "Schiebeanzeigen aktivieren",
     "Schiebeanzeigen werden aktiviert", false},
    {C::OpenComAtStart, Fr::General, "COM beim Start aktivieren",
     "letzter bekannter COM-port wird automatisch eingeschaltet", false},
    {C::ReadSetupAfterIdentify, Fr::General, "Setup automatisch von ORK einlesen",
     "Setup aus ORK wird eingelesen, sobald ORK identifiziert wurde", false},
    {C::RecordMessages, Fr::General, "ORK Meldungen mitschreiben",
     "Meldungen der Quarnelix werden in einer *.txt-Datei mitgeschrieben", false},
}};

constexpr const char* kCentredOnMain = "Setzt Fenster mittig zum Hauptfenster";
constexpr std::array<WindowResetButton, 9> kResetButtons{{
    {WindowId::Main, "Hauptfenster", "Setzt Fenster mittig zum Hautbildschirm"},
    {WindowId::BigDisplay, "Grossbild", "Setzt Fenster mittig zum Hauptfenster und Standardgrösse"},
    {WindowId::Logger, "Logger", kCentredOnMain},
    {WindowId::Power, "Leistungsvergleich", kCentredOnMain},
    {WindowId::Learning, "Lernmodus", kCentredOnMain},
    {WindowId::Settings, "Einstellungen", kCentredOnMain},
    {WindowId::Test, "Test", kCentredOnMain},
    {WindowId::System, "System", kCentredOnMain},
    {WindowId::LambdaLogger, "Lambdalogger", kCentredOnMain},
}};

constexpr int kMaxPrintTextChars = 100;

// A whole number cut to a multiple of `step` (toward zero), then clamped.
std::int32_t stepped(std::string_view typed, long long step, long long lo, long long hi) {
  return static_cast<std::int32_t>(clampTo(integerReading(typed) / step * step, lo, hi));
}
std::int32_t whole(std::string_view typed, long long lo, long long hi) {
  return stepped(typed, 1, lo, hi);
}

int lambdaIndex(SystemField field) {
  return static_cast<int>(field) - static_cast<int>(F::LambdaVeryRich);
}
bool isLambda(SystemField field) {
  return lambdaIndex(field) >= 0 && lambdaIndex(field) < 4;
}

std::string volts(float mv) {
  return fixedText(static_cast<double>(mv) / 1000.0, 2);
}

void takeLambda(ProgramSettings& s, SystemField field, std::string_view typed) {
  float& mv = s.lambdaThresholdsMv[static_cast<std::size_t>(lambdaIndex(field))];
  // A text that still shows the stored value keeps it: every field is taken over on each
  // Return, and a value off the 10 mV grid (from the settings file) must not drift then.
  if (mv >= 0.0f && mv <= 1500.0f && typed == volts(mv)) return;
  const long long read = roundHalfAway(static_cast<double>(decimalReading(typed)) * 1000.0);
  mv = static_cast<float>(clampTo(read, 0LL, 1500LL));
}

std::string twoDigits(long long v) {
  std::string text = intText(v);
  if (text.size() < 2) text.insert(text.begin(), '0');
  return text;
}

}  // namespace

std::span<const SystemFrameInfo> systemFrames() {
  return kFrames;
}
std::span<const SystemFieldInfo> systemTextFields() {
  return kFields;
}

const SystemFieldInfo& systemFieldInfo(SystemField field) {
  for (const auto& f : kFields)
    if (f.id == field) return f;
  throw std::out_of_range("unknown system field");
}

std::string systemShownText(const ProgramSettings& s, SystemField field) {
  if (isLambda(field))
    return volts(s.lambdaThresholdsMv[static_cast<std::size_t>(lambdaIndex(field))]);
  switch (field) {
    case F::InjectionWarnPercent:
      return intText(s.injectionWarnPercent);
    case F::ComTimer:
      return intText(s.comTimerMs);
    case F::PowerDataInterval:
      return intText(s.powerDataInterval);
    case F::PowerMinRpm:
      return intText(s.powerMinRpm);
    case F::PrintText:
      return s.printText;
    case F::SensorErrorMinRpm:
      return intText(s.sensorErrorMinRpm);
    case F::LoggerTimer:
      return intText(s.loggerTimerMs);
    case F::MaxLogRecords:
      return intText(s.maxLogRecords);
    case F::TachoMax:
      return intText(s.tachoMaxRpm);
    case F::SpeedRounding:
      return intText(s.speedDisplayRounding);
    default:
      return {};
  }
}

void takeSystemText(ProgramSettings& s, SystemField field, std::string_view typed) {
  if (isLambda(field)) return takeLambda(s, field, typed);
  switch (field) {
    case F::InjectionWarnPercent:
      s.injectionWarnPercent = whole(typed, 75, 100);
      break;
    case F::ComTimer:
      s.comTimerMs = stepped(typed, 5, 5, 500);
      break;
    case F::PowerDataInterval:
      s.powerDataInterval = whole(typed, 1, 10);
      break;
    case F::PowerMinRpm:
      s.powerMinRpm = stepped(typed, 50, 50, 2000);
      break;
    case F::PrintText:
      s.printText = utf8Left(typed, kMaxPrintTextChars);
      break;
    case F::SensorErrorMinRpm:
      s.sensorErrorMinRpm = whole(typed, 0, 16000);
      break;
    case F::LoggerTimer:
      s.loggerTimerMs = stepped(typed, 100, 100, 2000);
      break;
    case F::MaxLogRecords:
      s.maxLogRecords = whole(typed, 100, 9999999);
      break;
    case F::TachoMax:
      s.tachoMaxRpm = stepped(typed, 100, 4000, 16000);
      break;
    case F::SpeedRounding:
      s.speedDisplayRounding = whole(typed, 1, 500);
      break;
    default:
      break;
  }
}

std::span<const SystemCheckInfo> systemChecks() {
  return kChecks;
}

bool systemChecked(const ProgramSettings& s, SystemCheck check) {
  switch (check) {
    case C::Lambda1:
      return s.bigDisplayLambda[0];
    case C::Lambda2:
      return s.bigDisplayLambda[1];
    case C::Lambda3:
      return s.bigDisplayLambda[2];
    case C::ShowLearningLimits:
      return s.showLearningLimits;
    case C::SliderDisplays:
      return s.sliderDisplays;
    case C::OpenComAtStart:
      return s.openComAtStart;
    case C::ReadSetupAfterIdentify:
      return s.readSetupAfterIdentify;
    case C::RecordMessages:
      return s.recordMessages;
    default:
      return false;
  }
}

void setSystemChecked(ProgramSettings& s, SystemCheck check, bool on) {
  switch (check) {
    case C::Lambda1:
      s.bigDisplayLambda[0] = on;
      break;
    case C::Lambda2:
      s.bigDisplayLambda[1] = on;
      break;
    case C::Lambda3:
      s.bigDisplayLambda[2] = on;
      break;
    case C::ShowLearningLimits:
      s.showLearningLimits = on;
      break;
    case C::SliderDisplays:
      s.sliderDisplays = on;
      break;
    case C::OpenComAtStart:
      s.openComAtStart = on;
      break;
    case C::ReadSetupAfterIdentify:
      s.readSetupAfterIdentify = on;
      break;
    case C::RecordMessages:
      s.recordMessages = on;
      break;
    default:
      break;
  }
}

std::span<const WindowResetButton> windowResetButtons() {
  return kResetButtons;
}

WindowResetSize windowResetSize(WindowId window) {
  const WindowSpec& spec = windowSpec(window);
  if (window == WindowId::Logger) return {920, spec.innerHeight};
  if (window == WindowId::BigDisplay) return {640, 480};
  return {spec.innerWidth, spec.innerHeight};
}

std::string maxLogTimeText(int records, int loggerTimerMs) {
  // A duration, not a time of day: hours go on counting past 24.
  const long long seconds = static_cast<long long>(records) * loggerTimerMs / 1000;
  return twoDigits(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
         twoDigits(seconds % 60);
}

std::string logFileSizeText(int records) {
  return intText(static_cast<long long>(records) * LogTable::kBytesPerRecord / 1000) + " kB";
}

bool lambdaThresholdsInOrder(const ProgramSettings& s) {
  const auto& t = s.lambdaThresholdsMv;
  return t[0] >= t[1] && t[1] >= t[2] && t[2] >= t[3];
}

std::string lambdaWarningText(const ProgramSettings& s) {
  return lambdaThresholdsInOrder(s) ? std::string() : "Lambdaanzeigewerte prüfen!";
}

SystemTakeOver takeOverSystemFields(ProgramSettings& settings,
                                    const LogCapacityChange& changeCapacity,
                                    const std::function<std::string(SystemField)>& typedText) {
  SystemTakeOver result;
  for (const SystemFieldInfo& field : kFields) {
    takeSystemText(settings, field.id, typedText(field.id));
    if (field.id != F::MaxLogRecords) continue;
    const std::int64_t requested = settings.maxLogRecords;
    const std::int64_t capacity = changeCapacity(requested);
    settings.maxLogRecords = static_cast<std::int32_t>(capacity);
    result.logTableResized = capacity == requested;
    result.logTableRefused = !result.logTableResized;
  }
  return result;
}

SystemTakeOver takeOverSystemFields(ProgramSettings& settings, LogTable& logTable,
                                    MessageLog& messages, Requesters& requesters,
                                    const std::function<std::string(SystemField)>& typedText) {
  const std::int32_t previousMaximum = settings.maxLogRecords;
  const auto sizeTable = [&](std::int64_t requested) -> std::int64_t {
    if (logTable.sizeFor(requested)) return requested;
    requesters.message("Achtung",
                       " Das Datenfeld konnte in dieser Größe nicht angelegt werden.\r\r"
                       "Ggf. ist der Arbeitsspeicher zu klein.\r\r\r"
                       "Es wird die vorherige Größe benutzt.");
    logTable.sizeFor(previousMaximum);
    messages.reportStatus("Loggerdateigröße nicht vorhanden. Standardgröße verwendet");
    return previousMaximum;
  };
  return takeOverSystemFields(settings, sizeTable, typedText);
}

void eraseUnitEeprom(SerialLink& link, const ProgramSettings& settings, Requesters& requesters,
                     const std::string& programName) {
  if (!link.allowed('X')) return;
  if (!requesters.askYesNo("Achtung !", "EEPROM in der ORK wird gelöscht !")) return;
  if (settings.readSetupAfterIdentify &&
      !requesters.askYesNo("Achtung !",
                           "Setup automatisch laden ist eingeschaltet.(siehe System)\rNach dem "
                           "Löschen des EEPROM wird die ORK einen Neustart ausführen\rund das "
                           "gelöschte Setup in die " +
                               programName + " laden."))
    return;
  link.send('X', {Param::byte(kExpertEraseEeprom)});
  link.messages().reportStatus("EEPROM loeschen");
}

}  // namespace qx
