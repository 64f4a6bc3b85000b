#include "config/text_line.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_env.h"

namespace fernwatch {
namespace {

std::string WholeLines(const std::string& content) {
  ScratchDirectory dir;
  dir.Write("lines.txt", content);
  std::unique_ptr<InputFile> file = SystemEnv().OpenText("lines.txt");
  std::string lines, line;
  while (ReadWholeLine(*file, &line)) lines += line + "|";
  return lines;
}

// Lines end where the file's lines end, however their length falls on the
// pieces in which they are read; a zero byte ends a line's text, not the
// line.
TEST(WholeLineTest, LinesOfAnyLength) {
  for (size_t length : {0, 1, 509, 510, 511, 512, 1021, 1022, 1023, 5000}) {
    const std::string line(length, 'a');
    EXPECT_EQ(WholeLines(line + "\r\nb\nc"), line + "|b|c|") << length;
  }
  const std::string zero_at_end = std::string(511, 'a') + std::string(1, '\0');
  EXPECT_EQ(WholeLines("ab" + std::string(1, '\0') + std::string(2000, 'c') + "\nnext\n"),
            "ab|next|");
  EXPECT_EQ(WholeLines(zero_at_end + std::string(600, 'c') + "\nnext"),
            std::string(511, 'a') + "|next|");
  EXPECT_EQ(WholeLines(""), "");
}

}  // namespace
}  // namespace fernwatch
