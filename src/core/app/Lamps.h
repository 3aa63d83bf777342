#pragma once
// The round status lamps: a black disc with a coloured disc inside, on the canvas colour.

#include "core/util/Rgb.h"

namespace qx {

struct LinkFlags;

struct LampDrawing {
  Rgb background;
  double centreX, centreY;
  double outerRadius;  // black
  double innerRadius;
  Rgb inner;
};

// Connection lamp (main window): grey with "COM" off, orange during a firmware transfer,
// green with an identified unit, red otherwise.
Rgb connectionLampColour(bool comChecked, const LinkFlags& link);
LampDrawing connectionLamp(int width, int height, bool comChecked, const LinkFlags& link);
LampDrawing connectionLamp(int width, int height, Rgb colour);

// Logger lamp (logger window): recording and identified green, recording only orange,
// identified only red, neither grey.
Rgb loggerLampColour(bool recording, bool identified);
LampDrawing loggerLamp(int width, int height, bool recording, bool identified);
LampDrawing loggerLamp(int width, int height, Rgb colour);

}  // namespace qx
