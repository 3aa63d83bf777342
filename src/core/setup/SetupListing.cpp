#include "core/setup/SetupListing.h"
#include "core/setup/MapAxes.h"

#include <functional>
#include <string_view>
#include <vector>

#include "core/setup/SetupFields.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
constexpr std::size_t kLabelWidth = 50;
constexpr std::size_t kValueWidth = 22;
// injectorSwitchTime is not part of the file.
bool inFile(const FieldInfo& f) {
  return f.offset < 421 || f.offset > 426;
}

// Text filled with blanks to a width in characters; text as wide or wider keeps one blank
// after it. Appended to the listing so that no piece needs a string of its own.
void appendPaddedRight(std::string& out, std::string_view s, std::size_t width) {
  const std::size_t n = utf8Length(s);
  out += s;
  out.append(n >= width ? 1 : width - n, ' ');
}

void appendPaddedLeft(std::string& out, std::string_view s, std::size_t width) {
  const std::size_t n = utf8Length(s);
  if (n < width) out.append(width - n, ' ');
  out += s;
}

std::string lambdaInputs(int bits) {
  std::string out;
  for (int k = 0; k < 3; ++k) {
    if (!(bits & (1 << k))) continue;
    if (!out.empty()) out += ", ";
    out += "Lambda " + intText(k + 1);
  }
  return out.empty() ? "keine" : out;
}

// The shown value with its unit, and the option's text for choices.
std::string valueText(const SetupRecord& r, const FieldInfo& f) {
  std::string text = shownText(r, f.id);
  if (f.id == SetupField::LearnLambdaInputs)
    return text + " (" + lambdaInputs(storedValue(r, f.id)) + ")";
  if (f.scaling == Scaling::Choice) {
    const auto v = static_cast<std::size_t>(storedValue(r, f.id));
    return text + (v < f.options.size() ? std::string(" (") + f.options[v] + ")" : " (?)");
  }
  return *f.unit ? text + " " + f.unit : text;
}

int throttleLabel(int t) {
  return static_cast<int>(axes::throttleLabelRounded(t));
}
int temperature(int i) {
  return axes::temperatureCelsius(i);
}
int correctionPercent(std::uint8_t v) {
  return v + 85;
}

// A curve as two rows: its axis and its values.
void listCurve(std::string& out, const std::string& title, const std::string& axisName,
               const std::function<int(int)>& axis, const std::string& valueName,
               const std::function<int(int)>& value) {
  out += "\n" + title + "\n";
  appendPaddedRight(out, "  " + axisName, 10);
  for (int i = 0; i < kSpeedPoints; ++i) appendPaddedLeft(out, intText(axis(i)), 5);
  out += "\n";
  appendPaddedRight(out, "  " + valueName, 10);
  for (int i = 0; i < kSpeedPoints; ++i) appendPaddedLeft(out, intText(value(i)), 5);
  out += "\n";
}

struct HeaderLine {
  const char* label;
  std::string SetupFileHeader::*member;
};
constexpr HeaderLine kHeaderLines[] = {
    {"Beschreibung:", &SetupFileHeader::comment}, {"Gerätetyp:", &SetupFileHeader::device},
    {"HW:", &SetupFileHeader::hardware},          {"SW:", &SetupFileHeader::software},
    {"BL:", &SetupFileHeader::bootLoader},        {"Neustarts:", &SetupFileHeader::restartCount},
};

// Header text from a file as safe terminal text: malformed UTF-8 becomes U+FFFD, control
// characters (C0, DEL and C1) become "." so a file cannot send control sequences.
std::string printable(const std::string& text) {
  const Bytes units = utf8ToUtf16le(text);
  Bytes cleaned;
  cleaned.reserve(units.size());
  for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
    std::uint16_t u = readLe16(&units[i]);
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) u = '.';
    appendLe16(cleaned, u);
  }
  return utf16leToUtf8(cleaned.data(), cleaned.size());
}

// A header value for display: blanks at the ends dropped, "-" when nothing is left.
std::string headerValue(const SetupFileHeader& h, const HeaderLine& line) {
  const std::string& v = h.*line.member;
  const auto first = v.find_first_not_of(' ');
  if (first == std::string::npos) return "-";
  return printable(v.substr(first, v.find_last_not_of(' ') - first + 1));
}

std::string savedAt(const std::string& dateLine) {
  const std::string prefix = "ORK-Setup ";
  return printable(dateLine.rfind(prefix, 0) == 0 ? dateLine.substr(prefix.size()) : dateLine);
}

std::string row(const std::string& label, const std::string& a, const std::string& b) {
  std::string out;
  appendPaddedRight(out, label, kLabelWidth);
  appendPaddedRight(out, a, kValueWidth);
  (out += b) += '\n';
  return out;
}
}  // namespace

