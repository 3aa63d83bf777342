#include "platform/QtSystemInfo.h"

#include <pwd.h>
#include <unistd.h>

#include <QFile>
#include <QSysInfo>
#include <QThread>
#include <QtGlobal>

#include "platform/QtText.h"

namespace qx {

namespace {
// The value of the first "key : value" line of a /proc file that starts with key.
QString procValue(const char* file, const QString& key) {
  QFile f(QString::fromLatin1(file));
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  // Files under /proc report a size of 0, so atEnd() holds from the start: read lines until
  // there are none.
  for (QByteArray raw = f.readLine(); !raw.isEmpty(); raw = f.readLine()) {
    const QString line = QString::fromUtf8(raw);
    if (line.startsWith(key)) return line.section(QLatin1Char(':'), 1).trimmed();
  }
  return {};
}
}  // namespace

std::string QtSystemInfo::processorName() {
  const QString name = procValue("/proc/cpuinfo", QStringLiteral("model name"));
  return fromQ(name.isEmpty() ? QSysInfo::currentCpuArchitecture() : name);
}

int QtSystemInfo::processorCount() {
  return QThread::idealThreadCount();
}

std::uint64_t QtSystemInfo::physicalMemoryBytes() {
  // "MemTotal:  24573412 kB"
  const QString total = procValue("/proc/meminfo", QStringLiteral("MemTotal"));
  return total.section(QLatin1Char(' '), 0, 0).toULongLong() * 1024;
}

std::string QtSystemInfo::computerName() {
  return fromQ(QSysInfo::machineHostName());
}

std::string QtSystemInfo::userName() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
  if (user.isEmpty()) user = qEnvironmentVariable("LOGNAME");
  // A session without these variables (a service, a container): the account's name.
  if (user.isEmpty())
    if (const passwd* account = ::getpwuid(::geteuid()))
      user = QString::fromLocal8Bit(account->pw_name);
  return fromQ(user);
}

}  // namespace qx
