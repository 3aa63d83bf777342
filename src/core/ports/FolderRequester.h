#pragma once
// A folder requester: the user picks a folder.

#include <optional>
#include <string>

namespace qx {

class FolderRequester {
 public:
  virtual ~FolderRequester() = default;
  // The chosen folder, or nothing (or an empty text) when the user cancels.
  virtual std::optional<std::string> chooseFolder(const std::string& title,
                                                  const std::string& startFolder) = 0;
};

}  // namespace qx
