#include "core/power/PowerFile.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

#include "core/ports/Clock.h"
#include "core/util/LineReader.h"
#include "core/util/Numbers.h"
#include "core/util/Text.h"

namespace qx {

namespace {
void appendLine(Bytes& out, const std::string& text) {
  appendText(out, text);
  appendText(out, "\r\n");
}

std::string_view field(std::string_view line, int index) {
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) {
    const auto comma = line.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  return line.substr(start, line.find(',', start) - start);
}

// Numbers go into float tables: they stay within the float range.
double number(std::string_view text) {
  if (text.empty()) return 0;  // the many rows past the end of a short file
  constexpr double kMax = std::numeric_limits<float>::max();
  if (const auto exact = parseDecimal(text); exact && std::isfinite(*exact))
    return clampTo(*exact, -kMax, kMax);
  return decimalReading(text);
}

double integerPart(std::string_view text) {
  return static_cast<double>(truncateToInt(number(text)));
}

bool flag(const std::string& line) {
  return integerPart(lineValue(line)) == 1;
}

std::string twoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

// The description on one line: a line break would shift every later line of the file.
std::string oneLine(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '\r' && c != '\n') out.push_back(c);
  return out;
}

void appendInputs(Bytes& out, const PowerInputs& in) {
  auto integer = [](double v) { return intText(truncateToInt(v)); };
  appendLine(out, "Umwelt");
  appendLine(out, "Temperatur [°C]:," + integer(in.temperatureC));
  appendLine(out, "Luftdruck [hPa]:," + integer(in.pressureHpa));
  appendLine(out, "Luftfeuchte [%]:," + integer(in.humidityPercent));
  appendLine(out, "Fahrzeug");
  appendLine(out, "Fahrzeuggewicht [kg]:," + integer(in.weightKg));
  appendLine(out, "Uebersetzung [Rad/KW]:," + fixedText(in.ratio, 2));
  appendLine(out, "Radumfang [cm]:," + integer(in.wheelCm));
  appendLine(out, "Windflaeche [m^2]:," + fixedText(in.frontalArea, 2));
  appendLine(out, "cw-Wert:," + fixedText(in.dragCoefficient, 2));
  appendLine(out, "Pruefstand");
  appendLine(out, "Rollenumfang [cm]:," + integer(in.rollerCm));
  appendLine(out, "Schwungm.Tr.Mom.[kgm^2]:," + fixedText(in.inertia, 2));
  appendLine(out, "");
}

void readInputs(LineReader& in, PowerInputs& p) {
  in.utf8Line();  // 9
  in.utf8Line();  // 10 "Umwelt"
  p.temperatureC = integerPart(lineValue(in.utf8Line()));
  p.pressureHpa = integerPart(lineValue(in.utf8Line()));
  p.humidityPercent = integerPart(lineValue(in.utf8Line()));
  in.utf8Line();  // 14 "Fahrzeug"
  p.weightKg = integerPart(lineValue(in.utf8Line()));
  p.ratio = number(lineValue(in.utf8Line()));
  p.wheelCm = integerPart(lineValue(in.utf8Line()));
  p.frontalArea = number(lineValue(in.utf8Line()));
  p.dragCoefficient = number(lineValue(in.utf8Line()));
  in.utf8Line();  // 20 "Pruefstand"
  p.rollerCm = integerPart(lineValue(in.utf8Line()));
  p.inertia = number(lineValue(in.utf8Line()));
}
}  // namespace

std::string lineValue(const std::string& line) {
  return std::string(field(line, 1));
}

std::string powerFileDate(const LocalDateTime& t) {
  return twoDigits(t.day) + "." + twoDigits(t.month) + "." + intText(t.year);
}

