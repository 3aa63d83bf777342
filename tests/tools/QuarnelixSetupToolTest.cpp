// The command-line tool as a user runs it, on files written by the program's own writer.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "core/ports/Clock.h"
#include "core/setup/SetupFile.h"
#include "core/util/Files.h"
#include "support/TempDir.h"

namespace qx {
namespace {

// Runs the tool; returns its exit code and appends what it printed to out.
int run(const std::string& arguments, std::string& out) {
  const std::string command = std::string(QUARNELIX_SETUP_PATH) + " " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return -1;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  const int status = ::pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(QuarnelixSetupTool, ShowDiffAndTheirExitCodes) {
  test::TempDir dir;
  auto write = [&](const std::string& name, const SetupRecord& r, std::size_t size = 715) {
    Bytes file = encodeSetupFile(r, "Straßenmotor", {"ORK-3Z", "1.0", "1.4", "1.1", 42},
                                 {2018, 5, 7, 14, 3, 0});
    file.resize(size);
    EXPECT_TRUE(writeFileAtomically(dir.file(name), file));
    return dir.file(name);
  };
  SetupRecord r;
  const std::string a = write("a.ork", r);
  const std::string same = write("same.ork", r);
  r.mapCell(16, 8) = 999;
  const std::string b = write("b.ork", r);
  const std::string shortFile = write("kurz.ork", r, 600);
  const std::string hugeFile = write("gross.ork", r, 10 * 1024 * 1024);

  std::string out;
  EXPECT_EQ(run("show " + a, out), 0);
  EXPECT_NE(out.find("Beschreibung:   Straßenmotor\n"), std::string::npos);
  out.clear();
  EXPECT_EQ(run("diff " + a + " " + same, out), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(run("diff " + a + " " + b, out), 1);
  EXPECT_NE(out.find("Einspritzung 16000 Umin / 100 %:"), std::string::npos);
  EXPECT_NE(out.find("999 µs"), std::string::npos);

  out.clear();
  EXPECT_EQ(run("show " + shortFile, out), 2);
  EXPECT_NE(out.find("Die Datei hat 600 Bytes; eine Setup-Datei hat 715 Bytes."), std::string::npos);
  EXPECT_EQ(run("show " + hugeFile, out), 2);
  EXPECT_NE(out.find("Die Datei hat 10485760 Bytes;"), std::string::npos);
  EXPECT_EQ(run("diff " + a + " " + dir.file("fehlt.ork"), out), 2);
  EXPECT_EQ(run("show", out), 2);
  EXPECT_EQ(run("zeige " + a, out), 2);
}

}  // namespace
}  // namespace qx
