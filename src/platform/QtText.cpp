#include "platform/QtText.h"

#include <QStringList>

namespace qx {

QString qtFileFilter(const std::string& patternList) {
  const QStringList parts = toQ(patternList).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString label = parts[i].trimmed();
    // A label that already names its patterns in parentheses keeps only its name.
    const int paren = label.lastIndexOf(QLatin1Char('('));
    if (paren > 0 && label.endsWith(QLatin1Char(')'))) label = label.left(paren).trimmed();
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == QLatin1String("*.*")) p = QStringLiteral("*");  // every file, also without a dot
    }
    filters << label + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace qx
