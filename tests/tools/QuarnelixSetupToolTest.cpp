// The command-line tool as a user runs it: files written by the program's own writer.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "core/app/Clock.h"
#include "core/setup/SetupFile.h"
#include "core/util/Files.h"
#include "support/TempDir.h"

namespace qx {
namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out;
};

ToolRun run(const std::string& arguments) {
  ToolRun r;
  const std::string command = std::string(QUARNELIX_SETUP_PATH) + " " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return r;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
  const int status = ::pclose(pipe);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

struct ToolFixture : ::testing::Test {
  test::TempDir dir;
  std::string write(const std::string& name, const SetupRecord& r, const std::string& comment) {
    const std::string path = dir.file(name);
    EXPECT_TRUE(writeFileAtomically(
        path, encodeSetupFile(r, comment, {"ORK-3Z", "1.0", "1.4", "1.1", 42}, {2018, 5, 7, 14, 3, 0})));
    return path;
  }
};

TEST_F(ToolFixture, ShowPrintsTheSetup) {
  SetupRecord r;
  r.retardRpm = 95;
  const ToolRun result = run("show " + write("a.ork", r, "Straßenmotor"));
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.out.find("Beschreibung:   Straßenmotor\n"), std::string::npos);
  EXPECT_NE(result.out.find("9500 Umin\n"), std::string::npos);
  EXPECT_NE(result.out.find("Einspritzkorrektur zu Motortemperatur [%]"), std::string::npos);
}

TEST_F(ToolFixture, DiffExitsOneOnlyWhenTheSetupsDiffer) {
  SetupRecord r;
  const std::string a = write("a.ork", r, "x");
  const std::string same = write("same.ork", r, "x");
  r.mapCell(16, 8) = 999;
  const std::string b = write("b.ork", r, "x");

  ToolRun result = run("diff " + a + " " + same);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "");

  result = run("diff " + a + " " + b);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.out.find("Einspritzung 16000 Umin / 100 %:"), std::string::npos);
  EXPECT_NE(result.out.find("999 µs"), std::string::npos);
}

TEST_F(ToolFixture, BadFilesAndWrongUseExitTwo) {
  const std::string a = write("a.ork", SetupRecord{}, "x");
  Bytes shortFile = *readWholeFile(a);
  shortFile.resize(600);
  ASSERT_TRUE(writeFileAtomically(dir.file("kurz.ork"), shortFile));

  ToolRun result = run("show " + dir.file("kurz.ork"));
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.out.find("Die Datei hat 600 Bytes; eine Setup-Datei hat 715 Bytes."),
            std::string::npos);
  EXPECT_EQ(run("diff " + a + " " + dir.file("fehlt.ork")).exitCode, 2);
  EXPECT_EQ(run("show").exitCode, 2);
  EXPECT_EQ(run("zeige " + a).exitCode, 2);
}

}  // namespace
}  // namespace qx
