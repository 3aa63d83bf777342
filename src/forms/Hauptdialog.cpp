#include "forms/Hauptdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "forms/Canvas.h"
#include "forms/Layout.h"

namespace qx {

Hauptdialog::Hauptdialog() : FormWindow(830, 780, true) {
  setWindowTitle(QStringLiteral("Quarnelix - Zünd- und Einspritzsteuerung"));
  QWidget* a = area();

  communicationFrame = placeFrame(a, QStringLiteral("Kommunikation"), 10, 640, 470, 80);
  portList = placeCombo(a, 20, 660, 74, 25,
                        QStringLiteral("Auswahl des zu nutzenden COM-Anschlusses"));
  // Device names are longer than "COM3": the open list shows them whole.
  portList->view()->setMinimumWidth(220);
  comCheck = placeCheck(a, QStringLiteral("COM"), 100, 660,
                        QStringLiteral("Aktivieren der Kommunikation."));
  comCheck->setGeometry(100, 660, 48, 25);
  connectionLamp = new Canvas(a, 150, 665, 15, 15);
  refreshPortsButton = placeButton(a, QStringLiteral("verf. Ports ?"), 170, 660, 85, 25,
                                   QStringLiteral("Aktualisiert die verfügbaren COM-Anschlüsse"));
  placeLabel(a, QStringLiteral("Verbundene ORK: HW:"), 260, 665, 130, 15);
  hardwareValue = placeValue(a, 390, 665, 28, 15);
  placeLabel(a, QStringLiteral("SW:"), 420, 665, 28, 15);
  softwareValue = placeValue(a, 450, 665, 28, 15);

  // The status line shows the latest message; long ones are cut by the control only.
  statusLine = placeField(a, 20, 690, 450, 20);
  statusLine->setReadOnly(true);
  statusLine->setFocusPolicy(Qt::NoFocus);

  infoLabel = placeLabel(a, QStringLiteral("Quarnelix 1.E"), 340, 755, 125, 20);
  infoLabel->setAlignment(Qt::AlignCenter);
}

}  // namespace qx
