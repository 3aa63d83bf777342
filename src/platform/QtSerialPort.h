#pragma once
// The serial port through QSerialPort, with the unit's fixed line parameters.

#include <QElapsedTimer>
#include <memory>

#include "core/ports/BytePort.h"
#include "core/link/Connection.h"

class QSerialPort;

namespace qx {

class QtSerialPort final : public BytePort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;

  bool open(const std::string& name, const PortBuffers& buffers) override;
  void close() override;
  bool isOpen() const override;
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t bytesAvailable() override;
  bool readByte(std::uint8_t& byte) override;
  // What Qt still buffers plus what the system's driver holds for the line.
  std::size_t bytesToWrite() override;
  void waitForMore(int ms) override;
  bool lost() const override { return lost_; }

 private:
  bool openDevice();
  // Notices a device that went away and tries, now and then, to open it again.
  bool usable();

  std::unique_ptr<QSerialPort> port_;
  std::string name_;
  PortBuffers buffers_;
  bool wanted_ = false;  // the link wants the port open
  bool lost_ = false;
  QElapsedTimer sinceReopen_;
};

// Opens a QSerialPort with the unit's line parameters.
bool openSerialPort(QSerialPort& port, const std::string& name, const PortBuffers& buffers);

// The system's serial ports, through QSerialPortInfo.
class QtPortProbe final : public PortProbe {
 public:
  std::vector<std::string> serialPorts() override;
  bool canOpen(const std::string& name) override;
};

}  // namespace qx
