#pragma once
// Starts the simulated unit (ork-sim) for a test and stops it afterwards.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace qx::test {

class SimProcess {
 public:
  // Starts ork-sim with its link, state, trace and control files in `folder`.
  SimProcess(const std::string& simPath, const std::string& folder,
             std::vector<std::string> extraArgs = {})
      : link_(folder + "/ork"), control_(folder + "/control"), trace_(folder + "/trace.txt"),
        state_(folder + "/state.bin"), simPath_(simPath), extra_(std::move(extraArgs)) {
    start();
  }
  ~SimProcess() { stop(); }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  void start() {
    std::error_code ec;
    std::filesystem::remove(link_, ec);
    setFault("none");
    std::vector<std::string> args{simPath_, "--link",  link_,    "--control", control_,
                                  "--trace", trace_,   "--state", state_};
    args.insert(args.end(), extra_.begin(), extra_.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn(&pid_, simPath_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    waitForLink();
  }
  void stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
  }
  // Switches a fault on at run time (the simulator reads the control file at once).
  void setFault(const std::string& name) {
    {
      std::ofstream out(control_ + ".tmp");
      out << name << "\n";
    }
    std::filesystem::rename(control_ + ".tmp", control_);
    if (pid_ > 0) ::kill(pid_, SIGUSR1);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  bool waitForLink(int timeoutMs = 5000) {
    for (int waited = 0; waited < timeoutMs; waited += 10) {
      std::error_code ec;
      if (std::filesystem::exists(link_, ec)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  std::string traceText() const {
    std::ifstream in(trace_);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  const std::string& link() const { return link_; }
  const std::string& statePath() const { return state_; }

 private:
  std::string link_, control_, trace_, state_, simPath_;
  std::vector<std::string> extra_;
  pid_t pid_ = -1;
};

}  // namespace qx::test
