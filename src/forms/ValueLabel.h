#pragma once
// A value: right-aligned text that the program changes with every tick.

#include <QLabel>

namespace qx {

// Paints its text as a QLabel does, pixel for pixel, but from a laid-out text kept for each
// text shown: a QLabel lays its text out anew on every paint, and a window full of values
// changing with every tick spent most of its painting there. Anything a plain one-line
// value does not have (rich text, a frame, a buddy, wrapping, margins, a disabled state,
// more than one line) is left to QLabel.
class ValueLabel final : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool plainLine() const;

  QString fontKey_;  // the font and resolution the texts are laid out for; empty: anew
  int keyDpi_ = 0;
};

}  // namespace qx
