#pragma once
// The expert window's own state: whether the password was given, the device-type editor of
// setup files, the disc's layer boxes and its latest drawing.

#include "core/draw/Drawing.h"
#include "core/expert/DeviceTypeEditor.h"
#include "core/expert/SwitchingAngleDisc.h"

namespace qx {

struct ExpertWindowState {
  // Set once the expert password was entered; never revoked.
  bool unlocked = false;
  DeviceTypeEditor deviceType;
  DiscLayers layers;
  Drawing disc;
  // Counts the drawings of the disc, so that the window repaints only a new one.
  int discRevision = 0;
};

}  // namespace qx
