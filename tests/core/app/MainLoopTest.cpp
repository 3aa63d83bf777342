#include <functional>
#include "core/app/MainLoop.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/app/Program.h"
#include "core/app/QuitQuestion.h"
#include "support/Fakes.h"

namespace qx {
namespace {

using Steps = std::vector<std::string>;

// Records the steps in the order the loop runs them; the live-data cycle takes time.
class RecordingSteps final : public TickSteps {
 public:
  RecordingSteps(Program& p, test::ManualClock& c, test::ScriptedRequesters& r)
      : program(p), clock(c), requesters(r) {}
  void connectionStep() override {
    log.push_back("connection");
    askQuitQuestion(program.quitRequested, requesters);
  }
  void drawConnectionLamp() override { log.push_back("lamp"); }
  void clearSensorLamp() override { log.push_back("sensorLamp"); }
  void drawLoggerLamp() override { log.push_back("loggerLamp"); }
  void writeLogRecord() override { log.push_back("logRecord"); }
  bool powerRunCountdownActive() override { return powerRun; }
  void powerRunProgress() override { log.push_back("powerRun"); }
  void liveDataCycle() override {
    log.push_back("live");
    clock.nowMs += liveDataMs;
    if (throwInLiveData) throw std::out_of_range("vector::_M_range_check");
  }
  void firmwareStep() override { log.push_back("firmware"); }
  void updateBigDisplay() override { log.push_back("bigDisplay"); }
  void updateExpertDiagram() override { log.push_back("expert"); }
  void updateLambdaTable() override { log.push_back("lambda"); }
  void updateEmergencyWindow() override { log.push_back("emergency"); }
  EditorBoxes editorBoxes() override { return boxes; }
  void redrawEditors(const RedrawSet& r) override { redraws.push_back(r); }
  void showState() override { armedBeforeShown.push_back(armings()); }
  void saveSettings() override { log.push_back("saveSettings"); }
  void closePort() override { log.push_back("closePort"); }

  Program& program;
  test::ManualClock& clock;
  test::ScriptedRequesters& requesters;
  Steps log;
  std::vector<RedrawSet> redraws;
  EditorBoxes boxes;
  bool powerRun = false;
  bool throwInLiveData = false;
  int liveDataMs = 0;
  std::function<std::size_t()> armings = [] { return std::size_t{0}; };
  std::vector<std::size_t> armedBeforeShown;  // COM armings made when the windows were shown
};

// Records when the loop arms its timers, in manual-clock time.
class RecordingControl final : public LoopControl {
 public:
  explicit RecordingControl(test::ManualClock& c) : clock(c) {}
  void armComTimer(int ms) override { comDueAt.push_back(clock.nowMs + ms); }
  void startLoggerTimer(int ms) override { loggerPeriod = ms; }
  void stopLoggerTimer() override { loggerPeriod = 0; }
  void endLoop() override { ended = true; }

  test::ManualClock& clock;
  std::vector<std::int64_t> comDueAt;
  int loggerPeriod = 0;
  bool ended = false;
};

struct MainLoopFixture : ::testing::Test {
  test::ManualClock clock;
  Program program{clock, "/tmp/qx"};
  test::ScriptedRequesters requesters;
  test::RecordingSink sink;
  RecordingSteps steps{program, clock, requesters};
  RecordingControl control{clock};
  MainLoop loop{program, steps, control, requesters};

