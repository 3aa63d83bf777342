#pragma once
// Conversions between the core's UTF-8 std::string and Qt's QString.

#include <QString>
#include <string>

namespace qx {

inline QString toQ(const std::string& s) { return QString::fromStdString(s); }
inline std::string fromQ(const QString& s) { return s.toStdString(); }

// Message box text: the core writes "\r" for a line break.
inline QString boxText(const std::string& s) {
  QString t = toQ(s);
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

// "ORK-Dateien|*.ork|Alle Dateien (*.*)|*.*" as a Qt filter list
// "ORK-Dateien (*.ork);;Alle Dateien (*)".
QString qtFileFilter(const std::string& patternList);

}  // namespace qx
