#include "config/password.h"

#include <gtest/gtest.h>

#include <string>

#include "config/password_encoder.h"

namespace fernwatch {
namespace {

std::string Decoded(const char* encoded) {
  DecodedPassword password("unchanged");
  PasswordDecoding result = DecodePassword(encoded, &password);
  if (result == PasswordDecoding::kInvalid) return "<invalid>";
  if (result == PasswordDecoding::kWrong) return "<wrong:" + std::string(password.c_str()) + ">";
  return password.c_str();
}

// Values written by an independent coder of the same format.
TEST(PasswordDecoding, ReadsValuesOfTheSharedFormat) {
  EXPECT_EQ(Decoded("05&4qq~Ga@=dU0@c%Xd'\"`{v"), "secret");
  EXPECT_EQ(Decoded("41'3\\+wc})##iXl,^yXw-qmr"), "Pa ss~w0rd!");
  // Header 7, 3, 0, 8: check digit 7, key offset 3, eight characters.
  EXPECT_EQ(Decoded("05&:O|odIQ<zX>Ms\"@n!${`|"), "Monitor1");
  // A body character that decodes to the zero byte adds nothing.
  EXPECT_EQ(Decoded("36&1fdrdzqzb{vg~gyzxsyv\x15"), "abc");
  EXPECT_EQ(Decoded("76&2fese{p{czw`}xz}{|zqw"), "");  // length 00
}

bool IsSafeValue(const EncodedPassword& value) {
  for (size_t i = 0; i < value.size(); ++i)
    if (value[i] < ' ' || value[i] > '~') return false;
  return value.size() == kEncodedPasswordSize && value[kEncodedPasswordSize - 1] != ' ';
}

// Every key offset, every length, every printable character: what the
// encoder writes is safe to keep in a profile and decodes to the password.
TEST(PasswordEncoding, RoundTrips) {
  for (int offset = 0; offset <= kLargestKeyOffset; ++offset) {
    int encoded_count = 0;
    for (size_t length = 1; length <= kLongestPassword; ++length) {
      for (char first = ' '; first <= '~'; first = static_cast<char>(first + 5)) {
        std::string password;
        for (size_t i = 0; i < length; ++i)
          password += static_cast<char>(' ' + (first - ' ' + 7 * i) % 95);
        EncodedPassword value;
        if (!EncodePasswordWithOffset(password.c_str(), offset, &value)) continue;
        ++encoded_count;
        EXPECT_TRUE(IsSafeValue(value)) << value.c_str();
        EXPECT_EQ(Decoded(value.c_str()), password) << offset;
      }
    }
    EXPECT_GT(encoded_count, 200) << offset;
    EncodedPassword value;
    EXPECT_TRUE(EncodePasswordWithOffset("UPPER CASE ALWAYS OK", offset, &value));
  }
}

TEST(PasswordEncoding, ChoosesASafeOffsetOrRefuses) {
  EncodedPassword value;
  for (const char* password : {"secret", "~~~~~~~~~~~~~~~~~~~~", "a", "`abcdefghijklmnopqrs"}) {
    ASSERT_TRUE(EncodePassword(password, &value)) << password;
    EXPECT_TRUE(IsSafeValue(value));
    EXPECT_EQ(Decoded(value.c_str()), password);
  }
  for (const char* password : {"", "123456789012345678901", "tab\there", "del\x7f", "\xe4"})
    EXPECT_FALSE(EncodePassword(password, &value)) << password;

  // Every offset d meets a character that would encode to DEL at 2d.
  std::string cornered(kLongestPassword, 'A');
  for (int d = 0; d <= kLargestKeyOffset; ++d)
    cornered[static_cast<size_t>(2 * d)] = static_cast<char>(0x7F ^ PasswordKey()[d + d]);
  EXPECT_FALSE(EncodePassword(cornered.c_str(), &value));
}

}  // namespace
}  // namespace fernwatch
