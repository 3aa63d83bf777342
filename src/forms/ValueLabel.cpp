#include "forms/ValueLabel.h"

#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QStyleOption>
#include <QTextLayout>
#include <QTextOption>

namespace qx {

namespace {
// A text laid out once as QPainter::drawText lays out a one-line text: its line begins at the
// top (the font's leading only lies between lines) and its trailing spaces count.
struct LaidOutLine {
  QStaticText text;
  qreal advance = 0;  // the line's horizontal advance
  qreal height = 0;   // the line's height (ascent + descent)
};

// `fontKey` names the font and the resolution it is laid out for.
const LaidOutLine& laidOut(const QString& text, const QFont& font, const QString& fontKey) {
  static QHash<QString, LaidOutLine> cache;
  constexpr qsizetype kMaxTexts = 4096;  // values change: the cache must not grow for ever
  const QString key = fontKey + text;
  auto found = cache.constFind(key);
  if (found != cache.constEnd()) return *found;
  if (cache.size() >= kMaxTexts) cache.clear();
  LaidOutLine laid;
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(Qt::LeftToRight);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(0x01000000);
  layout.endLayout();
  laid.advance = line.horizontalAdvance();
  laid.height = line.height();
  laid.text = QStaticText(text);
  laid.text.setTextFormat(Qt::PlainText);
  laid.text.setTextOption(option);
  laid.text.setPerformanceHint(QStaticText::AggressiveCaching);
  laid.text.prepare(QTransform(), font);
  return *cache.insert(key, laid);
}
}  // namespace

bool ValueLabel::plainLine() const {
  const QString& t = text();
  const bool plain = textFormat() == Qt::PlainText ||
                     (textFormat() == Qt::AutoText && !Qt::mightBeRichText(t));
  // A frame gives a QLabel without indent an indent of its own: left to QLabel.
  return plain && isEnabled() && !wordWrap() && margin() == 0 && indent() < 0 &&
         frameWidth() == 0 && !buddy() &&
         textInteractionFlags() == Qt::LinksAccessibleByMouse &&  // not selectable
         alignment() == (Qt::AlignRight | Qt::AlignVCenter) && pixmap().isNull() &&
         styleSheet().isEmpty() && layoutDirection() == Qt::LeftToRight &&
         !t.contains(u'\n') && !t.contains(u'\t');
}

void ValueLabel::paintEvent(QPaintEvent* event) {
  if (!plainLine()) {
    QLabel::paintEvent(event);
    return;
  }
  if (text().isEmpty()) return;
  QPainter painter(this);
  // As QLabel: the text in the label's rectangle, right-aligned and vertically centred, in
  // the palette's colour of the label's foreground role for its current state.
  const QRect r = rect();
  // The font's key takes longer to build than the text takes to paint: kept until the font
  // or the resolution changes.
  const int dpi = logicalDpiY();
  if (fontKey_.isEmpty() || dpi != keyDpi_) {
    fontKey_ = font().key() + QChar(0x1f) + QString::number(dpi) + QChar(0x1f);
    keyDpi_ = dpi;
  }
  const LaidOutLine& laid = laidOut(text(), font(), fontKey_);
  QStyleOption option;
  option.initFrom(this);
  painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
  // A text wider or taller than the rectangle is cut at its edges.
  if (laid.advance > r.width() || laid.height > r.height())
    painter.setClipRect(r, Qt::IntersectClip);
  painter.drawStaticText(
      QPointF(r.x() + r.width() - laid.advance, r.y() + (r.height() - laid.height) / 2),
      laid.text);
}

void ValueLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) fontKey_.clear();
  QLabel::changeEvent(event);
}

}  // namespace qx
