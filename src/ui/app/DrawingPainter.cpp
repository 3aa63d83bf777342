#include "ui/app/DrawingPainter.h"
#include "ui/app/StillItemsCache.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRect>
#include <QRegion>
#include <QStaticText>
#include <QTransform>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <type_traits>
#include <vector>

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

// A text laid out once for a font and resolution: windows draw the same labels and values
// tick after tick, and shaping them anew each time was most of a redraw.
struct LaidOutText {
  QStaticText text;
  double width = 0, height = 0;
};

bool onScreen(const QPaintDevice* device) {
  if (!device) return false;
  const int type = device->devType();
  return type == QInternal::Widget || type == QInternal::Image || type == QInternal::Pixmap;
}

const LaidOutText& laidOut(const QString& text, const QFont& font, const QPaintDevice* device) {
  static QHash<QString, LaidOutText> cache;
  constexpr qsizetype kMaxTexts = 8192;  // changing texts (clocks, counters) must not pile up
  const QString key = font.key() + QChar(0x1f) + QString::number(device->logicalDpiX()) +
                      QChar(0x1f) + QString::number(device->logicalDpiY()) + QChar(0x1f) + text;
  auto found = cache.constFind(key);
  if (found != cache.constEnd()) return *found;
  if (cache.size() >= kMaxTexts) cache.clear();
  LaidOutText t;
  t.text = QStaticText(text);
  t.text.setTextFormat(Qt::PlainText);
  const QFontMetricsF metrics(font, const_cast<QPaintDevice*>(device));
  t.width = metrics.horizontalAdvance(text);
  t.height = metrics.height();
  return *cache.insert(key, std::move(t));
}

// The font a text is painted in: the area's own, changed by the text's style.
QFont styledFont(const QFont& base, const TextStyle& style, double fontScale) {
  if (!(style.size > 0 || style.bold || style.fixedPitch)) return base;
  QFont f = base;
  if (style.fixedPitch) {
    f.setFamily(QStringLiteral("Courier"));
    f.setStyleHint(QFont::TypeWriter);
  }
  if (style.size > 0) f.setPointSizeF(style.size * fontScale);
  f.setBold(style.bold);
  return f;
}

// A text's size in its font; laid out once on screen, measured each time elsewhere.
struct MeasuredText {
  double w = 0, h = 0;
  const LaidOutText* cached = nullptr;
};
MeasuredText measure(const QString& text, const QFont& font, const QPaintDevice* device) {
  if (onScreen(device)) {
    const LaidOutText& t = laidOut(text, font, device);
    return {t.width, t.height, &t};
  }
  const QFontMetricsF metrics(font, const_cast<QPaintDevice*>(device));
  return {metrics.horizontalAdvance(text), metrics.height(), nullptr};
}

// The text's box relative to its anchor.
QRectF textBox(const TextStyle& style, double w, double h) {
  double x = 0, y = 0;
  if (style.h == HAlign::Centre) x -= w / 2;
  if (style.h == HAlign::Right) x -= w;
  if (style.v == VAlign::Middle) y -= h / 2;
  if (style.v == VAlign::Bottom) y -= h;
  return {x, y, w, h};
}

// The box of an arc as the painter strokes it (angles in whole sixteenths of a degree,
// counter-clockwise from three o'clock with y downwards): its two ends and the points at
// 0°, 90°, 180° and 270° that it passes. A short arc on a large circle is a small box.
QRectF arcBox(const DrawArc& a) {
  constexpr int kQuarter = 90 * 16;
  const int start = static_cast<int>(a.startDeg * 16), span = static_cast<int>(a.spanDeg * 16);
  const double r = a.radius;
  if (std::abs(span) >= 4 * kQuarter)
    return {a.centre.x - r, a.centre.y - r, 2 * r, 2 * r};
  const int from = std::min(start, start + span), to = std::max(start, start + span);
  const auto at = [&](int sixteenths) {
    const double rad = sixteenths / 16.0 * std::numbers::pi / 180.0;
    return QPointF(a.centre.x + r * std::cos(rad), a.centre.y - r * std::sin(rad));
  };
  QRectF box(at(from), QSizeF(0, 0));
  const auto take = [&box](QPointF p) {
    box.setLeft(std::min(box.left(), p.x()));
    box.setRight(std::max(box.right(), p.x()));
    box.setTop(std::min(box.top(), p.y()));
    box.setBottom(std::max(box.bottom(), p.y()));
  };
  take(at(to));
  // The first quarter mark at or after `from` (rounded up, also below zero).
  const int firstQuarter = (from >= 0 ? (from + kQuarter - 1) / kQuarter : -(-from / kQuarter));
  for (int q = firstQuarter * kQuarter; q <= to; q += kQuarter) take(at(q));
  return box;
}

