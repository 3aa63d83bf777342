#pragma once
// The user's side of the core's questions: message boxes, yes/no questions, and text and
// file requesters. Titles, texts and filters are passed exactly as they are shown; a "\r"
// inside a text is a line break.

#include <optional>
#include <string>

namespace qx {

class Requesters {
 public:
  virtual ~Requesters() = default;
  // A message box with an OK button.
  virtual void message(const std::string& title, const std::string& text) = 0;
  // A Yes/No message box; true for Yes.
  virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
  // A text requester; nothing when the user cancels.
  virtual std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                             const std::string& initial, bool hiddenInput) = 0;
  // File requesters. filter is a pattern list such as "ORK-Setup (*.ork)|*.ork";
  // nothing when the user cancels.
  virtual std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                              const std::string& filter) = 0;
  virtual std::optional<std::string> saveFile(const std::string& title, const std::string& path,
                                              const std::string& filter) = 0;
};

}  // namespace qx
