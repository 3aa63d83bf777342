// ork-sim: a simulated ORK unit on a pseudo terminal.
//
//   ork-sim [--link PATH] [--scenario idle|drive|dyno] [--seed N] [--state FILE]
//           [--trace FILE] [--fault NAME] [--control FILE] [--firmware-out FILE]
//
// Faults (also switched at run time by writing the name into the control file; SIGUSR1
// makes the simulator read it at once): none, silent, wrong-echo, stray-byte, truncate,
// slow, and hangup (the line goes away and comes back on a new device, as an unplugged
// adapter would). The control word "overheat" makes the engine overheat, so that the unit
// reports its emergency program; any other word ends it. drop-ack and corrupt-ack spoil the
// boot loader's next acknowledgement of a firmware block (lost, or with its top bit flipped).
// --firmware-out FILE receives the firmware image of every completed update.

#include <poll.h>
#include <signal.h>
#if defined(__linux__)
#include <sys/prctl.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "BootLoader.h"
#include "Engine.h"
#include "Learning.h"
#include "LinePacer.h"
#include "Pty.h"
#include "StateFile.h"
#include "Unit.h"

namespace {

volatile sig_atomic_t gStop = 0;
volatile sig_atomic_t gReadControl = 0;

enum class Fault {
  None,
  Silent,
  WrongEcho,
  StrayByte,
  Truncate,
  Slow,
  Hangup,
  DropAck,
  CorruptAck,
  Unknown
};

Fault parseFault(const std::string& name) {
  if (name == "none" || name.empty()) return Fault::None;
  if (name == "silent") return Fault::Silent;
  if (name == "wrong-echo") return Fault::WrongEcho;
  if (name == "stray-byte") return Fault::StrayByte;
  if (name == "truncate") return Fault::Truncate;
  if (name == "slow") return Fault::Slow;
  if (name == "hangup") return Fault::Hangup;
  if (name == "drop-ack") return Fault::DropAck;
  if (name == "corrupt-ack") return Fault::CorruptAck;
  return Fault::Unknown;
}

struct Options {
  std::string link, state, trace, control, firmwareOut;
  orksim::Scenario scenario = orksim::Scenario::Drive;
  std::uint64_t seed = 1;
  Fault fault = Fault::None;
};

int usage() {
  std::fprintf(stderr,
               "usage: ork-sim [--link PATH] [--scenario idle|drive|dyno] [--seed N]\n"
               "               [--state FILE] [--trace FILE] [--fault NAME] [--control FILE]\n"
               "               [--firmware-out FILE]\n");
  return 2;
}

bool parseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string v;
    if (a == "--link") {
      if (!value(o.link)) return false;
    } else if (a == "--state") {
      if (!value(o.state)) return false;
    } else if (a == "--trace") {
      if (!value(o.trace)) return false;
    } else if (a == "--control") {
      if (!value(o.control)) return false;
    } else if (a == "--firmware-out") {
      if (!value(o.firmwareOut)) return false;
    } else if (a == "--scenario") {
      if (!value(v) || !orksim::parseScenario(v, o.scenario)) return false;
    } else if (a == "--seed") {
      if (!value(v)) return false;
      o.seed = std::strtoull(v.c_str(), nullptr, 10);
    } else if (a == "--fault") {
      if (!value(v) || (o.fault = parseFault(v)) == Fault::Unknown) return false;
    } else {
      return false;
    }
  }
  return true;
}

std::string readControl(const std::string& path) {
  std::ifstream in(path);
  std::string word;
  in >> word;
  return word;
}

