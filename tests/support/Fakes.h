#pragma once
// Test doubles for the core's interfaces: a manual clock, scripted requesters and a status
// sink that records what it showed.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/Clock.h"
#include "core/ports/FolderRequester.h"
#include "core/ports/Requesters.h"
#include "core/ports/StatusSink.h"

namespace qx::test {

// Time moves only when the test (or a sleep) moves it.
class ManualClock final : public Clock {
 public:
  std::int64_t elapsedMs() override { return nowMs; }
  void sleepMs(int ms) override {
    sleeps.push_back(ms);
    if (ms > 0) nowMs += ms;
  }
  LocalDateTime now() override { return dateTime; }

  std::int64_t nowMs = 0;
  LocalDateTime dateTime{2018, 5, 7, 14, 3, 9};
  std::vector<int> sleeps;
};

// Records every dialog and answers from scripts (Yes by default).
class ScriptedRequesters final : public Requesters {
 public:
  struct Shown {
    std::string kind;  // "message", "yesno", "text", "open", "save"
    std::string title;
    std::string text;
  };

  void message(const std::string& title, const std::string& text) override {
    shown.push_back({"message", title, text});
  }
  bool askYesNo(const std::string& title, const std::string& text) override {
    shown.push_back({"yesno", title, text});
    if (yesNoAnswers.empty()) return true;
    bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
  }
  std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                     const std::string&, bool hidden) override {
    shown.push_back({"text", title, prompt});
    lastTextHidden = hidden;
    return pop(textAnswers);
  }
  std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                      const std::string& filter) override {
    shown.push_back({"open", title, folder + "|" + filter});
    return pop(fileAnswers);
  }
  std::optional<std::string> saveFile(const std::string& title, const std::string& path,
                                      const std::string& filter) override {
    shown.push_back({"save", title, path + "|" + filter});
    return pop(fileAnswers);
  }

  std::vector<Shown> shown;
  std::deque<bool> yesNoAnswers;
  std::deque<std::optional<std::string>> textAnswers;
  std::deque<std::optional<std::string>> fileAnswers;
  bool lastTextHidden = false;

 private:
  static std::optional<std::string> pop(std::deque<std::optional<std::string>>& q) {
    if (q.empty()) return std::nullopt;
    auto a = q.front();
    q.pop_front();
    return a;
  }
};

// Records each folder requester (title and start folder) and answers from a script
// (cancelled when the script is empty).
class ScriptedFolderRequester final : public FolderRequester {
 public:
  std::optional<std::string> chooseFolder(const std::string& title,
                                          const std::string& startFolder) override {
    asked.push_back(title + "|" + startFolder);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  std::vector<std::string> asked;
  std::deque<std::optional<std::string>> answers;
};

class RecordingSink final : public StatusSink {
 public:
  void showStatus(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

}  // namespace qx::test
