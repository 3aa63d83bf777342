#include "platform/QtPrinter.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/QtText.h"
#include "ui/app/DrawingPainter.h"

namespace qx {

PrintResult QtPrinter::printPage(const std::string& jobName,
                                 const std::function<Drawing(double, double)>& page) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(toQ(jobName));
  if (!pdfPath_.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath_);
  } else {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(toQ(jobName));
    if (dialog.exec() != QDialog::Accepted) return PrintResult::Cancelled;
  }
  const QRectF paper = printer.pageLayout().paintRect(QPageLayout::Point);
  const Drawing drawing = page(paper.width(), paper.height());
  QPainter painter;
  if (!painter.begin(&printer)) return PrintResult::Failed;
  // The drawing's points map onto the printable area, so lines and texts keep their size
  // whatever the printer's resolution.
  painter.setWindow(0, 0, static_cast<int>(paper.width()), static_cast<int>(paper.height()));
  painter.setViewport(
      printer.pageLayout()
          .paintRectPixels(printer.resolution())
          .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()));
  const double fontScale = 72.0 / printer.resolution();
  QFont font = painter.font();
  font.setPointSizeF(kPrintTextSize * fontScale);
  painter.setFont(font);
  paintDrawing(painter, drawing, {true, true, fontScale});
  return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

}  // namespace qx
