// A value paints its text from a laid-out text it keeps, and must look exactly as a QLabel
// with the same text, place, colour and frame, in the program's own font and style.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPalette>

#include "forms/ValueLabel.h"
#include "support/AppHarness.h"

namespace qx {
namespace {

template <class Label>
QImage picture(const QString& text, QSize size, const QColor& colour, QFrame::Shape frame,
               bool enabled) {
  Label label(text);
  label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label.setAutoFillBackground(true);
  label.setFrameShape(frame);
  label.setEnabled(enabled);
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
  label.resize(size);
  return label.grab().toImage();
}

TEST(ValueLabel, LooksLikeTheQLabelItStandsFor) {
  test::AppHarness h;  // the program's font and style sheet
  ASSERT_TRUE(h.launch());
  const char* texts[] = {"0",    "2084", "-8888.8", "0.27", "(1000)", "5723 Umin",
                         "99 %", "",     "<b>7</b>", "1.2", "-20"};
  const QSize sizes[] = {{52, 20}, {65, 16}, {30, 16}, {75, 20}};
  int compared = 0;
  for (const char* t : texts)
    for (const QSize size : sizes)
      for (const QColor colour : {QColor(Qt::black), QColor(255, 0, 0)})
        for (const QFrame::Shape frame : {QFrame::NoFrame, QFrame::Box})
          for (const bool enabled : {true, false}) {
            const QString text = QString::fromUtf8(t);
            EXPECT_EQ(picture<ValueLabel>(text, size, colour, frame, enabled),
                      picture<QLabel>(text, size, colour, frame, enabled))
                << t << " " << size.width() << "x" << size.height() << " "
                << colour.name().toStdString() << " frame " << frame << " enabled " << enabled;
            ++compared;
          }
  EXPECT_EQ(compared, 11 * 4 * 2 * 2 * 2);
}

}  // namespace
}  // namespace qx
