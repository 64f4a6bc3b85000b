#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/env.h"
#include "platform/path_text.h"
#include "support/fake_env.h"

namespace fernwatch {
namespace {

TEST(PathTextTest, WindowsPathTextsNamePosixFiles) {
  struct Case {
    const char* text;
    const char* file;
  } cases[] = {
      {"C:\\PRTG_Path.Txt", "/PRTG_Path.Txt"},
      {"\\PRD.P00", "/PRD.P00"},
      {"d:\\Sensors\\PRD.P00", "/Sensors/PRD.P00"},
      {"Custom Sensors\\ExeXml\\PRD.P00", "Custom Sensors/ExeXml/PRD.P00"},
      {"PRD.P00", "PRD.P00"},
      {"C:PRD.P00", "C:PRD.P00"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_STREQ(c.file, HostPathOf(c.text).c_str()) << c.text;
}

std::string ReadAllLines(InputFile& file, size_t size) {
  std::string lines;
  char buffer[64];
  while (file.ReadLine(buffer, size)) lines += std::string(buffer) + "|";
  return lines;
}

TEST(SystemEnvTest, TextFilesReadAsWindowsTextModeReadsThem) {
  ScratchDirectory dir;
  dir.Write("crlf.txt", "one\r\ntwo\r\rthree\r\n\r\nlast");
  auto text = SystemEnv().OpenText("crlf.txt");
  ASSERT_TRUE(text);
  EXPECT_EQ("one\n|two\r\rthree\n|\n|last|", ReadAllLines(*text, sizeof(char[64])));
  auto raw = SystemEnv().OpenRaw("crlf.txt");
  ASSERT_TRUE(raw);
  EXPECT_EQ("one\r\n|two\r\rthree\r\n|\r\n|last|", ReadAllLines(*raw, 64));
}

TEST(SystemEnvTest, CtrlZEndsATextFileButNotARawOne) {
  ScratchDirectory dir;
  dir.Write("z.txt", std::string("one\r\ntw\x1ao\r\nthree\r\n"));
  auto text = SystemEnv().OpenText("z.txt");
  EXPECT_EQ("one\n|tw|", ReadAllLines(*text, 64));
  auto raw = SystemEnv().OpenRaw("z.txt");
  EXPECT_EQ("one\r\n|tw\x1ao\r\n|three\r\n|", ReadAllLines(*raw, 64));
}

TEST(SystemEnvTest, LongLinesArriveInPieces) {
  ScratchDirectory dir;
  dir.Write("long.txt", "abcdefgh\r\n");
  auto file = SystemEnv().OpenText("long.txt");
  ASSERT_TRUE(file);
  EXPECT_EQ("abc|def|gh\n|", ReadAllLines(*file, 4));
}

// A FIFO and a device are no files to read: they would block the run or
// feed it without end. Each is refused at once, as a missing file is.
TEST(SystemEnvTest, OnlyRegularFilesOpenAndHaveASize) {
  ScratchDirectory dir;
  ASSERT_EQ(0, mkfifo("fifo", 0600));
  std::filesystem::create_symlink("/dev/zero", "zero");
  std::filesystem::create_symlink("/dev/null", "null");
  for (const char* name : {"fifo", "zero", "null"}) {
    EXPECT_FALSE(SystemEnv().OpenText(name)) << name;
    EXPECT_FALSE(SystemEnv().OpenRaw(name)) << name;
    EXPECT_EQ(-1, SystemEnv().FileSize(name)) << name;
  }
  EXPECT_FALSE(SystemEnv().OpenAppend("fifo")) << "no reader: the open would wait";
  dir.Write("regular.txt", "line\n");
  std::filesystem::create_symlink("regular.txt", "link");
  EXPECT_TRUE(SystemEnv().OpenText("link"));
  EXPECT_TRUE(SystemEnv().OpenAppend("appended.txt"));
}

TEST(SystemEnvTest, DirectoriesAndMissingFilesDoNotOpenAndHaveNoSize) {
  ScratchDirectory dir;
  dir.Write("sub\\..\\sub/file.txt", "x");
  EXPECT_FALSE(SystemEnv().OpenText("sub"));
  EXPECT_FALSE(SystemEnv().OpenText("sub\\"));
  EXPECT_FALSE(SystemEnv().OpenText("missing.txt"));
  EXPECT_FALSE(SystemEnv().OpenText(""));
  EXPECT_FALSE(SystemEnv().OpenText(std::string(5000, 'a').c_str()));
  dir.Write("folder/three.txt", "abc");
  EXPECT_EQ(3, SystemEnv().FileSize("folder\\three.txt"));
  EXPECT_EQ(-1, SystemEnv().FileSize("folder"));
  EXPECT_EQ(-1, SystemEnv().FileSize("missing.txt"));
}

TEST(SystemEnvTest, ReplaceFileWritesTheWholeCopy) {
  ScratchDirectory dir;
  std::string content(100000, 'x');
  content += "\r\nend";
  dir.Write("SapRfc.PRD", content);
  std::unique_ptr<HeldLock> lock = SystemEnv().LockWorkingDirectory(0);
  const HeldLock* const without_and_with[] = {nullptr, lock.get()};
  for (const HeldLock* held : without_and_with) {
    dir.Write("SapRfc.ini", "old");
    auto source = SystemEnv().OpenRaw("SapRfc.PRD");
    ASSERT_TRUE(source);
    EXPECT_TRUE(SystemEnv().ReplaceFile(*source, "SapRfc.ini", held));
    EXPECT_EQ(content, dir.Read("SapRfc.ini"));
    auto again = SystemEnv().OpenRaw("SapRfc.PRD");
    EXPECT_FALSE(SystemEnv().ReplaceFile(*again, "no-such-dir\\SapRfc.ini", held));
  }
}

std::set<std::string> FilesIn(const std::string& directory) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory))
    names.insert(entry.path().filename().string());
  return names;
}

// The id of a process that has ended.
pid_t EndedProcess() {
  pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

// A process killed during its copy leaves its temporary file; one that
// holds the lock removes those of ended processes, and never a file that
// is no such copy or the copy of a process still running. A failed copy
// leaves nothing.
TEST(SystemEnvTest, TemporaryCopiesDoNotPileUp) {
  ScratchDirectory dir;
  dir.Write("SapRfc.PRD", "DEST=PRD\r\n");
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(getpid());
  const std::set<std::string> leftovers = {"SapRfc.ini.tmp", "SapRfc.ini." + ended + ".0.tmp"};
  const std::set<std::string> others = {
      "SapRfc.ini.old", "SapRfc.ini.12.tmp", "SapRfc.ini." + ended + ".1.tmp.x",
      "SapRfc.ini.0." + ended + ".tmp", "SapRfc.ini." + running + ".7.tmp",
      "SapRfc.ini.0" + ended + ".1.tmp", "sapRfc.ini.tmp"};
  for (const std::string& name : leftovers) dir.Write(name, "left");
  for (const std::string& name : others) dir.Write(name, "kept");
  std::unique_ptr<HeldLock> lock = SystemEnv().LockWorkingDirectory(0);

  auto source = SystemEnv().OpenRaw("SapRfc.PRD");
  EXPECT_TRUE(SystemEnv().ReplaceFile(*source, "SapRfc.ini", nullptr));
  std::set<std::string> expected = others;
  expected.insert(leftovers.begin(), leftovers.end());
  expected.insert({"SapRfc.PRD", "SapRfc.ini"});
  EXPECT_EQ(expected, FilesIn(dir.path())) << "without the lock nothing is removed";

  source = SystemEnv().OpenRaw("SapRfc.PRD");
  EXPECT_TRUE(SystemEnv().ReplaceFile(*source, "SapRfc.ini", lock.get()));
  for (const std::string& name : leftovers) expected.erase(name);
  EXPECT_EQ(expected, FilesIn(dir.path()));
  EXPECT_EQ("DEST=PRD\r\n", dir.Read("SapRfc.ini"));

  std::filesystem::remove("SapRfc.ini");
  std::filesystem::create_directory("SapRfc.ini");  // the copy cannot take its place
  const HeldLock* const without_and_with[] = {nullptr, lock.get()};
  for (const HeldLock* held : without_and_with) {
    source = SystemEnv().OpenRaw("SapRfc.PRD");
    EXPECT_FALSE(SystemEnv().ReplaceFile(*source, "SapRfc.ini", held));
    EXPECT_EQ(expected, FilesIn(dir.path())) << "the failed copy is removed";
  }
}

bool LockIsFree() { return SystemEnv().LockWorkingDirectory(0) != nullptr; }

// One lock per working directory, for every process working there; it
// leaves no file, and the system releases it when its holder dies.
TEST(SystemEnvTest, TheWorkingDirectoryLockIsSharedByEveryProcessThere) {
  ScratchDirectory dir;
  dir.Write("sub/keep.txt", "");
  std::unique_ptr<HeldLock> held = SystemEnv().LockWorkingDirectory(0);
  ASSERT_TRUE(held != nullptr);
  EXPECT_FALSE(SystemEnv().LockWorkingDirectory(30)) << "held: the wait runs out";
  std::filesystem::current_path("sub");
  EXPECT_TRUE(LockIsFree()) << "another directory has a lock of its own";
  std::filesystem::current_path(dir.path());
  held.reset();
  EXPECT_TRUE(LockIsFree());

  // A child takes the lock, says so, and dies holding it.
  int ready[2];
  ASSERT_EQ(0, pipe(ready));
  pid_t child = fork();
  if (child == 0) {
    std::unique_ptr<HeldLock> lock = SystemEnv().LockWorkingDirectory(0);
    char taken = lock ? 'y' : 'n';
    if (write(ready[1], &taken, 1) == 1) usleep(100 * 1000);
    _exit(0);
  }
  char taken = 0;
  ASSERT_EQ(1, read(ready[0], &taken, 1));
  EXPECT_EQ('y', taken);
  EXPECT_FALSE(LockIsFree()) << "held by the other process";
  EXPECT_TRUE(SystemEnv().LockWorkingDirectory(20000) != nullptr) << "free once it died";
  int status = 0;
  waitpid(child, &status, 0);
  close(ready[0]);
  close(ready[1]);
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
    names.insert(std::filesystem::relative(entry.path(), dir.path()).string());
  EXPECT_EQ((std::set<std::string>{"sub", "sub/keep.txt"}), names) << "no file of its own";
}

}  // namespace
}  // namespace fernwatch
