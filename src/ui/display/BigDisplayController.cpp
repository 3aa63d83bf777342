#include "ui/display/BigDisplayController.h"

#include <QPainter>
#include <QPalette>
#include <QRegion>

#include "core/app/Program.h"
#include "ui/app/DrawingPainter.h"
#include "ui/app/Painting.h"
#include "ui/app/UiContext.h"

namespace qx {

BigDisplayController::BigDisplayController(UiContext& context)
    : FormController(context, WindowId::BigDisplay) {
  form().canvas->paintFunction = [this](QPainter& painter) { paint(painter); };
  form().canvas->onLeftClick = [this](QPointF at) { click(at); };
}

BigDisplaySources BigDisplayController::sources() const {
  const Program& p = context_.program;
  return {p.vital, p.settings, p.setup.record, p.sensorCheck.errorCount,
          p.editors.drawingBackground};
}

void BigDisplayController::fill() {
  Program& p = context_.program;
  // Around a maximised display the window shows the drawing's background.
  QPalette palette = form().palette();
  palette.setColor(QPalette::Window, toQColor(p.editors.drawingBackground));
  form().setPalette(palette);
  form().setAutoFillBackground(true);
  refreshBigDisplay(p.bigDisplay, sources(), true);
  // The layers changed while the window was hidden: the next update paints the area whole.
  shownSize_ = QSize();
}

void BigDisplayController::update() {
  Program& p = context_.program;
  // A change in the system, settings or learning window shows at once, not only with the
  // next tick.
  const std::optional<BigDisplayStaticInputs>& drawnFrom = p.bigDisplay.staticDrawnFrom;
  if (!drawnFrom ||
      !(*drawnFrom == staticInputsOf(p.settings, p.setup.record, p.editors.drawingBackground)))
    refreshBigDisplay(p.bigDisplay, sources());
  // Tick after tick only some live items change (the needle, a few values): only where they
  // were and are now is painted again, unless the static layer or the area's size changed.
  const BigDisplayState& state = p.bigDisplay;
  BigDisplayCanvas& area = *form().canvas;
  if (shownFrom_ != state.staticDrawnFrom || shownSize_ != area.size()) {
    area.update();
  } else {
    const QRegion changed = changedRegion(shownLive_, state.liveLayer, area, 1, form().scale());
    if (!changed.isEmpty()) area.update(changed);
  }
  shownLive_ = state.liveLayer;
  shownFrom_ = state.staticDrawnFrom;
  shownSize_ = area.size();
}

void BigDisplayController::click(QPointF at) {
  const double scale = form().scale();
  context_.handle([this, at, scale] {
    Program& p = context_.program;
    clickBigDisplay(p.bigDisplay, p.sensorCheck.errorCount, at.x(), at.y(), scale);
    refreshBigDisplay(p.bigDisplay, sources());
  });
}

void BigDisplayController::paint(QPainter& painter) {
  const BigDisplayState& state = context_.program.bigDisplay;
  const double scale = form().scale();
  const QSize size = form().canvas->size();
  const qreal ratio = form().canvas->devicePixelRatioF();
  // The static layer changes seldom: painted once into a pixmap of the area's size, which
  // every frame then only copies.
  if (staticPixmap_.size() != size * ratio || pixmapFrom_ != state.staticDrawnFrom) {
    staticPixmap_ = QPixmap(size * ratio);
    staticPixmap_.setDevicePixelRatio(ratio);
    QPainter still(&staticPixmap_);
    still.scale(scale, scale);
    paintDrawing(still, state.staticLayer, {.fillBackground = true, .antialiased = true});
    pixmapFrom_ = state.staticDrawnFrom;
  }
  painter.drawPixmap(0, 0, staticPixmap_);
  painter.scale(scale, scale);
  paintDrawing(painter, state.liveLayer, {.fillBackground = false, .antialiased = true});
}

}  // namespace qx
