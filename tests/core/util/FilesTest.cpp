#include "core/util/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/resource.h>

#include <csignal>

#include "support/TempDir.h"

namespace qx {
namespace {

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  test::TempDir dir;
  const std::string path = dir.file("setup.ork");
  ASSERT_TRUE(writeFileAtomically(path, Bytes{'a', 'l', 't'}));
  ASSERT_TRUE(writeFileAtomically(path, Bytes{'n', 'e', 'u', '\r', '\n'}));
  EXPECT_EQ(readWholeFile(path), (Bytes{'n', 'e', 'u', '\r', '\n'}));
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(AtomicWrite, AFailedSaveKeepsTheOldFileWholeAndLeavesNoTemporary) {
  test::TempDir dir;
  const std::string path = dir.file("setup.ork");
  ASSERT_TRUE(writeFileAtomically(path, Bytes{'a', 'l', 't'}));

  // A file-size limit makes the write fail half-way, as a full disk would (also for root).
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = old;
  tight.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  const bool saved = writeFileAtomically(path, Bytes(4096, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(saved);
  EXPECT_EQ(readWholeFile(path), (Bytes{'a', 'l', 't'}));
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(AtomicWrite, MissingFolderFailsAndTargetIsADirectoryFails) {
  test::TempDir dir;
  EXPECT_FALSE(writeFileAtomically(dir.file("nope/x.ork"), Bytes{'x'}));
  std::filesystem::create_directory(dir.file("sub"));
  EXPECT_FALSE(writeFileAtomically(dir.file("sub"), Bytes{'x'}));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("sub")));
}

TEST(ReadWholeFile, MissingFileOrFolderGivesNothing) {
  test::TempDir dir;
  EXPECT_FALSE(readWholeFile(dir.file("missing")).has_value());
  EXPECT_FALSE(readWholeFile(dir.path()).has_value());
  ASSERT_TRUE(appendToFile(dir.file("log.txt"), "a"));
  ASSERT_TRUE(appendToFile(dir.file("log.txt"), "b"));
  EXPECT_EQ(readWholeFile(dir.file("log.txt")), (Bytes{'a', 'b'}));
  EXPECT_EQ(fileSize(dir.file("log.txt")), 2u);
}

}  // namespace
}  // namespace qx