class Clock {
 public:
  double seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Applies the fault to a reply before it goes on the line; returns the time per byte.
double applyFault(Fault fault, std::vector<std::uint8_t>& reply) {
  switch (fault) {
    case Fault::Silent:
      reply.clear();
      break;
    case Fault::WrongEcho:
      reply[0] = static_cast<std::uint8_t>(reply[0] ^ 0x20);
      break;
    case Fault::StrayByte:
      reply.push_back(0x00);
      break;
    case Fault::Truncate:
      reply.pop_back();
      break;
    case Fault::Slow:
      return orksim::kByteSeconds * 10;
    default:
      break;
  }
  return orksim::kByteSeconds;
}

// The boot loader's faults act on its next acknowledgement only.
void armBootFault(Fault fault, orksim::BootLoader& boot) {
  if (fault == Fault::DropAck) boot.armAckFault(orksim::BootLoader::AckFault::Drop);
  if (fault == Fault::CorruptAck) boot.armAckFault(orksim::BootLoader::AckFault::Corrupt);
}

// Writes the received firmware next to the target and renames it over it when complete.
void writeFirmware(const std::string& path, const std::vector<std::uint8_t>& image) {
  if (path.empty()) return;
  const std::string tmp = path + ".tmp";
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) return;
  const bool ok = std::fwrite(image.data(), 1, image.size(), f) == image.size();
  if (std::fclose(f) == 0 && ok) std::rename(tmp.c_str(), path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  if (!parseArgs(argc, argv, opt)) return usage();
#if defined(__linux__)
  // A UART sends its last byte on time: the waits between bytes end when they are due, not
  // up to the system's default 50 µs of timer slack later.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif

  struct sigaction sa {};
  sa.sa_handler = [](int) { gStop = 1; };
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  sa.sa_handler = [](int) { gReadControl = 1; };
  sigaction(SIGUSR1, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);

  orksim::UnitState state;
  if (!orksim::loadState(opt.state, state))
    std::fprintf(stderr, "ork-sim: %s is damaged, starting with the factory setup\n", opt.state.c_str());
  // Switching on is a restart: the working setup comes from the EEPROM.
  state.restartCount = (state.restartCount + 1) & 0xFFFF;
  state.ram = state.eeprom;
  orksim::saveState(opt.state, state);

  std::FILE* trace = opt.trace.empty() ? nullptr : std::fopen(opt.trace.c_str(), "w");
  orksim::Engine engine(opt.scenario, opt.seed);
  engine.learning = state.ram[orksim::off::learningActive] != 0;
  orksim::Learner learner;
  engine.afterStep = [&](double dt) { learner.step(dt, state.ram, engine); };
  orksim::Unit unit(state, engine, trace);
  unit.onPersist = [&] { orksim::saveState(opt.state, state); };
  orksim::BootLoader boot(trace);
  unit.onUpdateRequest = [&](double seconds) { boot.enter(seconds); };
  boot.onComplete = [&](const std::vector<std::uint8_t>& image) {
    writeFirmware(opt.firmwareOut, image);
  };
  boot.onLeave = [&](double seconds) { unit.restart(seconds); };
  orksim::LinePacer pacer;
  orksim::Pty pty;
  if (!pty.open(opt.link)) {
    std::fprintf(stderr, "ork-sim: %s\n", pty.error().c_str());
    return 1;
  }
  std::printf("ork-sim: %s%s%s\n", pty.devicePath().c_str(), opt.link.empty() ? "" : " -> ",
              opt.link.c_str());
  std::fflush(stdout);

  Clock clock;
  Fault fault = opt.fault;
  armBootFault(fault, boot);
  std::string lastControl;
  double nextControlCheck = 0;
  std::vector<std::uint8_t> reply;
  while (!gStop) {
    const double now = clock.seconds();
    if (!opt.control.empty() && (gReadControl || now >= nextControlCheck)) {
      gReadControl = 0;
      nextControlCheck = now + 0.05;
      const std::string word = readControl(opt.control);
      if (word != lastControl) {
        lastControl = word;
        // The trace shows when a fault begins and ends, for scripts that measure recovery.
        if (trace) std::fprintf(trace, "%.3f = control %s\n", now * 1000.0, word.c_str()), std::fflush(trace);
        // "overheat" is no line fault: the engine runs hot until another word is written.
        engine.overheating = word == "overheat";
        const Fault f = engine.overheating ? Fault::Unknown : parseFault(word);
        if (f == Fault::Hangup) {
          pacer.clear();
          pty.close();
          usleep(300000);
          if (!pty.open(opt.link)) return 1;
          std::printf("ork-sim: %s%s%s\n", pty.devicePath().c_str(), opt.link.empty() ? "" : " -> ",
                      opt.link.c_str());
          std::fflush(stdout);
          if (trace)
            std::fprintf(trace, "%.3f = line back\n", clock.seconds() * 1000.0), std::fflush(trace);
          fault = Fault::None;
        } else if (f != Fault::Unknown) {
          fault = f;
          armBootFault(fault, boot);
        }
      }
    }

    reply.clear();
    double replyAt = now;
    boot.poll(now, reply, replyAt);
    if (!reply.empty()) pacer.enqueue(reply, replyAt, orksim::kByteSeconds);

    const double next = pacer.flush(pty.masterFd(), now);
    int timeoutMs = 20;
    if (next >= 0) timeoutMs = std::max(0, static_cast<int>(std::ceil((next - now) * 1000.0)));
    pollfd pfd{pty.masterFd(), POLLIN, 0};
    // A sub-millisecond wait keeps the pacing close to the line rate.
    timespec ts{0, static_cast<long>(timeoutMs) * 1000000L};
    if (next >= 0) ts.tv_nsec = std::max(0L, std::min(static_cast<long>((next - now) * 1e9), 999999999L));
    if (ppoll(&pfd, 1, &ts, nullptr) <= 0 || !(pfd.revents & POLLIN)) continue;

    std::uint8_t buf[1024];
    const ssize_t n = read(pty.masterFd(), buf, sizeof buf);
    const double at = clock.seconds();
    for (ssize_t i = 0; i < n; ++i) {
      reply.clear();
      if (boot.active()) {
        double replyAt = at;
        boot.receive(buf[i], at, reply, replyAt);
        if (!reply.empty()) pacer.enqueue(reply, replyAt, orksim::kByteSeconds);
        continue;
      }
      unit.receive(buf[i], at, reply);
      if (reply.empty()) continue;
      const double perByte = applyFault(fault, reply);
      pacer.enqueue(reply, at, perByte);
    }
  }
  orksim::saveState(opt.state, state);
  if (trace) std::fclose(trace);
  return 0;
}
