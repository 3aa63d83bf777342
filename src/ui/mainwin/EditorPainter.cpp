#include "ui/mainwin/EditorPainter.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include "core/app/Program.h"
#include "forms/Canvas.h"
#include "forms/Hauptdialog.h"
#include "platform/QtText.h"
#include "ui/app/DrawingPainter.h"
#include "ui/app/Painting.h"

namespace qx {

namespace {
Rgb toRgb(const QColor& c) {
  return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue())};
}

}  // namespace

Rgb systemDrawingBackground() {
  // The window colour of the system is the background of text areas (Base here); the
  // button face is the colour of dialogs and buttons.
  const QPalette palette = QApplication::palette();
  return chooseDrawingBackground(toRgb(palette.color(QPalette::Base)),
                                 toRgb(palette.color(QPalette::Button)));
}

EditorCanvases::EditorCanvases(Program& program, Hauptdialog& form) : form_(form) {
  program.editors.drawingBackground = systemDrawingBackground();
  const auto paintWith = [](Canvas* canvas, const Drawing& drawing) {
    canvas->paintFunction = [&drawing](QPainter& painter) { paintDrawing(painter, drawing); };
  };
  EditorDrawings& d = program.editorDrawings;
  paintWith(form_.mapCanvas, d.injectionMap);
  paintWith(form_.airEditor.canvas, d.airTemp);
  paintWith(form_.engineEditor.canvas, d.engineTemp);
  paintWith(form_.ignitionEditor.canvas, d.ignition);
}

void EditorCanvases::repaint(const RedrawSet& drawn) {
  if (drawn.injectionMap) form_.mapCanvas->update();
  if (drawn.airTemp) form_.airEditor.canvas->update();
  if (drawn.engineTemp) form_.engineEditor.canvas->update();
  if (drawn.ignition) form_.ignitionEditor.canvas->update();
}

}  // namespace qx