std::variant<ListedSetup, std::string> readSetupForListing(
    std::span<const std::uint8_t> file, std::optional<std::uintmax_t> sizeOnDisk) {
  const std::uintmax_t size = sizeOnDisk.value_or(file.size());
  if (file.size() != kSetupFileSize || size != kSetupFileSize)
    return "Die Datei hat " + intText(static_cast<long long>(size)) +
           " Bytes; eine Setup-Datei hat " + intText(kSetupFileSize) + " Bytes.";
  const SetupFileContents contents = parseSetupFile(file);
  if (!contents.nominal())
    return "Die Kopfzeilen der Datei enden bei Byte " +
           intText(static_cast<long long>(contents.headerSize)) + " statt bei " +
           intText(kSetupHeaderSize) + "; die Datei ist keine Setup-Datei.";
  ListedSetup setup;
  setup.header = contents.header;
  applySetupBlock(contents.block, setup.record);
  return setup;
}

std::string listSetup(const ListedSetup& s) {
  std::string out;
  out.reserve(8192);  // a whole listing is about 6 KB
  appendPaddedRight(out, "Gespeichert:", 16);
  (out += savedAt(s.header.dateLine)) += '\n';
  for (const HeaderLine& h : kHeaderLines) {
    appendPaddedRight(out, h.label, 16);
    (out += headerValue(s.header, h)) += '\n';
  }
  out += "\nParameter:\n";
  for (const FieldInfo& f : setupFields()) {
    if (!inFile(f)) continue;
    out += "  ";
    appendPaddedRight(out, f.label, kLabelWidth - 2);
    (out += valueText(s.record, f)) += '\n';
  }

  out += "\nEinspritzung zu Drehzahl und Drosselklappe [µs]\n";
  appendPaddedRight(out, "  % \\ kUmin", 12);
  for (int r = 0; r < kSpeedPoints; ++r) appendPaddedLeft(out, intText(r), 6);
  out += "\n";
  for (int t = 0; t < kThrottlePoints; ++t) {
    appendPaddedRight(out, "  " + intText(throttleLabel(t)), 12);
    for (int r = 0; r < kSpeedPoints; ++r) appendPaddedLeft(out, intText(s.record.mapCell(r, t)), 6);
    out += "\n";
  }
  const SetupRecord& r = s.record;
  auto speed = [](int i) { return i; };
  listCurve(out, "Zündung zu Drehzahl [°KW v.OT]", "kUmin", speed, "°KW",
            [&](int i) { return r.ignitionCurve[static_cast<std::size_t>(i)]; });
  listCurve(
      out, "Einspritzkorrektur zu Ansauglufttemperatur [%]", "°C", temperature, "%",
      [&](int i) { return correctionPercent(r.airTempCorrection[static_cast<std::size_t>(i)]); });
  listCurve(out, "Einspritzkorrektur zu Motortemperatur [%]", "°C", temperature, "%", [&](int i) {
    return correctionPercent(r.engineTempCorrection[static_cast<std::size_t>(i)]);
  });
  return out;
}

void forEachDifference(const SetupRecord& a, const SetupRecord& b, bool withSwitchTimes,
                       const DifferenceVisitor& visit) {
  // Values are compared before any text is built: equal numbers give equal texts, and most
  // of a setup is the same on both sides.
  auto number = [&visit](auto label, long long x, long long y, const char* unit) {
    if (x != y) visit(label(), intText(x) + unit, intText(y) + unit);
  };
  for (const FieldInfo& f : setupFields()) {
    if (!withSwitchTimes && !inFile(f)) continue;
    const std::string x = valueText(a, f), y = valueText(b, f);
    if (x != y) visit(f.label, x, y);
  }
  for (int r = 0; r < kSpeedPoints; ++r)
    for (int t = 0; t < kThrottlePoints; ++t)
      number(
          [&] {
            return "Einspritzung " + intText(axes::speedRpm(r)) + " Umin / " +
                   intText(throttleLabel(t)) + " %:";
          },
          a.mapCell(r, t), b.mapCell(r, t), " µs");
  for (std::size_t i = 0; i < kSpeedPoints; ++i) {
    const int at = temperature(static_cast<int>(i));
    const int rpm = axes::speedRpm(static_cast<int>(i));
    number([&] { return "Zündung " + intText(rpm) + " Umin:"; }, a.ignitionCurve[i],
           b.ignitionCurve[i], " °KW");
    number([&] { return "Einspritzkorrektur Ansaugluft " + intText(at) + " °C:"; },
           correctionPercent(a.airTempCorrection[i]), correctionPercent(b.airTempCorrection[i]),
           " %");
    number([&] { return "Einspritzkorrektur Motor " + intText(at) + " °C:"; },
           correctionPercent(a.engineTempCorrection[i]),
           correctionPercent(b.engineTempCorrection[i]), " %");
  }
}

std::string diffSetups(const ListedSetup& a, const ListedSetup& b) {
  std::string out;
  for (const HeaderLine& h : kHeaderLines)
    if (a.header.*h.member != b.header.*h.member)
      out += row(h.label, headerValue(a.header, h), headerValue(b.header, h));
  forEachDifference(a.record, b.record, false,
                    [&out](const std::string& label, const std::string& x, const std::string& y) {
                      out += row(label, x, y);
                    });
  return out;
}

}  // namespace qx
