// A printed page: the core's drawing in points lands on the paper with its texts.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/print/PrintFrame.h"
#include "platform/QtPrinter.h"
#include "support/TempDir.h"

namespace qx {
namespace {

std::string pdfText(const std::string& path) {
  std::string out;
  if (FILE* pipe = ::popen(("pdftotext -layout '" + path + "' -").c_str(), "r")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    ::pclose(pipe);
  }
  return out;
}

TEST(Printer, APageInPointsPrintsToPdfWithItsTexts) {
  test::TempDir dir;
  QtPrinter printer;
  printer.setPdfOutput(QString::fromStdString(dir.file("seite.pdf")));
  double width = 0, height = 0;
  const PrintResult result = printer.printPage("Probe", [&](double w, double h) {
    width = w, height = h;
    Drawing page = printPage(w, h);
    addPrintTitle(page, "ORK - Leistungsvergleich");
    printText(page, 20, 100, "Drehzahl 7350 Umin, Leistung 31.9 kW");
    return page;
  });
  EXPECT_EQ(result, PrintResult::Printed);
  // A4 or Letter, less the margins.
  EXPECT_GT(width, 500);
  EXPECT_GT(height, 700);
  const std::string text = pdfText(dir.file("seite.pdf"));
  EXPECT_NE(text.find("ORK - Leistungsvergleich"), std::string::npos) << text;
  EXPECT_NE(text.find("Drehzahl 7350 Umin, Leistung 31.9 kW"), std::string::npos) << text;
}

}  // namespace
}  // namespace qx
