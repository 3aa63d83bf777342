#include "forms/hilfedialog.h"

#include <QLabel>

#include "forms/ControlTable.h"

namespace qx {

namespace {
using K = ControlKind;
enum Key : int { Keys, Explanations };

constexpr ControlSpec kControls[] = {
    {K::Label, "", 10, 10, 130, 730, nullptr, Keys},
    {K::Label, "", 150, 10, 465, 730, nullptr, Explanations},
};
}  // namespace

hilfedialog::hilfedialog() : FormWindow(WindowId::Help) {
  setWindowTitle(QStringLiteral("Quarnelix - Hilfe"));
  const PlacedControls c = placeControls(area(), kControls);
  keys = c.get<QLabel>(Keys);
  explanations = c.get<QLabel>(Explanations);
  // Both columns start at the top and never wrap, so that they stay aligned line for line.
  for (QLabel* column : {keys, explanations}) {
    column->setTextFormat(Qt::PlainText);
    column->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->setWordWrap(false);
  }
}

}  // namespace qx
