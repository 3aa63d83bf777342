// Every window the program builds: its controls lie on its area, none on top of another
// with the same place and size (a control created twice), and the area has the size the
// window table gives; its values paint their own background without changing the picture.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <map>
#include <vector>

#include "core/app/Windows.h"
#include "forms/FormWindow.h"
#include "support/AppHarness.h"
#include "ui/app/WindowController.h"

namespace qx {
namespace {

TEST(WindowLayout, EveryControlOnItsAreaAndNoneTwice) {
  test::AppHarness h;
  ASSERT_TRUE(h.launch());
  int windows = 0;
  for (const WindowSpec& spec : windowSpecs()) {
    WindowController* c = h.app->controller(spec.id);
    if (!c) continue;
    ++windows;
    QWidget* area = c->window().area();
    EXPECT_EQ(area->size(), QSize(spec.contentWidth(), spec.contentHeight())) << spec.form;
    std::map<std::tuple<int, int, int, int>, QString> seen;
    for (QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QRect g = w->geometry();
      const QString what = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                           w->property("text").toString() + w->property("title").toString();
      EXPECT_TRUE(area->rect().contains(g)) << spec.form << ": " << what.toStdString();
      const auto [it, fresh] = seen.emplace(std::tuple{g.x(), g.y(), g.width(), g.height()}, what);
      EXPECT_TRUE(fresh) << spec.form << ": " << what.toStdString() << " lies on "
                         << it->second.toStdString();
    }
  }
  EXPECT_GE(windows, 2);
}

// The values paint their own background so that a changed value does not repaint the frame
// beneath it; the window must look the same as when they left it to the frame and lay above
// the labels they overlap.
TEST(WindowLayout, ValuesFillingTheirBackgroundLookAsTheWindowDoes) {
  test::AppHarness h;
  ASSERT_TRUE(h.launch());
  int values = 0;
  for (const WindowSpec& spec : windowSpecs()) {
    WindowController* c = h.app->controller(spec.id);
    if (!c) continue;
    QWidget* area = c->window().area();
    std::vector<QLabel*> filling;
    for (QLabel* label : area->findChildren<QLabel*>())
      if (label->autoFillBackground()) filling.push_back(label);
    // Values as wide as they get, so that their text reaches the labels they overlap.
    for (QLabel* label : filling) label->setText("-8888.8");
    const QImage filled = area->grab().toImage();
    values += static_cast<int>(filling.size());
    for (QLabel* label : filling) {
      label->setAutoFillBackground(false);
      label->raise();
    }
    EXPECT_TRUE(area->grab().toImage() == filled) << spec.form;
  }
  EXPECT_GE(values, 20);
}

}  // namespace
}  // namespace qx