// Where an item may paint, in drawing coordinates: generous by a pen width, glyphs reaching
// beyond their advance and a turned text's whole circle.
QRectF itemBounds(const DrawItem& item, const QFont& font, const QPaintDevice* device,
                  double fontScale) {
  const auto box = [](double x1, double y1, double x2, double y2, double margin) {
    return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                  QPointF(std::max(x1, x2), std::max(y1, y2)))
        .adjusted(-margin, -margin, margin, margin);
  };
  return std::visit(
      [&](const auto& i) -> QRectF {
        using T = std::decay_t<decltype(i)>;
        if constexpr (std::is_same_v<T, DrawLine>) {
          return box(i.from.x, i.from.y, i.to.x, i.to.y, i.width + 2);
        } else if constexpr (std::is_same_v<T, DrawText>) {
          const MeasuredText m = measure(toQ(i.text), styledFont(font, i.style, fontScale), device);
          if (i.style.angle != 0) {
            const double r = std::hypot(m.w, m.h) + m.h;
            return box(i.at.x - r, i.at.y - r, i.at.x + r, i.at.y + r, 2);
          }
          const QRectF t = textBox(i.style, m.w, m.h).translated(i.at.x, i.at.y);
          return t.adjusted(-m.h / 2 - 2, -2, m.h / 2 + 2, 2);
        } else if constexpr (std::is_same_v<T, DrawArc>) {
          return arcBox(i).adjusted(-i.width - 2, -i.width - 2, i.width + 2, i.width + 2);
        } else if constexpr (std::is_same_v<T, DrawCircle>) {
          const double r = i.radius;
          return box(i.centre.x - r, i.centre.y - r, i.centre.x + r, i.centre.y + r, i.width + 2);
        } else if constexpr (std::is_same_v<T, DrawRect>) {
          return box(i.topLeft.x, i.topLeft.y, i.topLeft.x + i.w, i.topLeft.y + i.h, i.width + 2);
        } else if constexpr (std::is_same_v<T, DrawGradientRect>) {
          return box(i.topLeft.x, i.topLeft.y, i.topLeft.x + i.w, i.topLeft.y + i.h, 2);
        } else if constexpr (std::is_same_v<T, DrawColumnSpans>) {
          if (i.spans.empty()) return {};
          int top = i.spans[0].top, bottom = i.spans[0].bottom;
          for (const ColumnSpan& c : i.spans)
            top = std::min(top, c.top), bottom = std::max(bottom, c.bottom);
          return box(i.left, top, i.left + static_cast<double>(i.spans.size()), bottom + 1.0, 1);
        } else {
          if (i.points.empty()) return {};
          double x1 = i.points[0].x, x2 = x1, y1 = i.points[0].y, y2 = y1;
          for (const DrawPoint& q : i.points) {
            x1 = std::min(x1, q.x), x2 = std::max(x2, q.x);
            y1 = std::min(y1, q.y), y2 = std::max(y2, q.y);
          }
          return box(x1, y1, x2, y2, 2 * i.width + 2);
        }
      },
      item);
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
    painter.setFont(styledFont(saved, t.style, fontScale));
    const QString text = toQ(t.text);
    const MeasuredText m = measure(text, painter.font(), painter.device());
    // The box relative to the anchor; a turned text turns about its anchor.
    const QRectF box = textBox(t.style, m.w, m.h);
    painter.save();
    painter.translate(t.at.x, t.at.y);
    if (t.style.angle != 0) painter.rotate(-t.style.angle);
    if (t.style.opaque) painter.fillRect(box, background);
    painter.setPen(colourOf(t.colour));
    if (m.cached)
      painter.drawStaticText(box.topLeft(), m.cached->text);
    else
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

