#pragma once

#include "core/ports/FolderRequester.h"

namespace qx {

// The folder requester as the system's folder dialog, modal to the active window.
class QtFolderRequester final : public FolderRequester {
 public:
  std::optional<std::string> chooseFolder(const std::string& title,
                                          const std::string& startFolder) override;
};

}  // namespace qx
