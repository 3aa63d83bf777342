#pragma once
// The big display: paints the core's two layers into its drawing area, scaled to the
// window and anti-aliased, and turns clicks on the values into their resets.

#include <QPixmap>
#include <optional>

#include "core/display/BigDisplay.h"
#include "forms/grossbild.h"
#include "ui/app/WindowController.h"

class QPainter;

namespace qx {

class UiContext;

class BigDisplayController final : public FormController<grossbild> {
 public:
  explicit BigDisplayController(UiContext& context);

 protected:
  // Opened: both layers drawn anew for the current sample.
  void fill() override;
  // After every pass: the static layer anew when a setting it shows changed, then painted.
  void update() override;

 private:
  BigDisplaySources sources() const;
  void paint(QPainter& painter);
  void click(QPointF at);

  // The static layer as painted at the drawing area's size, and what it was drawn from.
  QPixmap staticPixmap_;
  std::optional<BigDisplayStaticInputs> pixmapFrom_;
  // What the area was last asked to show: the live layer, the static layer's inputs and the
  // area's size.
  Drawing shownLive_;
  std::optional<BigDisplayStaticInputs> shownFrom_;
  QSize shownSize_;
};

}  // namespace qx
