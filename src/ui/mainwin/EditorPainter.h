#pragma once
// Paints the editors' drawings that core computed into the main window's drawing areas.

#include "core/mainwin/EditorDrawing.h"

class QPainter;

namespace qx {

class Hauptdialog;
struct Program;

// The drawing background from the system colours (window, else button face).
Rgb systemDrawingBackground();

// The four editors' drawing areas of the main window: they paint the program's latest
// drawings of the editors.
class EditorCanvases {
 public:
  // Decides the drawing background and lets the drawing areas paint the drawings.
  EditorCanvases(Program& program, Hauptdialog& form);

  // Repaints the areas of the editors that were drawn anew.
  void repaint(const RedrawSet& drawn);

 private:
  Hauptdialog& form_;
};

}  // namespace qx
