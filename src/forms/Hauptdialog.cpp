#include "forms/Hauptdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "forms/Layout.h"

namespace qx {

Hauptdialog::Hauptdialog() : FormWindow(830, 780, true) {
  setWindowTitle(QStringLiteral("Quarnelix - Zünd- und Einspritzsteuerung"));
  QWidget* a = area();

  communicationFrame = placeFrame(a, QStringLiteral("Kommunikation"), 10, 640, 470, 80);

  // The status line shows the latest message; long ones are cut by the control only.
  statusLine = placeField(a, 20, 690, 450, 20);
  statusLine->setReadOnly(true);
  statusLine->setFocusPolicy(Qt::NoFocus);

  infoLabel = placeLabel(a, QStringLiteral("Quarnelix 1.E"), 340, 755, 125, 20);
  infoLabel->setAlignment(Qt::AlignCenter);
}

}  // namespace qx
