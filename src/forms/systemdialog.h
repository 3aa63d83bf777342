#pragma once
// Layout of the system window: the program options in frames on a 600 x 530 area, the
// firmware update controls and the window-reset buttons.

#include <array>
#include <vector>

#include "core/system/SystemForm.h"
#include "forms/FormWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qx {

class systemdialog : public FormWindow {
 public:
  systemdialog();

  QLineEdit* field(SystemField f) const { return fields_.at(static_cast<std::size_t>(f)); }
  QCheckBox* check(SystemCheck c) const { return checks_.at(static_cast<std::size_t>(c)); }
  const std::vector<QLineEdit*>& fields() const { return fieldList_; }
  // The reset buttons in the order of windowResetButtons().
  const std::vector<QPushButton*>& resetButtons() const { return resetButtons_; }

  // "Grossbild": the order warning under the lambda rows.
  QLabel* lambdaWarning;
  // "Firmware"
  QLabel* folderText;
  QLabel* nameText;
  QPushButton* chooseButton;
  QPushButton* updateButton;
  QProgressBar* progress;
  QLabel* statusText;
  // "Logger": the computed lines.
  QLabel* logTime;
  QLabel* logSize;
  // "ORK allgemein"
  QPushButton* eraseButton;

 private:
  std::array<QLineEdit*, kSystemFieldCount> fields_{};
  std::array<QCheckBox*, static_cast<std::size_t>(SystemCheck::Count)> checks_{};
  std::vector<QLineEdit*> fieldList_;
  std::vector<QPushButton*> resetButtons_;
};

}  // namespace qx
