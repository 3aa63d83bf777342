#pragma once
// The rules of the system window: the program settings it edits, how each typed text is
// cut, rounded and clamped, the order in which the texts are taken over, the texts it
// computes, and the command that clears the unit's EEPROM. The window fills its fields
// from systemShownText and, on Return or when a field loses the focus, hands every typed
// text to takeOverSystemFields and shows every field again.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/app/Windows.h"

namespace qx {

class LogTable;
class MessageLog;
class Requesters;
class SerialLink;
struct ProgramSettings;

// The window's frames, with their titles and places inside the 600 x 530 scroll area.
enum class SystemFrame : int { BigDisplay, Firmware, Map, Logger, General, Power, WindowReset };
struct SystemFrameInfo {
  SystemFrame id;
  const char* title;
  int x, y, width, height;
};
std::span<const SystemFrameInfo> systemFrames();

// The text fields, in the order they are taken over.
enum class SystemField : int {
  InjectionWarnPercent,
  ComTimer,
  PowerDataInterval,
  PowerMinRpm,
  PrintText,
  SensorErrorMinRpm,
  LoggerTimer,
  MaxLogRecords,
  TachoMax,
  SpeedRounding,
  LambdaVeryRich,
  LambdaRich,
  LambdaLean,
  LambdaVeryLean,
  Count
};
inline constexpr int kSystemFieldCount = static_cast<int>(SystemField::Count);

struct SystemFieldInfo {
  SystemField id;
  SystemFrame frame;
  const char* label;
  const char* toolTip;  // may be empty
};
// Every text field in take-over order.
std::span<const SystemFieldInfo> systemTextFields();
const SystemFieldInfo& systemFieldInfo(SystemField field);

// The text a field shows for the stored value: whole numbers, the thresholds in volts with
// two decimals, the printout text as it is.
std::string systemShownText(const ProgramSettings& settings, SystemField field);

// Takes over one typed text: read, cut to its step, clamped, stored. The record maximum is
// only stored here; takeOverSystemFields also sizes the log table for it.
void takeSystemText(ProgramSettings& settings, SystemField field, std::string_view typed);

// The check boxes (set at once when clicked).
enum class SystemCheck : int {
  Lambda1,
  Lambda2,
  Lambda3,
  ShowLearningLimits,
  SliderDisplays,
  OpenComAtStart,
  ReadSetupAfterIdentify,
  RecordMessages,
  Count
};
struct SystemCheckInfo {
  SystemCheck id;
  SystemFrame frame;
  const char* label;
  const char* toolTip;
  bool refreshesBigDisplay;  // a click redraws the big display
};
std::span<const SystemCheckInfo> systemChecks();
bool systemChecked(const ProgramSettings& settings, SystemCheck check);
void setSystemChecked(ProgramSettings& settings, SystemCheck check, bool on);

// The buttons that put a window back to its standard size and place.
struct WindowResetButton {
  WindowId window;
  const char* label;
  const char* toolTip;
};
std::span<const WindowResetButton> windowResetButtons();

// The standard size of a window's content after a reset: every window its own content size
// (through its maximise handling), the logger 920 pixels wide, the big display 640 x 480 in
// the normal state. The window is then shown centred on the screen and hidden again if it
// was hidden before.
struct WindowResetSize {
  int width;
  int height;
};
WindowResetSize windowResetSize(WindowId window);

// The other buttons' labels and tool tips.
inline constexpr const char* kChooseFirmwareLabel = "firmware wählen";
inline constexpr const char* kChooseFirmwareToolTip = "Auswahl der zu übertragenden firmware-Datei";
inline constexpr const char* kUpdateToolTip = "Startet das firmware-update bzw. bricht es ab";
inline constexpr const char* kEraseEepromLabel = "EEPROM löschen";
inline constexpr const char* kEraseEepromToolTip = "Löscht das EEPROM in der ORK";

// Computed lines of the logger frame: the longest log as "%hh:%ii:%ss" and the file size.
std::string maxLogTimeText(int records, int loggerTimerMs);
std::string logFileSizeText(int records);

// The lambda thresholds are in order when "sehr fett" >= "fett" >= "mager" >= "sehr mager".
bool lambdaThresholdsInOrder(const ProgramSettings& settings);
// The warning under the lambda rows (shown in red), or empty.
std::string lambdaWarningText(const ProgramSettings& settings);

struct SystemTakeOver {
  // The log table was sized anew: the logger's cursor goes back to 1, its progress bar
  // and counter follow the new maximum and its view is redrawn.
  bool logTableResized = false;
  // The table could not be had at the new size; the previous maximum is back.
  bool logTableRefused = false;
};

// Takes over every text field in order (Return, the second shortcut, or a field that loses
// the focus). The log table is sized for the record maximum each time; when that fails the
// memory message is shown and the previous maximum is used again. The caller then shows
// every field, the log time, the file size and the lambda warning again and refreshes the
// big display.
SystemTakeOver takeOverSystemFields(ProgramSettings& settings, LogTable& logTable,
                                    MessageLog& messages, Requesters& requesters,
                                    const std::function<std::string(SystemField)>& typedText);

// The data logger's capacity change for a new record maximum: sizes the log table (keeping
// the records that fit, resetting the logger's cursor and its texts), shows the memory
// message on a refusal and returns the capacity in effect.
using LogCapacityChange = std::function<std::int64_t(std::int64_t requested)>;

// The same take-over with the logger's own capacity change: the record maximum becomes the
// capacity the logger reports back.
SystemTakeOver takeOverSystemFields(ProgramSettings& settings,
                                    const LogCapacityChange& changeCapacity,
                                    const std::function<std::string(SystemField)>& typedText);

// "EEPROM löschen": only with an identified unit and while no firmware goes over the line;
// asks once, and a second time when the setup is read automatically after identification,
// then sends "X" and 3.
void eraseUnitEeprom(SerialLink& link, const ProgramSettings& settings, Requesters& requesters,
                     const std::string& programName);

}  // namespace qx
