#pragma once
// The logger with its ports replaced: a manual clock, scripted requesters, a timer and a
// window that record what they were asked.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/DeviceInfo.h"
#include "core/link/LinkFlags.h"
#include "core/logger/Logger.h"
#include "core/ports/LoggerTimer.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace qx::test {

class RecordingTimer final : public LoggerTimer {
 public:
  void start(int ms) override { calls.push_back("start " + std::to_string(ms)); }
  void stop() override { calls.push_back("stop"); }
  std::vector<std::string> calls;
};

class RecordingScreen final : public LoggerScreen {
 public:
  explicit RecordingScreen(const LoggerState& state) : state_(state) {}
  void redrawViewer() override { ++redraws; }
  void layOutChannels() override { ++layouts; }
  void readingProgress() override { progress.push_back(state_.shown.dataPoint); }
  int redraws = 0, layouts = 0;
  std::vector<std::string> progress;

 private:
  const LoggerState& state_;
};

class LoggerFixture : public ::testing::Test {
 protected:
  LoggerFixture() {
    messages.setSink(&sink);
    setLogPath(state, dir.path());
    device.hardware = "1.2";
    device.software = "2.7";
    freeMemory(1LL << 30);
  }

  void freeMemory(std::int64_t bytes) {
    table.setMemoryProbe([bytes] { return std::optional<std::int64_t>(bytes); });
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& s : requesters.shown)
      if (s.kind == "message") texts.push_back(s.title + "|" + s.text);
    return texts;
  }

  ManualClock clock;
  LinkFlags link;
  ProgramSettings settings;
  MessageLog messages{link, settings, clock};
  RecordingSink sink;
  ScriptedRequesters requesters;
  RecordingTimer timer;
  LoggerState state;
  RecordingScreen screen{state};
  LoggerPorts ports{clock, messages, requesters, timer, screen};
  LogTable table;
  DeviceInfo device;
  TempDir dir;
};

}  // namespace qx::test
