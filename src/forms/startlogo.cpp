#include "forms/startlogo.h"

#include <QFont>
#include <QLabel>
#include <QProgressBar>

#include "forms/Layout.h"

namespace qx {

startlogo::startlogo() : FormWindow(220, 170, false) {
  setWindowTitle(QStringLiteral("Quarnelix startet..."));
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint);
  QWidget* a = area();

  auto centred = [a](const QString& text, int x, int y, int w, int h) {
    QLabel* l = placeLabel(a, text, x, y, w, h);
    l->setAlignment(Qt::AlignCenter);
    return l;
  };
  QLabel* name = centred(QStringLiteral("Quarnelix"), 20, 20, 180, 30);
  QFont big = name->font();
  big.setPointSize(big.pointSize() + 7);
  big.setBold(true);
  name->setFont(big);
  QLabel* subtitle = centred(QStringLiteral("Zünd- & Einspritzsteuerung"), 20, 50, 180, 20);
  QFont narrow = subtitle->font();
  narrow.setPointSize(narrow.pointSize() - 1);  // the typewriter face is wide
  subtitle->setFont(narrow);
  centred(QStringLiteral("für 2 Takt-Motoren"), 20, 70, 180, 20);
  centred(QStringLiteral("Viel Spaß"), 20, 90, 180, 20);
  placeLabel(a, QString(), 50, 105, 115, 25);
  centred(QStringLiteral("ORK-Steuergerät"), 20, 150, 170, 15);

  progress = placeProgress(a, 20, 130, 180, 10);
  progress->setRange(0, 1000);
}

}  // namespace qx
