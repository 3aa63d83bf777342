#pragma once
// Placing controls at the fixed positions of the window layouts. Positions are relative to
// the window's scroll area; frames are placed first so that the controls lie above them.

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace qx {

// A static text; without a width it takes the width it needs.
QLabel* placeLabel(QWidget* area, const QString& text, int x, int y, int w = -1, int h = 20);
// A right-aligned static text the program fills.
QLabel* placeValue(QWidget* area, int x, int y, int w, int h = 20);
QGroupBox* placeFrame(QWidget* area, const QString& title, int x, int y, int w, int h);
QPushButton* placeButton(QWidget* area, const QString& text, int x, int y, int w = 100,
                         int h = 25, const QString& tooltip = {});
QCheckBox* placeCheck(QWidget* area, const QString& text, int x, int y,
                      const QString& tooltip = {});
// An option button; options of one group are joined by the caller.
QRadioButton* placeOption(QWidget* area, const QString& text, int x, int y,
                          const QString& tooltip = {});
QLineEdit* placeField(QWidget* area, int x, int y, int w, int h = 20, const QString& tooltip = {});
QComboBox* placeCombo(QWidget* area, int x, int y, int w, int h, const QString& tooltip = {});
QProgressBar* placeProgress(QWidget* area, int x, int y, int w, int h);

}  // namespace qx
