#pragma once

#include <string>

namespace qx {

// Where the one-line status text is shown (the main window's status line).
class StatusSink {
 public:
  virtual ~StatusSink() = default;
  virtual void showStatus(const std::string& text) = 0;
};

}  // namespace qx