std::string powerFileTime(const LocalDateTime& t) {
  return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::string unitTextForFile(const std::string& bytes) {
  std::string clean;
  for (char c : bytes) clean.push_back(static_cast<unsigned char>(c) < 0x20 ? ' ' : c);
  return latin1ToUtf8(clean);
}

Bytes encodePowerFile(const PowerRun& run, const PowerFileHeader& header,
                      const LocalDateTime& savedAt) {
  Bytes out;
  out.reserve(40000);
  appendLine(out, "ORK-Leistungsvergleich");
  appendLine(out, "Datei:," + header.fileName);
  appendLine(out, "Datum:," + powerFileDate(savedAt));
  appendLine(out, "Uhrzeit:," + powerFileTime(savedAt));
  appendLine(out, "ORK HW:," + unitTextForFile(header.hardware));
  appendLine(out, "ORK SW:," + unitTextForFile(header.software));
  appendLine(out, "");
  const Bytes comment = utf8ToUtf16le("Kommentar:," + oneLine(run.inputs.description) + "\r\n");
  out.insert(out.end(), comment.begin(), comment.end());
  appendLine(out, "");
  appendInputs(out, run.inputs);
  appendLine(out, "Logdaten");
  appendLine(out, "t [ms],n KW [U/min]");
  for (std::size_t j = 1; j <= kRunRows; ++j)
    appendLine(out,
               fixedText(run.table[j][kRunTime], 3) + "," + fixedText(run.table[j][kRunSpeed], 3));
  appendLine(out, "");
  appendLine(out, "Auswertung");
  appendLine(out, "Messsystem," + std::string(run.inputs.system == MeasuringSystem::Linear
                                                  ? "linear"
                                                  : "rotatorisch"));
  appendLine(out, std::string("EWG 80/1269,") + (run.inputs.ewg ? "1" : "0"));
  appendLine(out, std::string("DIN 70200,") + (run.inputs.din ? "1" : "0"));
  appendLine(out, std::string("Add. Schleppwerte,") + (run.inputs.addDrag ? "1" : "0"));
  appendLine(out, "");
  appendLine(out, "n [U/min],M [Nm],P [kW]");
  const PowerCurve& c = run.curves[1];
  for (std::size_t k = 1; k <= kPowerBins; ++k)
    appendLine(out, fixedText(c[kBinSpeed][k], 2) + "," + fixedText(c[kBinTorque][k], 2) + "," +
                        fixedText(c[kBinPower][k], 2));
  appendLine(out, "Dateiende");
  return out;
}

PowerFileContents parsePowerFile(std::span<const std::uint8_t> file) {
  PowerFileContents c;
  LineReader in(file);
  in.utf8Line();  // 1 "ORK-Leistungsvergleich"
  in.utf8Line();  // 2 file name
  c.date = lineValue(in.utf8Line());
  c.time = lineValue(in.utf8Line());
  c.hardware = lineValue(in.utf8Line());
  c.software = lineValue(in.utf8Line());
  in.utf8Line();  // 7
  c.description = lineValue(in.utf16Line());
  c.inputs.description = c.description;
  readInputs(in, c.inputs);
  for (int i = 23; i <= 25; ++i) in.utf8Line();
  for (std::size_t j = 1; j <= kRunRows; ++j) {
    const std::string line = in.utf8Line();
    c.samples[j][0] = static_cast<float>(number(field(line, 0)));
    c.samples[j][1] = static_cast<float>(number(field(line, 1)));
  }
  in.utf8Line();  // 726
  in.utf8Line();  // 727 "Auswertung"
  c.system = lineValue(in.utf8Line());
  c.inputs.system =
      c.system == "rotatorisch" ? MeasuringSystem::Rotatorisch : MeasuringSystem::Linear;
  c.ewgValue = flag(in.utf8Line());
  c.dinValue = flag(in.utf8Line());
  c.dragValue = flag(in.utf8Line());
  c.inputs.ewg = c.ewgValue && !c.dinValue;
  c.inputs.din = c.dinValue;
  c.inputs.addDrag = c.dragValue;
  in.utf8Line();  // 732
  in.utf8Line();  // 733
  for (std::size_t k = 1; k <= kPowerBins; ++k) {
    const std::string line = in.utf8Line();
    for (int f = 0; f < 3; ++f)
      c.bins[k][static_cast<std::size_t>(f)] = static_cast<float>(number(field(line, f)));
  }
  return c;
}

}  // namespace qx