namespace {
// Paints the items of the drawing that `wanted` picks (all without it); a partial repaint on
// screen leaves out the items clear of the painter's clip.
void paintItems(QPainter& painter, const Drawing& drawing, const PaintOptions& options,
                const std::vector<bool>* wanted = nullptr, bool wantedValue = true) {
  const QColor background = colourOf(drawing.background);
  if (options.fillBackground) painter.fillRect(painter.window(), background);
  painter.setRenderHint(QPainter::Antialiasing, options.antialiased);
  const ItemPainter paint{painter, background, options.fontScale};
  const QRectF clip = painter.hasClipping() ? painter.clipBoundingRect() : QRectF();
  const bool partial = !clip.isNull() && onScreen(painter.device()) &&
                       !clip.contains(QRectF(0, 0, drawing.width, drawing.height));
  // Two cells far apart are two small pieces, not the box round both.
  const QRegion pieces = partial ? painter.clipRegion() : QRegion();
  const QFont font = painter.font();
  for (std::size_t i = 0; i < drawing.items.size(); ++i) {
    if (wanted && (*wanted)[i] != wantedValue) continue;
    const DrawItem& item = drawing.items[i];
    if (partial) {
      const QRectF bounds = itemBounds(item, font, painter.device(), options.fontScale);
      if (!bounds.intersects(clip) || !pieces.intersects(bounds.toAlignedRect())) continue;
    }
    std::visit(paint, item);
  }
}

// Whether two items may touch a common pixel. Arcs and circles round one centre are rings:
// they touch only where their radii, widened by half their pens and a pixel of smoothing,
// meet; everything else is compared by its box.
bool mayTouch(const DrawItem& a, const DrawItem& b, const QRectF& boundsA, const QRectF& boundsB) {
  struct Ring {
    DrawPoint centre;
    double inner, outer;
  };
  const auto ring = [](const DrawItem& item) -> std::optional<Ring> {
    return std::visit(
        [](const auto& i) -> std::optional<Ring> {
          using T = std::decay_t<decltype(i)>;
          if constexpr (std::is_same_v<T, DrawArc> || std::is_same_v<T, DrawCircle>) {
            const bool filled = [&] {
              if constexpr (std::is_same_v<T, DrawCircle>) return i.filled;
              return false;
            }();
            const double reach = i.width / 2 + 1.5;
            return Ring{i.centre, filled ? 0.0 : i.radius - reach, i.radius + reach};
          } else {
            return std::nullopt;
          }
        },
        item);
  };
  const std::optional<Ring> ra = ring(a), rb = ring(b);
  if (ra && rb && ra->centre == rb->centre &&
      (ra->outer < rb->inner || rb->outer < ra->inner))
    return false;
  return boundsA.intersects(boundsB);
}
}  // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const PaintOptions& options) {
  paintItems(painter, drawing, options);
}

void StillItemsCache::paint(QPainter& painter, const Drawing& drawing, const QWidget& area,
                            const PaintOptions& options) {
  const qreal ratio = area.devicePixelRatioF();
  const QSize size = area.size() * ratio;
  const bool sameFrame = image_.size() == size && drawing.width == last_.width &&
                         drawing.height == last_.height &&
                         drawing.background == last_.background &&
                         drawing.items.size() == last_.items.size();
  std::vector<QRectF> bounds;
  if (sameFrame) {
    const QFont font = area.font();
    bounds.reserve(drawing.items.size());
    for (const DrawItem& item : drawing.items)
      bounds.push_back(itemBounds(item, font, &area, options.fontScale));
  }
  // Whether item i may stay beneath the painted items before it (those not in `in`).
  const auto untouched = [&](std::size_t i, const std::vector<bool>& in) {
    for (std::size_t j = 0; j < i; ++j)
      if (!in[j] && mayTouch(drawing.items[j], drawing.items[i], bounds[j], bounds[i]))
        return false;
    return true;
  };
  // The picture holds while its items are the same and no item painted over it has moved
  // onto one of them.
  bool pictureHolds = sameFrame;
  for (std::size_t i = 0; pictureHolds && i < drawing.items.size(); ++i)
    pictureHolds = !kept_[i] || (drawing.items[i] == last_.items[i] && untouched(i, kept_));
  if (!pictureHolds) {
    // The first drawing (or one of another size, background or item count) is kept whole;
    // from then on the items that are the same as in the one before and that no painted item
    // before them may touch.
    kept_.assign(drawing.items.size(), true);
    if (sameFrame)
      for (std::size_t i = 0; i < drawing.items.size(); ++i)
        kept_[i] = drawing.items[i] == last_.items[i] && untouched(i, kept_);
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    // The picture measures texts as the area does.
    image_.setDotsPerMeterX(qRound(area.logicalDpiX() / 0.0254));
    image_.setDotsPerMeterY(qRound(area.logicalDpiY() / 0.0254));
    QPainter still(&image_);
    still.setFont(area.font());
    PaintOptions whole = options;
    whole.fillBackground = true;
    paintItems(still, drawing, whole, &kept_, true);
  }
  last_ = drawing;
  painter.drawImage(0, 0, image_);
  PaintOptions rest = options;
  rest.fillBackground = false;
  paintItems(painter, drawing, rest, &kept_, false);
}

QRegion changedRegion(const Drawing& before, const Drawing& after, const QWidget& area,
                      double fontScale, double scale) {
  const QRect whole(0, 0, area.width(), area.height());
  if (before.width != after.width || before.height != after.height ||
      before.background != after.background || before.items.size() != after.items.size())
    return whole;
  QRegion changed;
  for (std::size_t i = 0; i < after.items.size(); ++i) {
    if (before.items[i] == after.items[i]) continue;
    for (const DrawItem* item : {&before.items[i], &after.items[i]}) {
      const QRectF b = itemBounds(*item, area.font(), &area, fontScale);
      changed += QRectF(b.x() * scale, b.y() * scale, b.width() * scale, b.height() * scale)
                     .toAlignedRect()
                     .adjusted(-1, -1, 1, 1);
    }
  }
  return changed & whole;
}

}  // namespace qx
