// The data logger on a big log: reading a generated 1,000,000-record ".olg" file (next to
// `wc -l` on the same file, from the page cache both), the memory the loaded table holds,
// and the viewer's redraw of all records at zoom 1.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/app/MessageLog.h"
#include "core/app/ProgramSettings.h"
#include "core/link/LinkFlags.h"
#include "core/logger/LogFormat.h"
#include "core/logger/LogReader.h"
#include "core/logger/LogViewer.h"
#include "core/ports/LoggerTimer.h"
#include "core/ports/Requesters.h"

namespace {

constexpr int kRecords = 1000000;

class NoRequesters final : public qx::Requesters {
 public:
  void message(const std::string&, const std::string&) override {}
  bool askYesNo(const std::string&, const std::string&) override { return true; }
  std::optional<std::string> askText(const std::string&, const std::string&, const std::string&,
                                     bool) override {
    return std::nullopt;
  }
  std::optional<std::string> openFile(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFile(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
};

class NoTimer final : public qx::LoggerTimer {
 public:
  void start(int) override {}
  void stop() override {}
};

// A drive of a million records at 100 ms: every channel moving.
const std::string& bigLog() {
  static const std::string path = [] {
    const auto dir =
        std::filesystem::temp_directory_path() / ("qx-logbench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "orklog_big.olg").string();
    std::ofstream out(file, std::ios::binary);
    out << qx::logHeader({"orklog_big.olg", {2024, 3, 5, 14, 30, 7}, "1.2", "2.7", "Benchmark"});
    std::string batch;
    for (int n = 1; n <= kRecords; ++n) {
      const double t = n * 0.1;
      const double rpm = 6000 + 4500 * std::sin(t / 7) + 300 * std::sin(t * 1.3);
      qx::LogRecord r{static_cast<float>(n * 100),
                      static_cast<float>(std::round(rpm)),
                      static_cast<float>(std::round(50 + 50 * std::sin(t / 7))),
                      static_cast<float>(std::round(60 + 25 * std::sin(t / 900))),
                      24,
                      static_cast<float>(0.45 + 0.4 * std::sin(t / 3)),
                      0.80f,
                      static_cast<float>(0.45 + 0.4 * std::cos(t / 5)),
                      rpm > 5000 ? 1.0f : 0.0f,
                      rpm > 8000 ? 1.0f : 0.0f,
                      (n / 97) % 2 ? 1.0f : 0.0f,
                      (n / 131) % 2 ? 1.0f : 0.0f,
                      (n / 53) % 2 ? 1.0f : 0.0f,
                      static_cast<float>(std::round(10 + rpm / 600)),
                      static_cast<float>(std::round(900 + rpm / 3))};
      qx::appendRecordLine(batch, r.data());
      if (batch.size() > (1 << 20)) {
        out << batch;
        batch.clear();
      }
    }
    out << batch;
    std::atexit([] { std::filesystem::remove_all(std::filesystem::path(bigLog()).parent_path()); });
    return file;
  }();
  return path;
}

double fileBytes() {
  return static_cast<double>(std::filesystem::file_size(bigLog()));
}

struct LoggerRig {
  qx::SystemClock clock;
  qx::LinkFlags link;
  qx::ProgramSettings settings;
  qx::MessageLog messages{link, settings, clock};
  NoRequesters requesters;
  NoTimer timer;
  qx::LoggerScreen screen;
  qx::LoggerPorts ports{clock, messages, requesters, timer, screen};
  qx::LoggerState state;
};

void read(LoggerRig& rig, qx::LogTable& table) {
  const int fd = ::open(bigLog().c_str(), O_RDONLY);
  rig.state.fileName = "orklog_big.olg";
  qx::readLogFile(rig.state, table, rig.settings, fd, rig.ports);
  ::close(fd);
}

void BM_LoadLog(benchmark::State& state) {
  LoggerRig rig;
  std::size_t tableBytes = 0;
  int count = 0;
  for (auto _ : state) {
    qx::LogTable table;
    rig.settings.maxLogRecords = 3600;
    read(rig, table);
    tableBytes = table.storageBytes();
    count = table.count();
    benchmark::DoNotOptimize(table.at(count, 14));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fileBytes()));
  state.counters["records"] = count;
  state.counters["file_MB"] = fileBytes() / 1e6;
  state.counters["table_MB"] = tableBytes / 1e6;
  state.counters["table_bytes_per_record"] = static_cast<double>(tableBytes) / count;
  state.counters["ideal_bytes_per_record"] = 19 * 4;
}
BENCHMARK(BM_LoadLog)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// The same file through `wc -l`, for the rate of a plain line count.
double childCpuMs() {
  rusage u{};
  ::getrusage(RUSAGE_CHILDREN, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
         (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

void BM_WcLines(benchmark::State& state) {
  const std::string path = bigLog();
  const double cpuBefore = childCpuMs();
  for (auto _ : state) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, 1);
      ::execlp("wc", "wc", "-l", path.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("wc -l failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fileBytes()));
  // The work is done in the child: its processor time, for comparison with the load's.
  state.counters["wc_cpu_ms"] =
      (childCpuMs() - cpuBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WcLines)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

struct LoadedLog {
  LoggerRig rig;
  qx::LogTable table;
  LoadedLog() { read(rig, table); }
};
LoadedLog& loaded() {
  static LoadedLog log;
  return log;
}

// The first drawing after loading also builds the min/max summary of the records.
void BM_ViewerFirstDraw(benchmark::State& state) {
  qx::LogTable& table = loaded().table;
  std::size_t summaryBytes = 0;
  for (auto _ : state) {
    qx::LogViewer viewer;
    viewer.setWindowWidth(static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(viewer.draw(table).items.size());
    summaryBytes = viewer.summaryBytes();
  }
  state.counters["summary_MB"] = summaryBytes / 1e6;
}
BENCHMARK(BM_ViewerFirstDraw)->Arg(920)->Unit(benchmark::kMillisecond);

// A redraw as scrolling or zooming asks for it: all records at zoom 1, the cursor moving.
void BM_ViewerRedraw(benchmark::State& state) {
  qx::LogTable& table = loaded().table;
  qx::LogViewer viewer;
  viewer.setWindowWidth(static_cast<int>(state.range(0)));
  for (int z = 1; z < state.range(1); z *= 2) viewer.zoomIn();
  viewer.draw(table);
  int cursor = 1;
  for (auto _ : state) {
    table.cursor = cursor = cursor % table.count() + 997;
    viewer.forgetStrips();  // built anew, as when zoom, width or records change
    benchmark::DoNotOptimize(viewer.draw(table).items.size());
    benchmark::DoNotOptimize(viewer.texts(table, 0));
  }
  state.counters["records"] = table.count();
}
BENCHMARK(BM_ViewerRedraw)
    ->Args({920, 1})
    ->Args({1920, 1})
    ->Args({4000, 1})
    ->Args({920, 16})
    ->Args({920, 1024})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
