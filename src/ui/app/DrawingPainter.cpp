#include "ui/app/DrawingPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRect>
#include <QTransform>
#include <algorithm>
#include <array>

#include "core/draw/Drawing.h"
#include "platform/QtText.h"

namespace qx {

namespace {
QColor colourOf(const Rgb& c) {
  return QColor(c.r, c.g, c.b, c.a);
}

Qt::PenStyle penStyle(LineStyle s) {
  switch (s) {
    case LineStyle::Dash:
      return Qt::DashLine;
    case LineStyle::Dot:
      return Qt::DotLine;
    default:
      return Qt::SolidLine;
  }
}

QPen pen(const Rgb& c, double width, LineStyle style = LineStyle::Solid) {
  QPen p(colourOf(c), width);
  p.setStyle(penStyle(style));
  p.setCapStyle(Qt::FlatCap);
  return p;
}

QPointF pt(const DrawPoint& p) {
  return {p.x, p.y};
}

// The image the painter paints on, when writing pixels straight into it gives what the
// painter would paint: a 32-bit image of its own, no clipping, a transform that only moves
// and scales, and an opaque colour painted over.
QImage* directTarget(QPainter& painter, const Rgb& colour) {
  QPaintDevice* device = painter.device();
  if (device == nullptr || device->devType() != QInternal::Image || painter.hasClipping() ||
      colour.a != 255 || painter.opacity() != 1 ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver)
    return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
       format != QImage::Format_ARGB32_Premultiplied) ||
      !image->isDetached())
    return nullptr;
  const QTransform t = painter.combinedTransform();
  if (t.type() > QTransform::TxScale || t.m11() <= 0 || t.m22() <= 0) return nullptr;
  return image;
}

// Fills the runs into the image. Each pixel of the drawing is a unit box whose corners go
// to the image's pixel grid. The columns are taken in groups and each group is written row
// by row, so that every row of the image is visited once per group rather than once per
// column.
void fillSpans(QImage& image, const QTransform& t, const DrawColumnSpans& s) {
  struct DeviceRun {
    int x0, x1, y0, y1;
  };
  constexpr std::size_t kGroup = 16;
  std::array<DeviceRun, kGroup> runs;
  auto deviceX = [&t](int x) { return qRound(t.m11() * x + t.dx()); };
  auto deviceY = [&t](int y) { return qRound(t.m22() * y + t.dy()); };
  const QRgb pixel = qRgb(s.colour.r, s.colour.g, s.colour.b);
  const int width = image.width(), height = image.height();
  const qsizetype stride = image.bytesPerLine();
  uchar* bits = image.bits();
  for (std::size_t g = 0; g < s.spans.size(); g += kGroup) {
    std::size_t n = 0;
    int top = height, bottom = 0;
    for (std::size_t i = g; i < std::min(s.spans.size(), g + kGroup); ++i) {
      const ColumnSpan& span = s.spans[i];
      const int x = s.left + static_cast<int>(i);
      const DeviceRun run{std::max(0, deviceX(x)), std::min(width, deviceX(x + 1)),
                          std::max(0, deviceY(span.top)),
                          std::min(height, deviceY(span.bottom + 1))};
      if (run.x0 >= run.x1 || run.y0 >= run.y1) continue;
      runs[n++] = run;
      top = std::min(top, run.y0);
      bottom = std::max(bottom, run.y1);
    }
    for (int y = top; y < bottom; ++y) {
      auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
      for (std::size_t k = 0; k < n; ++k)
        if (runs[k].y0 <= y && y < runs[k].y1)
          for (int x = runs[k].x0; x < runs[k].x1; ++x) row[x] = pixel;
    }
  }
}

struct ItemPainter {
  QPainter& painter;
  const QColor background;
  double fontScale;

