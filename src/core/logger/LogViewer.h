#pragma once
// The log viewer of the logger window: fourteen channel strips over the records of the log
// table, a data-point cursor with the values at it, zoom and the position slider. The
// window forwards its events here and paints the drawing; every number, text and point is
// decided here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/draw/Drawing.h"
#include "core/logger/LogSummary.h"

namespace qx {

class LogTable;

enum class ChannelValueKind { Integer, Volts, OnOff, Injection };

struct LogChannel {
  const char* name;              // the check box's text
  int column;                    // in the log table
  int smallHeight, largeHeight;  // strip height unchecked / checked
  ChannelValueKind kind;
  Rgb colour;  // of its line
};
const std::array<LogChannel, kLogChannels>& logChannels();

// Where the channel rows, the strips, the slider and the drawing area go, in the window's
// coordinates; the strips' tops are relative to the drawing area.
struct ViewerLayout {
  struct Channel {
    int rowY;  // check box at (10, rowY), 150 wide, 15 high
    // "Wert:" at (labelX, valueY) and the value at (valueX, valueY): below the check box,
    // or beside its name where the strip has no room for a second line.
    int labelX, valueX, valueY;
    int stripTop;  // inside the drawing area
    int stripHeight;
  };
  std::array<Channel, kLogChannels> channels{};
  int drawingX = 155, drawingY = 170, drawingWidth = 0, drawingHeight = 0;
  int sliderX = 155, sliderY = 150, sliderWidth = 0, sliderHeight = 15;
  int windowWidth = 0, windowHeight = 0;  // the window's inner size
};
inline constexpr int kViewerMinWidth = 920, kViewerMaxWidth = 4000, kViewerMinHeight = 300;

// Lays out the rows and strips for the checked channels in a window of the given width
// (kept within 920..4000); the height follows the content, at least 300.
ViewerLayout layoutChannels(const std::array<bool, kLogChannels>& checked, int windowWidth);

// The records the strips show: from `first` over `span` records (x = (r - first) * width /
// span); `visible` of them fall into the area.
struct ViewWindow {
  int first = 1;
  double span = 0;
  int visible = 0;
};

struct SliderRange {
  int minimum = 1, maximum = 1, value = 1;
};

// Texts beside and above the strips for the cursor record.
struct ViewerTexts {
  std::array<std::string, kLogChannels> values;  // after "Wert:"
  std::string dataPoint;                         // the cursor's record number
  std::string timeMs;                            // column 0 of the cursor record
  std::string timeClock;                         // the same as "(hh:ii:ss.mmm)"
  std::string zoom;                              // "100.00%"
  std::string visibleRecords;                    // after "= Datenpunkte:"
};

// Channel 14's text: injection time and, in parentheses, the time available in one
// revolution at the record's speed less the injector's switching time ("0" below 0, "max."
// above 20,000 µs or at standstill).
std::string injectionValueText(float injectionUs, float speedRpm, int switchTimeUs);

// "100 / zoom" with two decimals and "%".
std::string zoomText(int zoom);

class LogViewer {
 public:
  static constexpr int kMaxZoom = 1024;

  LogViewer();

  // Check boxes (channel 0..13) and the window width; both lay the channels out anew.
  const std::array<bool, kLogChannels>& checked() const { return checked_; }
  void setChecked(int channel, bool on);
  void setWindowWidth(int width);
  const ViewerLayout& layout() const { return layout_; }

  int zoom() const { return zoom_; }
  // The zoom control's arrows: double (at most 1024) and halve (at least 1).
  void zoomIn();
  void zoomOut();

  // Mouse wheel in the drawing area: with Ctrl the zoom, otherwise the cursor by 1 record
  // (10 with Shift) forward (up) or backward, never past the last or before the first
  // record. One call for each notch. True when something changed.
  bool wheel(LogTable& table, bool up, bool shift, bool ctrl);
  // Left click at x in the drawing area: the cursor jumps to the record drawn there.
  bool click(LogTable& table, double x);
  // The position slider moved.
  void slide(LogTable& table, int value);

  ViewWindow window(const LogTable& table) const;
  SliderRange slider(const LogTable& table) const;
  ViewerTexts texts(const LogTable& table, int switchTimeUs) const;

  // The strips for the drawing area, built from the per-pixel-column minimum and maximum of
  // the records, so the cost follows the width, not the number of records. Built anew only
  // when the records in view, the area or the channels changed; stripsSerial() counts the
  // builds, so a painter may keep a picture of them.
  const Drawing& strips(const LogTable& table);
  std::uint64_t stripsSerial() const { return stripsSerial_; }
  // Forgets the built strips: the next strips() builds them anew.
  void forgetStrips() { stripsKey_.reset(); }
  // The cursor line over the strips (nothing when no record is in view).
  Drawing cursorLine(const LogTable& table) const;
  // Strips and cursor line in one drawing.
  const Drawing& draw(const LogTable& table);
  // Memory of the min/max summary.
  std::size_t summaryBytes() const { return summary_.bytes(); }

 private:
  int cursorIn(const LogTable& table) const;
  void drawStrips(const LogTable& table, const ViewWindow& w);
  void drawColumns(const LogTable& table, const ViewWindow& w);

  // What the strips were built from.
  struct StripsKey {
    std::uint64_t generation;
    int count, first;
    double span;
    int visible, width, height;
    std::array<bool, kLogChannels> checked;
    bool operator==(const StripsKey&) const = default;
  };

  std::array<bool, kLogChannels> checked_{};
  int windowWidth_ = kViewerMinWidth;
  int zoom_ = 1;
  ViewerLayout layout_;
  LogSummary summary_;
  std::optional<StripsKey> stripsKey_;
  std::uint64_t stripsSerial_ = 0;
  Drawing strips_;
  Drawing drawing_;
};

}  // namespace qx
