#include "forms/ControlTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QSpinBox>

#include "forms/Canvas.h"
#include "forms/ValueLabel.h"

namespace qx {

namespace {
QString text(const char* utf8) {
  return utf8 ? QString::fromUtf8(utf8) : QString();
}

QWidget* create(QWidget* area, const ControlSpec& c) {
  const QString t = text(c.text);
  switch (c.kind) {
    case ControlKind::Frame:
      return new QGroupBox(t, area);
    case ControlKind::Label:
      return new QLabel(t, area);
    case ControlKind::Value: {
      auto* value = new ValueLabel(t, area);
      value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      return value;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(t, area);
      button->setAutoDefault(false);
      button->setFocusPolicy(Qt::TabFocus);
      return button;
    }
    case ControlKind::Check:
      return new QCheckBox(t, area);
    case ControlKind::Option:
      return new QRadioButton(t, area);
    case ControlKind::Field:
      return new QLineEdit(t, area);
    case ControlKind::NumberField: {
      auto* field = new QLineEdit(t, area);
      static const QRegularExpression digits(QStringLiteral("[0-9]*"));
      field->setValidator(new QRegularExpressionValidator(digits, field));
      return field;
    }
    case ControlKind::Combo:
      return new QComboBox(area);
    case ControlKind::Progress: {
      auto* bar = new QProgressBar(area);
      bar->setTextVisible(false);
      return bar;
    }
    case ControlKind::Canvas:
      return new Canvas(area, c.x, c.y, c.w, c.h);
    case ControlKind::Slider:
      return new QSlider(Qt::Horizontal, area);
    case ControlKind::Spin:
      return new QSpinBox(area);
  }
  return nullptr;
}

// The usual size of a kind where the table gives none.
QSize usualSize(const ControlSpec& c, QWidget* w) {
  const int hint = w->sizeHint().width();
  switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::Value:
      return {c.w < 0 ? hint : c.w, c.h < 0 ? 20 : c.h};
    case ControlKind::Button:
      return {c.w < 0 ? 100 : c.w, c.h < 0 ? 25 : c.h};
    case ControlKind::Check:
      return {c.w < 0 ? hint : c.w, c.h < 0 ? 15 : c.h};
    case ControlKind::Option:
      return {c.w < 0 ? hint : c.w, c.h < 0 ? 18 : c.h};
    default:
      return {c.w < 0 ? hint : c.w, c.h < 0 ? 20 : c.h};
  }
}

// The rows of a value in which its text may paint: one line, centred in its height.
QRect textRows(const QWidget* value) {
  const QRect place = value->geometry();
  const int line = value->fontMetrics().height();
  return {place.x(), place.y() + (place.height() - line) / 2 - 1, place.width(), line + 2};
}

// A value changes with every tick. Where it paints its own background (the window's colour),
// a changed value does not make the frame and the labels beneath it paint again. It may do
// so when nothing beneath it shows there: frames lie below it anyway (and their lines clear
// of it); labels it overlaps are put above it, their text then painted over its background;
// of two overlapping values, neither may have its text where they overlap. A value that
// overlaps any other control leaves the background to what lies beneath.
void fillValueBackgrounds(const std::vector<QWidget*>& widgets,
                          std::span<const ControlSpec> table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].kind != ControlKind::Value) continue;
    QWidget* value = widgets[i];
    const QRect place = value->geometry();
    QWidget* lowestLabel = nullptr;  // labels keep their table order, the first is lowest
    bool fill = true;
    for (std::size_t j = 0; j < table.size() && fill; ++j) {
      const ControlKind kind = table[j].kind;
      if (j == i || kind == ControlKind::Frame || !widgets[j]->geometry().intersects(place))
        continue;
      if (kind == ControlKind::Label) {
        if (!lowestLabel) lowestLabel = widgets[j];
      } else if (kind == ControlKind::Value) {
        const QRect overlap = widgets[j]->geometry() & place;
        fill = !overlap.intersects(textRows(value)) && !overlap.intersects(textRows(widgets[j]));
      } else {
        fill = false;
      }
    }
    value->setAutoFillBackground(fill);
    if (fill && lowestLabel) value->stackUnder(lowestLabel);
  }
}
}  // namespace

QWidget* PlacedControls::byKey(int key) const {
  for (const auto& [k, w] : keyed_)
    if (k == key) return w;
  return nullptr;
}

PlacedControls placeControls(QWidget* area, std::span<const ControlSpec> table) {
  PlacedControls placed;
  for (const ControlSpec& c : table) {
    QWidget* w = create(area, c);
    w->setGeometry(QRect(QPoint(c.x, c.y), usualSize(c, w)));
    if (c.tip) w->setToolTip(text(c.tip));
    // Frames lie below the controls placed on them.
    if (c.kind == ControlKind::Frame) w->lower();
    placed.all_.push_back(w);
    if (c.key >= 0) placed.keyed_.emplace_back(c.key, w);
  }
  fillValueBackgrounds(placed.all_, table);
  return placed;
}

}  // namespace qx
