#include "core/app/Lamps.h"

#include "core/link/LinkFlags.h"

namespace qx {

Rgb connectionLampColour(bool comChecked, const LinkFlags& link) {
  if (!comChecked) return colours::kLampGrey;
  if (link.firmwareTransferActive) return colours::kOrange;
  if (link.unitIdentified) return colours::kGreen;
  return colours::kRed;
}

LampDrawing connectionLamp(int width, int height, bool comChecked, const LinkFlags& link) {
  return connectionLamp(width, height, connectionLampColour(comChecked, link));
}

LampDrawing connectionLamp(int width, int height, Rgb colour) {
  return {colours::kCanvasBackground, width / 2.0, height / 2.0, height / 2.0,
          height / 2.0 - 2,           colour};
}

Rgb loggerLampColour(bool recording, bool identified) {
  if (recording) return identified ? colours::kGreen : colours::kOrange;
  return identified ? colours::kRed : colours::kLampGrey;
}

LampDrawing loggerLamp(int width, int height, bool recording, bool identified) {
  return loggerLamp(width, height, loggerLampColour(recording, identified));
}

LampDrawing loggerLamp(int width, int height, Rgb colour) {
  return {colours::kCanvasBackground, width / 2.0, height / 2.0, height / 2.0,
          (height - 4) / 2.0,         colour};
}

}  // namespace qx