  void SetUp() override { program.messages.setSink(&sink); }
  // The platform fires the COM timer when it is due.
  void fireComTimer() {
    clock.nowMs = control.comDueAt.back();
    loop.timerFired(TimerId::Com);
  }
};

TEST_F(MainLoopFixture, ComTickRunsTheStepsInOrder) {
  loop.timerFired(TimerId::Com);
  EXPECT_EQ(steps.log, (Steps{"connection", "lamp", "sensorLamp", "loggerLamp", "live",
                              "bigDisplay", "expert", "lambda", "emergency"}));
}

TEST_F(MainLoopFixture, IdentifiedUnitKeepsTheSensorLampAndPowerRunComesBeforeLiveData) {
  program.link.unitIdentified = true;
  steps.powerRun = true;
  loop.timerFired(TimerId::Com);
  EXPECT_EQ(steps.log, (Steps{"connection", "lamp", "loggerLamp", "powerRun", "live", "bigDisplay",
                              "expert", "lambda", "emergency"}));
}

TEST_F(MainLoopFixture, LoggerTickWritesARecordButRunsNoLiveDataCycle) {
  program.link.unitIdentified = true;
  steps.powerRun = true;
  loop.timerFired(TimerId::Logger);
  EXPECT_EQ(steps.log, (Steps{"connection", "lamp", "loggerLamp", "logRecord", "bigDisplay",
                              "expert", "lambda", "emergency"}));
}

TEST_F(MainLoopFixture, FirmwareTransferReplacesTheLiveDataCycle) {
  program.link.firmwareTransferActive = true;
  loop.timerFired(TimerId::Com);
  EXPECT_EQ(steps.log[4], "firmware");
  EXPECT_EQ(std::count(steps.log.begin(), steps.log.end(), "live"), 0);
}

TEST_F(MainLoopFixture, ComTimerIsReArmedAfterTheTicksWork) {
  program.settings.comTimerMs = 100;
  loop.begin();
  ASSERT_EQ(control.comDueAt, (std::vector<std::int64_t>{100}));

  steps.liveDataMs = 30;  // the exchange with the unit takes 30 ms
  fireComTimer();
  fireComTimer();
  // Each tick starts at least one full period after the previous one ended.
  EXPECT_EQ(control.comDueAt, (std::vector<std::int64_t>{100, 230, 360}));

  // The period follows the setting from the next arming on.
  program.settings.comTimerMs = 20;
  fireComTimer();
  EXPECT_EQ(control.comDueAt.back(), 360 + 30 + 20);

  // Showing the results on the windows is display work: the next period already runs then.
  steps.armings = [&] { return control.comDueAt.size(); };
  fireComTimer();
  EXPECT_EQ(steps.armedBeforeShown.back(), control.comDueAt.size());
  EXPECT_EQ(control.comDueAt.size(), 5u);
}

TEST_F(MainLoopFixture, OtherEventsDoNotDelayTheComTimer) {
  loop.begin();
  // A stream of mouse movements, one per millisecond.
  for (int i = 0; i < 99; ++i) {
    clock.nowMs = i;
    EXPECT_TRUE(loop.dispatch(EventInfo{}, [] {}));
  }
  EXPECT_EQ(control.comDueAt, (std::vector<std::int64_t>{100}));
}

TEST_F(MainLoopFixture, NoTickOrHandlerRunsWhileAHandlerIsBusy) {
  loop.begin();
  bool innerRan = false;
  // A handler that opens a requester: the platform keeps delivering timers and events.
  loop.dispatch(EventInfo{}, [&] {
    clock.nowMs = 100;
    loop.timerFired(TimerId::Com);
    loop.timerFired(TimerId::Logger);
    EXPECT_FALSE(loop.dispatch(EventInfo{}, [&] { innerRan = true; }));
    EXPECT_TRUE(loop.busy());
  });
  EXPECT_FALSE(innerRan);
  EXPECT_TRUE(steps.log.empty());
  // The skipped COM tick was re-armed, so the live data resumes.
  EXPECT_EQ(control.comDueAt, (std::vector<std::int64_t>{100, 200}));
  EXPECT_FALSE(loop.busy());
  fireComTimer();
  EXPECT_EQ(steps.log[0], "connection");
}

TEST_F(MainLoopFixture, QuitIsAskedAtTheNextTickAndNoKeepsTheProgramRunning) {
  loop.begin();
  loop.dispatch(EventInfo{}, [&] { program.quitRequested = QuitRequest::Asked; });
  EXPECT_TRUE(requesters.shown.empty());

  requesters.yesNoAnswers = {false};
  fireComTimer();
  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Beenden?");
  EXPECT_EQ(requesters.shown[0].text,
            "Ist das Setup gespeichert?\rIst das Setup in der ORK im EEPROM?\r\rJetzt beenden?");
  EXPECT_EQ(program.quitRequested, QuitRequest::None);
  EXPECT_FALSE(control.ended);
  EXPECT_EQ(control.comDueAt.size(), 2u);
}

TEST_F(MainLoopFixture, YesEndsTheLoopAndTheOrderlyEndSavesThenSaysGoodbye) {
  loop.begin();
  program.quitRequested = QuitRequest::Asked;
  requesters.yesNoAnswers = {true};
  fireComTimer();
  EXPECT_EQ(program.quitRequested, QuitRequest::Confirmed);
  EXPECT_TRUE(control.ended);
  EXPECT_EQ(control.comDueAt.size(), 1u);  // not re-armed after the end
  EXPECT_TRUE(loop.busy());

  steps.log.clear();
  loop.orderlyEnd();
  EXPECT_EQ(steps.log, (Steps{"saveSettings", "closePort"}));
  EXPECT_EQ(sink.shown.back(), "ORK beenden ... Tschuess...");
}

TEST_F(MainLoopFixture, FaultInATickEndsTheProgramWithoutWritingSettings) {
  loop.begin();
  steps.throwInLiveData = true;
  fireComTimer();

  ASSERT_EQ(requesters.shown.size(), 1u);
  EXPECT_EQ(requesters.shown[0].title, "Oops...");
  const std::string& text = requesters.shown[0].text;
  EXPECT_EQ(
      text.rfind("Der folgende Fehler trat auf: \r\rstd::out_of_range: vector::_M_range_check", 0),
      0u);
  EXPECT_NE(text.find("\rin Zeile "), std::string::npos);
  EXPECT_NE(text.find("\r\rQuarnelix wird jetzt unplanmäßig beendet."), std::string::npos);
  ASSERT_GE(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[sink.shown.size() - 2].rfind("*** ERROR: std::out_of_range", 0), 0u);
  EXPECT_EQ(sink.shown.back(), "ORK beenden ... Tschuess...");
  EXPECT_EQ(steps.log.back(), "closePort");
  EXPECT_TRUE(control.ended);
  EXPECT_TRUE(loop.endedByFault());
  EXPECT_EQ(std::count(steps.log.begin(), steps.log.end(), "saveSettings"), 0);
  // Nothing runs afterwards.
  EXPECT_FALSE(loop.dispatch(EventInfo{}, [] {}));
}

TEST_F(MainLoopFixture, FaultInAHandlerNamesTheFaultsOwnLine) {
  loop.dispatch(EventInfo{}, [] { require(false, "Tabellenindex ausserhalb"); });
  ASSERT_EQ(requesters.shown.size(), 1u);
  const std::string& text = requesters.shown[0].text;
  EXPECT_NE(text.find("Tabellenindex ausserhalb"), std::string::npos);
  EXPECT_NE(text.find("MainLoopTest.cpp"), std::string::npos);
  EXPECT_TRUE(control.ended);
}

TEST_F(MainLoopFixture, LoggerTimerIsStartedAndStoppedWithItsPeriod) {
  program.settings.loggerTimerMs = 250;
  loop.startLoggerTimer();
  EXPECT_EQ(control.loggerPeriod, 250);
  EXPECT_TRUE(loop.loggerTimerRunning());
  loop.stopLoggerTimer();
  EXPECT_EQ(control.loggerPeriod, 0);
  EXPECT_FALSE(loop.loggerTimerRunning());
}

TEST_F(MainLoopFixture, EditorsAreRedrawnAfterEachPassByTheRedrawRule) {
  steps.boxes.mapKapp = true;
  loop.timerFired(TimerId::Com);  // unit not identified: nothing
  EXPECT_TRUE(steps.redraws.empty());
  loop.dispatch(EventInfo{EventKind::Wheel, EventSource::None}, [] {});
  ASSERT_EQ(steps.redraws.size(), 1u);
  EXPECT_TRUE(steps.redraws[0].injectionMap);
  EXPECT_FALSE(steps.redraws[0].airTemp);
}

}  // namespace
}  // namespace qx
