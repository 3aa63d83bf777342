#include "core/mainwin/WindowReset.h"

#include <algorithm>

namespace qx {

std::array<WindowResetStep, 2> shiftF1Steps(bool systemShown) {
  return {{{WindowId::System, true, !systemShown}, {WindowId::Main, false, false}}};
}

ScreenPoint centredIn(int areaX, int areaY, int areaWidth, int areaHeight, int w, int h) {
  return {areaX + std::max(0, (areaWidth - w) / 2), areaY + std::max(0, (areaHeight - h) / 2)};
}

}  // namespace qx
