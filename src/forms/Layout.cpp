#include "forms/Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

QLabel* placeLabel(QWidget* area, const QString& text, int x, int y, int w, int h) {
  auto* label = new QLabel(text, area);
  if (w < 0) w = label->sizeHint().width();
  label->setGeometry(x, y, w, h);
  return label;
}

QLabel* placeValue(QWidget* area, int x, int y, int w, int h) {
  auto* label = new QLabel(area);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(x, y, w, h);
  return label;
}

QGroupBox* placeFrame(QWidget* area, const QString& title, int x, int y, int w, int h) {
  auto* frame = new QGroupBox(title, area);
  frame->setGeometry(x, y, w, h);
  frame->lower();
  return frame;
}

QPushButton* placeButton(QWidget* area, const QString& text, int x, int y, int w, int h,
                         const QString& tooltip) {
  auto* button = new QPushButton(text, area);
  button->setGeometry(x, y, w, h);
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::TabFocus);
  if (!tooltip.isEmpty()) button->setToolTip(tooltip);
  return button;
}

QCheckBox* placeCheck(QWidget* area, const QString& text, int x, int y, const QString& tooltip) {
  auto* box = new QCheckBox(text, area);
  box->setGeometry(x, y, box->sizeHint().width(), 15);
  if (!tooltip.isEmpty()) box->setToolTip(tooltip);
  return box;
}

QRadioButton* placeOption(QWidget* area, const QString& text, int x, int y,
                          const QString& tooltip) {
  auto* option = new QRadioButton(text, area);
  option->setGeometry(x, y, option->sizeHint().width(), 18);
  if (!tooltip.isEmpty()) option->setToolTip(tooltip);
  return option;
}

QLineEdit* placeField(QWidget* area, int x, int y, int w, int h, const QString& tooltip) {
  auto* field = new QLineEdit(area);
  field->setGeometry(x, y, w, h);
  if (!tooltip.isEmpty()) field->setToolTip(tooltip);
  return field;
}

QComboBox* placeCombo(QWidget* area, int x, int y, int w, int h, const QString& tooltip) {
  auto* combo = new QComboBox(area);
  combo->setGeometry(x, y, w, h);
  if (!tooltip.isEmpty()) combo->setToolTip(tooltip);
  return combo;
}

QProgressBar* placeProgress(QWidget* area, int x, int y, int w, int h) {
  auto* bar = new QProgressBar(area);
  bar->setGeometry(x, y, w, h);
  bar->setTextVisible(false);
  return bar;
}

}  // namespace qx
