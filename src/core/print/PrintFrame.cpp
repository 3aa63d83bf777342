#include "core/print/PrintFrame.h"

#include <cstdio>

#include "core/ports/Clock.h"
#include "core/ports/SystemInfo.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kPaper{255, 255, 255};

TextStyle style(double size, HAlign h, VAlign v = VAlign::Top) {
  TextStyle s;
  s.size = size;
  s.h = h;
  s.v = v;
  s.opaque = false;
  return s;
}

std::string twoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}
}  // namespace

Drawing printPage(double pageWidth, double pageHeight) {
  Drawing d;
  d.width = static_cast<int>(pageWidth);
  d.height = static_cast<int>(pageHeight);
  d.background = kPaper;
  return d;
}

std::string printedAtText(const LocalDateTime& t) {
  return "gedruckt am " + twoDigits(t.day) + "." + twoDigits(t.month) + "." + intText(t.year) +
         ", um " + twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::string systemFooterText(SystemInfo& system) {
  const double mb = static_cast<double>(system.physicalMemoryBytes()) / (1024.0 * 1024.0);
  return "[ CPU: " + system.processorName() + " (" + intText(system.processorCount()) +
         "x), RAM: " + intText(roundHalfAway(mb)) + "MB, PC: " + system.computerName() +
         ", Benutzer: " + system.userName() + " ]";
}

void addPrintTitle(Drawing& page, const std::string& title) {
  page.text(page.width / 2.0, 15, title, kInk,
            style(kPrintTitleSize, HAlign::Centre, VAlign::Middle));
}

void addPrintDate(Drawing& page, const LocalDateTime& when) {
  printTextRight(page, 0, 15, page.width - 10.0, printedAtText(when));
}

void addPrintFooter(Drawing& page, SystemInfo& system) {
  const double centre = page.width / 2.0;
  page.text(centre, page.height - 20.0, kFooterProgramLine, kInk,
            style(kPrintTextSize, HAlign::Centre));
  page.text(centre, page.height - 10.0, systemFooterText(system), kInk,
            style(kPrintTextSize, HAlign::Centre));
}

void printText(Drawing& page, double x, double y, const std::string& text) {
  page.text(x, y, text, kInk, style(kPrintTextSize, HAlign::Left));
}

void printTextRight(Drawing& page, double x, double y, double w, const std::string& text) {
  page.text(x + w, y, text, kInk, style(kPrintTextSize, HAlign::Right));
}

}  // namespace qx
