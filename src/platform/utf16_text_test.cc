#include "platform/utf16_text.h"

#include <gtest/gtest.h>

#include <string>

namespace fernwatch {
namespace {

std::string Bytes(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// Characters beyond ASCII, a pair of surrogates, and what has no character:
// a surrogate alone and a last odd byte.
TEST(Utf16TextTest, BecomesUtf8) {
  EXPECT_EQ("C:\\PRTG\r\n", Utf8FromUtf16(Bytes(u"C:\\PRTG\r\n").data(), 18));
  const std::string mixed = Bytes(u"\u00f6\u20ac\U0001F600.");
  EXPECT_EQ("\xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80.", Utf8FromUtf16(mixed.data(), mixed.size()));
  const std::string lone = Bytes({u'a', 0xD800, u'b', 0xDC00, u'c'}) + "d";
  EXPECT_EQ("a?b?c", Utf8FromUtf16(lone.data(), lone.size()));
  EXPECT_EQ("", Utf8FromUtf16("", 0));
}

}  // namespace
}  // namespace fernwatch
