#pragma once
// A top-level window whose controls lie at fixed positions on a scroll area of fixed inner
// size. The scroll area follows the window's size; maximising puts the window back to
// normal state at the inner size, centred; closing hides (or calls onClose instead).

#include <QWidget>
#include <functional>

#include "core/app/Windows.h"

class QScrollArea;

namespace qx {

class FormWindow : public QWidget {
 public:
  // A window as the window table describes it: its size, resizability and content size.
  explicit FormWindow(WindowId id);
  FormWindow(int innerWidth, int innerHeight, bool resizable);

  // The fixed-size widget that holds the controls.
  QWidget* area() const { return area_; }
  QScrollArea* scrollArea() const { return scroll_; }
  int innerWidth() const { return innerWidth_; }
  int innerHeight() const { return innerHeight_; }

  // Called instead of hiding when the user closes the window.
  std::function<void()> onClose;
  // Called after the window was hidden by its close button (to clear a shown flag).
  std::function<void()> onHidden;
  // Whether the window is centred on the screen when maximising puts it back to normal.
  bool centreAfterMaximise = true;
  // Whether maximising puts the window back to normal state at all (a window without
  // controls, such as the big display, may fill the screen).
  bool normalAfterMaximise = true;

  void centerOnScreen();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QScrollArea* scroll_;
  QWidget* area_;
  int innerWidth_;
  int innerHeight_;
};

}  // namespace qx
