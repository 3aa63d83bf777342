#pragma once
// Paints the editors' drawings that core computed into the main window's drawing areas.

#include "core/mainwin/EditorDrawing.h"

class QPainter;

namespace qx {

class Hauptdialog;
struct Program;

// The drawing background from the system colours (window, else button face).
Rgb systemDrawingBackground();

// The four editors' drawing areas of the main window and their latest drawings.
class EditorCanvases {
 public:
  // Decides the drawing background and lets the drawing areas paint the drawings.
  EditorCanvases(Program& program, Hauptdialog& form);

  // Redraws the given editors (and those whose data changed) and repaints their areas.
  void redraw(const RedrawSet& which);
  void redrawAll();
  // After every pass: redraws what changed behind the editors' back (a setup loaded or
  // read, the learned map).
  void refresh();

  const EditorDrawings& drawings() const { return drawings_; }

 private:
  void repaint(const RedrawSet& drawn);

  Program& program_;
  Hauptdialog& form_;
  EditorDrawings drawings_;
};

}  // namespace qx
