#pragma once
// Printing one page: the user chooses the printer in the platform's print dialog, then the
// page is drawn for the chosen paper as a drawing in points (1/72 inch).

#include <functional>
#include <string>

#include "core/draw/Drawing.h"
#include "core/print/PrintFrame.h"

namespace qx {

class Printer {
 public:
  virtual ~Printer() = default;
  // Shows the print dialog; on OK prints the page that `page` draws for the paper's
  // printable width and height in points. Cancelled when the dialog is closed without
  // printing, Failed when the printer refuses the job.
  virtual PrintResult printPage(
      const std::string& jobName,
      const std::function<Drawing(double widthPt, double heightPt)>& page) = 0;
};

}  // namespace qx
