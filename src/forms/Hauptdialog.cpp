#include "forms/Hauptdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/Layout.h"

namespace qx {

Hauptdialog::Hauptdialog() : FormWindow(830, 780, true) {
  setWindowTitle(QStringLiteral("Quarnelix - Zünd- und Einspritzsteuerung"));
  QWidget* a = area();

  ignitionFrame = placeFrame(a, QStringLiteral("Zündwinkel berechnet"), 260, 80, 180, 130);
  placeLabel(a, QStringLiteral("Begrenzer ("), 270, 145);
  retardRpmValue = placeValue(a, 340, 145, 40);
  placeLabel(a, QStringLiteral("):"), 380, 145);
  retardAngleValue = placeValue(a, 400, 145, 30);

  communicationFrame = placeFrame(a, QStringLiteral("Kommunikation"), 10, 640, 470, 80);

  // The status line shows the latest message; long ones are cut by the control only.
  statusLine = placeField(a, 20, 690, 450, 20);
  statusLine->setReadOnly(true);
  statusLine->setFocusPolicy(Qt::NoFocus);

  infoLabel = placeLabel(a, QStringLiteral("Quarnelix 1.E"), 340, 755, 125, 20);
  infoLabel->setAlignment(Qt::AlignCenter);

  settingsButton = placeButton(a, QStringLiteral("Einstellungen"), 10, 750, 100, 25,
                               QStringLiteral("Öffnet das Fenster 'Einstellungen'"));
}

}  // namespace qx
