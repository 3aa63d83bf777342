#include "platform/QtSerialPort.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>
#include <algorithm>

#include "platform/QtText.h"

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace qx {

namespace {
constexpr int kReopenIntervalMs = 250;
}

bool openSerialPort(QSerialPort& port, const std::string& name, const PortBuffers& buffers) {
  (void)buffers;  // the driver buffers are fixed by the system here
  port.setPortName(toQ(name));
  if (!port.open(QIODevice::ReadWrite)) return false;
  // Replies of up to 920 bytes must arrive whole: no limit on the input queue.
  port.setReadBufferSize(0);
  const bool ok = port.setBaudRate(57600) && port.setDataBits(QSerialPort::Data8) &&
                  port.setParity(QSerialPort::NoParity) &&
                  port.setStopBits(QSerialPort::TwoStop) &&
                  port.setFlowControl(QSerialPort::NoFlowControl);
  if (!ok) {
    port.close();
    return false;
  }
  port.clear();
  return true;
}

QtSerialPort::QtSerialPort() = default;
QtSerialPort::~QtSerialPort() { close(); }

bool QtSerialPort::openDevice() {
  port_ = std::make_unique<QSerialPort>();
  if (openSerialPort(*port_, name_, buffers_)) return true;
  port_.reset();
  return false;
}

bool QtSerialPort::open(const std::string& name, const PortBuffers& buffers) {
  close();
  name_ = name;
  buffers_ = buffers;
  if (!openDevice()) return false;
  wanted_ = true;
  lost_ = false;
  return true;
}

void QtSerialPort::close() {
  wanted_ = false;
  lost_ = false;
  if (port_) port_->close();
  port_.reset();
}

bool QtSerialPort::isOpen() const { return wanted_; }

bool QtSerialPort::usable() {
  if (!wanted_) return false;
  if (port_ && (port_->error() == QSerialPort::ResourceError ||
                port_->error() == QSerialPort::ReadError)) {
    // The device went away (adapter unplugged, simulator ended): reading fails for good.
    port_->close();
    port_.reset();
    lost_ = true;
    sinceReopen_.start();
  }
  if (lost_ && sinceReopen_.elapsed() >= kReopenIntervalMs) {
    sinceReopen_.start();
    if (openDevice()) lost_ = false;
  }
  return port_ != nullptr;
}

bool QtSerialPort::write(const std::uint8_t* data, std::size_t size) {
  if (!usable()) return false;
  const qint64 n = port_->write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  port_->waitForBytesWritten(100);
  port_->clearError();
  return n == static_cast<qint64>(size);
}

std::size_t QtSerialPort::bytesAvailable() {
  if (!usable()) return 0;
  // Take in whatever the system holds for us without waiting.
  if (port_->waitForReadyRead(0) || port_->error() == QSerialPort::TimeoutError)
    port_->clearError();
  usable();
  return port_ ? static_cast<std::size_t>(port_->bytesAvailable()) : 0;
}

bool QtSerialPort::readByte(std::uint8_t& byte) {
  if (!port_ || port_->bytesAvailable() < 1) return false;
  char c = 0;
  if (port_->read(&c, 1) != 1) return false;
  byte = static_cast<std::uint8_t>(c);
  return true;
}

std::size_t QtSerialPort::bytesToWrite() {
  if (!port_) return 0;
  auto queued = static_cast<std::size_t>(std::max<qint64>(port_->bytesToWrite(), 0));
#ifdef Q_OS_UNIX
  // Bytes the driver has taken but not yet put on the line.
  int driver = 0;
  if (::ioctl(static_cast<int>(port_->handle()), TIOCOUTQ, &driver) == 0 && driver > 0)
    queued += static_cast<std::size_t>(driver);
#endif
  return queued;
}

void QtSerialPort::waitForMore(int ms) {
  if (!usable()) {
    QThread::msleep(static_cast<unsigned long>(std::max(ms, 0)));
    return;
  }
  if (!port_->waitForReadyRead(ms) && port_->error() == QSerialPort::TimeoutError)
    port_->clearError();
}

std::vector<std::string> QtPortProbe::serialPorts() {
  std::vector<std::string> names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    names.push_back(fromQ(info.portName()));
  return names;
}

bool QtPortProbe::canOpen(const std::string& name) {
  QSerialPort probe;
  if (!openSerialPort(probe, name, kProbingBuffers)) return false;
  probe.close();
  return true;
}

}  // namespace qx
