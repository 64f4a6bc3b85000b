#include "fixed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace fernwatch {
namespace {

TEST(FixedTextTest, EveryWriteIsCutAtTheCapacity) {
  FixedText<5> text("abcdefgh");
  EXPECT_STREQ("abcde", text.c_str());
  text.append("xyz");
  EXPECT_STREQ("abcde", text.c_str());
  text.append_char('!');
  EXPECT_EQ(5u, text.size());
  text.format("%s-%d", "long text", 12345);
  EXPECT_STREQ("long ", text.c_str());
  text.assign(std::string(10000, 'q').c_str());
  EXPECT_EQ(5u, text.size());
}

TEST(FixedTextTest, AssignStopsAtCountOrZeroByte) {
  FixedText<10> text;
  text.assign("abcdef", 3);
  EXPECT_STREQ("abc", text.c_str());
  text.assign(nullptr == nullptr ? "ab\0cd" : "", 5);
  EXPECT_STREQ("ab", text.c_str());
  text.append(static_cast<const char*>(nullptr));
  EXPECT_STREQ("ab", text.c_str());
}

TEST(FixedTextTest, NoZeroByteWithinATextAndAppendedTextsAreCut) {
  FixedText<10> text;
  text.format("ab%cde", '\0');
  EXPECT_EQ(2u, text.size());
  FixedText<4> shorter("wxyz");
  text.append(shorter);
  text.append(shorter);
  EXPECT_STREQ("abwxyzwxyz", text.c_str());
  text.append_measured("more", 4);
  EXPECT_EQ(10u, text.size());
}

TEST(FixedTextTest, SearchingAndCutting) {
  FixedText<40> text("Item=A:B,CH=2,Sensor=x");
  EXPECT_EQ(8u, text.find(",CH="));
  EXPECT_EQ(text.npos, text.find("ITEM="));
  EXPECT_EQ(8u, text.find_char(','));
  EXPECT_EQ(text.npos, text.find_char('#'));
  text.truncate(text.find(",Sensor="));
  EXPECT_STREQ("Item=A:B,CH=2", text.c_str());
  text.truncate(text.npos);
  EXPECT_STREQ("Item=A:B,CH=2", text.c_str());
  text.replace_all(':', ' ');
  EXPECT_STREQ("Item=A B,CH=2", text.c_str());
  text.drop_front(9);
  EXPECT_STREQ("CH=2", text.c_str());
  text.drop_front(99);
  EXPECT_TRUE(text.empty());
}

TEST(FixedTextTest, UpperCasingTouchesOnlyAsciiLetters) {
  FixedText<20> text("ab\xe4z,@#1");
  text.to_upper();
  EXPECT_STREQ("AB\xe4Z,@#1", text.c_str());
}

}  // namespace
}  // namespace fernwatch