  void operator()(const DrawLine& l) const {
    painter.setPen(pen(l.colour, l.width, l.style));
    painter.drawLine(QLineF(pt(l.from), pt(l.to)));
  }
  void operator()(const DrawText& t) const {
    const QFont saved = painter.font();
    if (t.style.size > 0 || t.style.bold || t.style.fixedPitch) {
      QFont f = saved;
      if (t.style.fixedPitch) {
        f.setFamily(QStringLiteral("Courier"));
        f.setStyleHint(QFont::TypeWriter);
      }
      if (t.style.size > 0) f.setPointSizeF(t.style.size * fontScale);
      f.setBold(t.style.bold);
      painter.setFont(f);
    }
    const QString text = toQ(t.text);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double w = metrics.horizontalAdvance(text);
    const double h = metrics.height();
    // The box relative to the anchor; a turned text turns about its anchor.
    double x = 0, y = 0;
    if (t.style.h == HAlign::Centre) x -= w / 2;
    if (t.style.h == HAlign::Right) x -= w;
    if (t.style.v == VAlign::Middle) y -= h / 2;
    if (t.style.v == VAlign::Bottom) y -= h;
    painter.save();
    painter.translate(t.at.x, t.at.y);
    if (t.style.angle != 0) painter.rotate(-t.style.angle);
    const QRectF box(x, y, w, h);
    if (t.style.opaque) painter.fillRect(box, background);
    painter.setPen(colourOf(t.colour));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter.restore();
    painter.setFont(saved);
  }
  void operator()(const DrawCircle& c) const {
    painter.setPen(pen(c.colour, c.width));
    painter.setBrush(c.filled ? QBrush(colourOf(c.colour)) : QBrush(Qt::NoBrush));
    painter.drawEllipse(pt(c.centre), c.radius, c.radius);
    painter.setBrush(Qt::NoBrush);
  }
  void operator()(const DrawRect& r) const {
    const QRectF box(r.topLeft.x, r.topLeft.y, r.w, r.h);
    if (r.filled) painter.fillRect(box, colourOf(r.fill));
    if (r.outlined) {
      painter.setPen(pen(r.outline, r.width));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(box);
    }
  }
  void operator()(const DrawGradientRect& r) const {
    const QRectF box(r.topLeft.x, r.topLeft.y, r.w, r.h);
    QLinearGradient g(box.topLeft(), r.vertical ? box.bottomLeft() : box.topRight());
    g.setColorAt(0, colourOf(r.from));
    g.setColorAt(1, colourOf(r.to));
    painter.fillRect(box, g);
  }
  void operator()(const DrawPolyline& p) const {
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(p.points.size()));
    for (const DrawPoint& q : p.points) poly << pt(q);
    painter.setPen(pen(p.colour, p.width, p.style));
    if (p.filled) {
      painter.setBrush(colourOf(p.fill));
      painter.drawPolygon(poly);
      painter.setBrush(Qt::NoBrush);
    } else if (p.closed) {
      painter.drawPolygon(poly);
    } else {
      painter.drawPolyline(poly);
    }
  }
  void operator()(const DrawColumnSpans& s) const {
    if (QImage* image = directTarget(painter, s.colour)) {
      fillSpans(*image, painter.combinedTransform(), s);
      return;
    }
    QList<QRect> rects;
    rects.reserve(static_cast<qsizetype>(s.spans.size()));
    for (std::size_t i = 0; i < s.spans.size(); ++i)
      if (s.spans[i].top <= s.spans[i].bottom)
        rects.append(QRect(s.left + static_cast<int>(i), s.spans[i].top, 1,
                           s.spans[i].bottom - s.spans[i].top + 1));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colourOf(s.colour));
    painter.drawRects(rects.constData(), static_cast<int>(rects.size()));
    painter.restore();
  }
  void operator()(const DrawArc& a) const {
    painter.setPen(pen(a.colour, a.width));
    const QRectF box(a.centre.x - a.radius, a.centre.y - a.radius, 2 * a.radius, 2 * a.radius);
    painter.drawArc(box, static_cast<int>(a.startDeg * 16), static_cast<int>(a.spanDeg * 16));
  }
};
}  // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const PaintOptions& options) {
  const QColor background = colourOf(drawing.background);
  if (options.fillBackground) painter.fillRect(painter.window(), background);
  painter.setRenderHint(QPainter::Antialiasing, options.antialiased);
  const ItemPainter paint{painter, background, options.fontScale};
  for (const DrawItem& item : drawing.items) std::visit(paint, item);
}

}  // namespace qx
