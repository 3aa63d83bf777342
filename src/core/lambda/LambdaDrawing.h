#pragma once
// The lambda logger window's two drawing areas: the legend of the five rating colours and
// the table, one coloured cell per speed and throttle point with its voltage or rating
// symbol, the axis labels and a frame around the live operating point.

#include "core/draw/Drawing.h"
#include "core/lambda/LambdaLogger.h"

namespace qx {

struct ProgramSettings;
struct VitalData;

inline constexpr int kLambdaLegendWidth = 12, kLambdaLegendHeight = 70;
inline constexpr int kLambdaTableWidth = 725, kLambdaTableHeight = 280;
// The table's coordinates count from here; its rows lie above, at negative y.
inline constexpr DrawPoint kLambdaTableOrigin{15, 230};

// Five 10 x 10 boxes, very lean at the bottom up to very rich at the top.
Drawing lambdaLegendDrawing(Rgb background);

// The table area as it stands: background, labels, the operating-point frame (red while
// the InjectionMap is edited, else black) and the cells, each in the colour of the mean of
// the ticked probes.
Drawing lambdaTableDrawing(const LambdaTable& table, const LambdaLoggerState& state,
                           const ProgramSettings& settings, LambdaCell operatingPoint,
                           bool injectionMapEdited, Rgb background);

// The table drawing of a timer tick while the window is open: the frame goes to the cell of
// the live sample, which becomes the state's framed cell.
Drawing drawLambdaTable(LambdaLoggerState& state, const LambdaTable& table, const VitalData& vital,
                        const ProgramSettings& settings, bool injectionMapEdited, Rgb background);

}  // namespace qx
