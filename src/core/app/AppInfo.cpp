#include "core/app/AppInfo.h"

namespace qx {

std::string withTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder.push_back('/');
  return folder;
}

}  // namespace qx
