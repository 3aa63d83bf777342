#include "ui/app/Application.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "forms/Hauptdialog.h"
#include "ui/app/GuardedApplication.h"
#include "support/Fakes.h"
#include "support/AppHarness.h"
#include "ui/mainwin/MainWindowController.h"

namespace qx {
namespace {

struct ApplicationFixture : ::testing::Test, test::AppHarness {

  void SetUp() override {
    ASSERT_TRUE(launch());
  }
};

TEST_F(ApplicationFixture, StartUpShowsTheMainWindowWithItsTitleAndSize) {
  Hauptdialog& main = mainForm();
  EXPECT_TRUE(main.isVisible());
  EXPECT_EQ(main.windowTitle(), QStringLiteral("Quarnelix1.E - Zünd- & Einspritzsteuerung"));
  EXPECT_EQ(main.size(), QSize(830, 780));
  EXPECT_EQ(main.area()->size(), QSize(830, 780));
  EXPECT_EQ(app->program().info.programDirectory, dir.path() + "/");

  // The screen-size warning came exactly when the desktop is smaller than the window.
  const QSize desktop = QGuiApplication::primaryScreen()->size();
  const bool small = desktop.width() < 830 || desktop.height() < 780;
  const bool warned = !requesters.shown.empty() && requesters.shown[0].title == "Achtung";
  EXPECT_EQ(warned, small);
}

TEST_F(ApplicationFixture, StatusMessagesAppearInTheStatusLine) {
  app->program().reportStatus("COM aus");
  EXPECT_EQ(mainForm().statusLine->text(), QStringLiteral("COM aus"));
  EXPECT_EQ(mainForm().statusLine->geometry(), QRect(20, 690, 450, 20));
}

TEST_F(ApplicationFixture, F10AsksAtTheNextTickAndYesEndsWithGoodbye) {
  mainForm().activateWindow();
  QTest::keyClick(&mainForm(), Qt::Key_F10);
  EXPECT_EQ(app->program().quitRequested, QuitRequest::Asked);

  requesters.shown.clear();
  requesters.yesNoAnswers = {true};
  app->comTimerFired();
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Beenden?");
  EXPECT_EQ(app->program().quitRequested, QuitRequest::Confirmed);
  EXPECT_EQ(app->finish(), 0);
  EXPECT_EQ(mainForm().statusLine->text(), QStringLiteral("ORK beenden ... Tschuess..."));
}

TEST_F(ApplicationFixture, ClosingTheMainWindowOnlyAsksToEnd) {
  mainForm().close();
  EXPECT_TRUE(mainForm().isVisible());
  EXPECT_EQ(app->program().quitRequested, QuitRequest::Asked);
  requesters.yesNoAnswers = {false};
  app->comTimerFired();
  EXPECT_EQ(app->program().quitRequested, QuitRequest::None);
  EXPECT_TRUE(mainForm().isVisible());
}

}  // namespace
}  // namespace qx

namespace qx {
namespace {

// An object whose event handler fails, as a broken window handler would.
class FailingObject : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Speicherzugriff");
    return QObject::event(e);
  }
};

TEST_F(ApplicationFixture, AFaultEscapingAnEventHandlerEndsTheProgramInOrder) {
  auto* guarded = static_cast<GuardedApplication*>(QCoreApplication::instance());
  guarded->onFault = [this](const FaultReport& f) { app->loop().fatal(f); };
  FailingObject failing;
  QEvent event(QEvent::User);
  QCoreApplication::sendEvent(&failing, &event);
  guarded->onFault = nullptr;

  ASSERT_FALSE(requesters.shown.empty());
  EXPECT_EQ(requesters.shown.back().title, "Oops...");
  EXPECT_NE(requesters.shown.back().text.find("Speicherzugriff"), std::string::npos);
  EXPECT_NE(requesters.shown.back().text.find("FailingObject"), std::string::npos);
  EXPECT_EQ(mainForm().statusLine->text(), QStringLiteral("ORK beenden ... Tschuess..."));
  EXPECT_TRUE(app->loop().endedByFault());
}

}  // namespace
}  // namespace qx
