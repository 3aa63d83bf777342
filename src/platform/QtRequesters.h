#pragma once

#include <functional>

#include "core/ports/Requesters.h"

class QWidget;

namespace qx {

// Message boxes and requesters as Qt dialogs, modal to the window that is active.
class QtRequesters final : public Requesters {
 public:
  // parent gives the window the dialogs belong to (may return nullptr).
  explicit QtRequesters(std::function<QWidget*()> parent);
  void message(const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;
  std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                     const std::string& initial, bool hiddenInput) override;
  std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                      const std::string& filter) override;
  std::optional<std::string> saveFile(const std::string& title, const std::string& path,
                                      const std::string& filter) override;

 private:
  QWidget* parentWidget() const;
  std::function<QWidget*()> parent_;
};

}  // namespace qx
