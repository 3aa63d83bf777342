#include "ui/mainwin/EditorPainter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "core/app/Program.h"
#include "forms/Canvas.h"
#include "forms/Hauptdialog.h"
#include "platform/QtText.h"
#include "ui/app/Painting.h"

namespace qx {

namespace {
Rgb toRgb(const QColor& c) {
  return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue())};
}

struct ItemPainter {
  QPainter& painter;
  const QColor background;

  void operator()(const DrawLine& l) const {
    painter.setPen(QPen(toQColor(l.colour), l.width));
    painter.drawLine(QLineF(l.from.x, l.from.y, l.to.x, l.to.y));
  }
  void operator()(const DrawText& t) const {
    const QString text = toQ(t.text);
    const QFontMetrics metrics(painter.font());
    const QRectF box(t.at.x, t.at.y, metrics.horizontalAdvance(text), metrics.height());
    painter.fillRect(box, background);
    painter.setPen(toQColor(t.colour));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  }
  void operator()(const DrawCircle& c) const {
    painter.setPen(toQColor(c.colour));
    painter.setBrush(c.filled ? QBrush(toQColor(c.colour)) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QPointF(c.centre.x, c.centre.y), c.radius, c.radius);
    painter.setBrush(Qt::NoBrush);
  }
};
}  // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing) {
  const QColor background = toQColor(drawing.background);
  painter.fillRect(painter.window(), background);
  const ItemPainter paint{painter, background};
  for (const DrawItem& item : drawing.items) std::visit(paint, item);
}

Rgb systemDrawingBackground() {
  // The window colour of the system is the background of text areas (Base here); the
  // button face is the colour of dialogs and buttons.
  const QPalette palette = QApplication::palette();
  return chooseDrawingBackground(toRgb(palette.color(QPalette::Base)),
                                 toRgb(palette.color(QPalette::Button)));
}

EditorCanvases::EditorCanvases(Program& program, Hauptdialog& form)
    : program_(program), form_(form) {
  program_.editors.drawingBackground = systemDrawingBackground();
  const auto paintWith = [](Canvas* canvas, const Drawing& drawing) {
    canvas->paintFunction = [&drawing](QPainter& painter) { paintDrawing(painter, drawing); };
  };
  paintWith(form_.mapCanvas, drawings_.injectionMap);
  paintWith(form_.airEditor.canvas, drawings_.airTemp);
  paintWith(form_.engineEditor.canvas, drawings_.engineTemp);
  paintWith(form_.ignitionEditor.canvas, drawings_.ignition);
}

void EditorCanvases::redraw(const RedrawSet& which) {
  repaint(redrawEditors(program_, which, drawings_));
}

void EditorCanvases::redrawAll() {
  redraw({true, true, true, true});
}

void EditorCanvases::refresh() {
  redraw({});
}

void EditorCanvases::repaint(const RedrawSet& drawn) {
  if (drawn.injectionMap) form_.mapCanvas->update();
  if (drawn.airTemp) form_.airEditor.canvas->update();
  if (drawn.engineTemp) form_.engineEditor.canvas->update();
  if (drawn.ignition) form_.ignitionEditor.canvas->update();
}

}  // namespace qx
