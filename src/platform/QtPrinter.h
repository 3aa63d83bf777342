#pragma once
// Printing through Qt: the print dialog, then one page painted from a core drawing in points.
// Tests and scripts may send the page to a PDF file instead, without the dialog.

#include <QString>

#include "core/ports/Printer.h"

class QWidget;

namespace qx {

class QtPrinter final : public Printer {
 public:
  PrintResult printPage(
      const std::string& jobName,
      const std::function<Drawing(double widthPt, double heightPt)>& page) override;

  // Every later job goes to this PDF file without a dialog (empty: the dialog again).
  void setPdfOutput(const QString& path) { pdfPath_ = path; }

 private:
  QString pdfPath_;
};

}  // namespace qx
