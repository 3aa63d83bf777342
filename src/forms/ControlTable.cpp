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
      auto* value = new QLabel(t, area);
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
  // A value changes with every tick. One that lies on nothing but a frame paints its own
  // background (the window's colour), so that the frame is not painted again with it; one
  // that overlaps another control leaves the background to what lies beneath.
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].kind != ControlKind::Value) continue;
    const QRect place = placed.all_[i]->geometry();
    bool alone = true;
    for (std::size_t j = 0; j < table.size() && alone; ++j)
      alone = j == i || table[j].kind == ControlKind::Frame ||
              !placed.all_[j]->geometry().intersects(place);
    placed.all_[i]->setAutoFillBackground(alone);
  }
  return placed;
}

}  // namespace qx
