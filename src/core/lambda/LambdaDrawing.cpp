#include "core/lambda/LambdaDrawing.h"
#include "core/setup/MapAxes.h"

#include "core/app/ProgramSettings.h"
#include "core/lambda/LambdaRating.h"
#include "core/link/VitalData.h"
#include "core/util/Numbers.h"

namespace qx {

namespace {
constexpr int kColumnStep = 36, kRowStep = 20;

// The labels are drawn transparent in the area's own (typewriter) font, so blanks in front
// of a number align it to the right.
constexpr TextStyle kLabel{0, false, true, HAlign::Left, VAlign::Top, false};

std::string rightAligned(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

Drawing tableArea(Rgb background) {
  Drawing d;
  d.width = kLambdaTableWidth;
  d.height = kLambdaTableHeight;
  d.background = background;
  d.fillRect(0, 0, kLambdaTableWidth, kLambdaTableHeight, background);
  d.origin = kLambdaTableOrigin;
  return d;
}

void labels(Drawing& d) {
  d.text(10, -228, "Drossel-", colours::kBlack, kLabel);
  d.text(10, -214, "klappe", colours::kBlack, kLabel);
  d.text(20, -200, "[%]", colours::kBlack, kLabel);
  for (int i = 0; i < LambdaTable::kRows; ++i)
    d.text(20, -20 - i * kRowStep, rightAligned(intText(axes::throttleLabelTruncated(i)), 3),
           colours::kBlack, kLabel);
  d.text(610, 12, "Drehzahl", colours::kBlack, kLabel);
  d.text(585, 26, "x1000 [Umin]", colours::kBlack, kLabel);
  for (int i = 0; i < LambdaTable::kColumns; ++i)
    d.text(i * kColumnStep + 74, 0, rightAligned(intText(i), 2), colours::kBlack, kLabel);
}

// A 2-pixel frame around the cell.
void operatingPointFrame(Drawing& d, LambdaCell cell, Rgb colour, Rgb background) {
  d.fillRect(cell.column * kColumnStep + 26, -4 - cell.row * kRowStep, 38, 22, colour);
  d.fillRect(cell.column * kColumnStep + 28, -2 - cell.row * kRowStep, 34, 18, background);
}

void cells(Drawing& d, const LambdaTable& table, const LambdaLoggerState& state,
           const LambdaThresholds& thresholds) {
  for (int column = 1; column <= LambdaTable::kColumns; ++column)
    for (int row = 1; row <= LambdaTable::kRows; ++row) {
      const double v = lambdaCellMean(table, column, row, state.probes);
      const LambdaRating rating = rateLambda(roundHalfAway(v), thresholds);
      const double x = column * kColumnStep + 30, y = -row * kRowStep;
      d.fillRect(x, y, 30, 14, lambdaRatingColour(rating));
      if (state.cellText == LambdaCellText::Volts)
        d.text(x, y, lambdaVoltsText(v), colours::kBlack, kLabel);
      else
        d.text(x + 10, y, lambdaRatingSymbol(rating), colours::kBlack, kLabel);
    }
}
}  // namespace

Drawing lambdaLegendDrawing(Rgb background) {
  Drawing d;
  d.width = kLambdaLegendWidth;
  d.height = kLambdaLegendHeight;
  d.background = background;
  d.fillRect(0, 0, kLambdaLegendWidth, kLambdaLegendHeight, background);
  double y = 60;
  for (LambdaRating rating : kLambdaLegendRatings) {
    d.fillRect(0, y, 10, 10, lambdaRatingColour(rating));
    y -= 15;
  }
  return d;
}

Drawing lambdaTableDrawing(const LambdaTable& table, const LambdaLoggerState& state,
                           const ProgramSettings& settings, LambdaCell operatingPoint,
                           bool injectionMapEdited, Rgb background) {
  Drawing d = tableArea(background);
  labels(d);
  operatingPointFrame(d, operatingPoint, injectionMapEdited ? colours::kRed : colours::kBlack,
                      background);
  cells(d, table, state, lambdaThresholds(settings));
  return d;
}

Drawing drawLambdaTable(LambdaLoggerState& state, const LambdaTable& table, const VitalData& vital,
                        const ProgramSettings& settings, bool injectionMapEdited, Rgb background) {
  // The live cell is clamped into the table like the live fill's.
  state.framed = lambdaCellOf(vital.engineSpeedClamped, vital.throttlePercent);
  return lambdaTableDrawing(table, state, settings, state.framed, injectionMapEdited, background);
}

}  // namespace qx
