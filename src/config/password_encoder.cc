#include "config/password_encoder.h"

#include <cstring>

namespace fernwatch {
namespace {

const char kFillerAlphabet[] =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr size_t kFillerChoices = sizeof kFillerAlphabet - 1;

bool IsPrintable(char c) { return c >= ' ' && c <= '~'; }

// An encoded character must survive being kept in a text file and read
// back line by line, and editors drop a blank at the end of a line.
bool IsSafeEncoded(char c, size_t position) {
  const unsigned char code = static_cast<unsigned char>(c);
  if (code < 0x20 || code == 0x7F) return false;
  return !(c == ' ' && position == kEncodedPasswordSize - 1);
}

char EncodeAt(char plain, size_t body_position, int offset) {
  return static_cast<char>(plain ^ PasswordKey()[static_cast<size_t>(offset) + body_position]);
}

bool IsSafeInBody(char plain, size_t body_position, int offset) {
  return IsSafeEncoded(EncodeAt(plain, body_position, offset),
                       kEncodedHeaderSize + body_position);
}

// The filler varies with the password and the position; a choice that
// would encode unsafely is passed over (upper-case letters always encode
// safely, so one is always found).
char FillerAt(size_t k, unsigned seed, int offset) {
  const size_t body_position = BodyPositionOf(k);
  for (size_t step = 0; step < kFillerChoices; ++step) {
    char filler = kFillerAlphabet[(seed + 7 * k + step) % kFillerChoices];
    if (IsSafeInBody(filler, body_position, offset)) return filler;
  }
  return 'A';
}

unsigned SeedOf(const char* password) {
  unsigned seed = 0;
  for (; *password != '\0'; ++password) seed = seed * 31 + static_cast<unsigned char>(*password);
  return seed;
}

}  // namespace

bool IsEncodablePassword(const char* password) {
  const size_t length = std::strlen(password);
  if (length < 1 || length > kLongestPassword) return false;
  for (size_t i = 0; i < length; ++i)
    if (!IsPrintable(password[i])) return false;
  return true;
}

bool EncodePasswordWithOffset(const char* password, int offset, EncodedPassword* encoded) {
  if (!IsEncodablePassword(password) || offset < 0 || offset > kLargestKeyOffset) return false;
  const size_t length = std::strlen(password);
  const unsigned seed = SeedOf(password);
  char text[kEncodedBodySize + 1];
  for (size_t k = 0; k < kEncodedBodySize; ++k) {
    text[k] = k < length ? password[k] : FillerAt(k, seed, offset);
    if (!IsSafeInBody(text[k], BodyPositionOf(k), offset)) return false;
  }
  text[kEncodedBodySize] = '\0';

  const char header[kEncodedHeaderSize] = {
      CheckDigitOf(text), static_cast<char>('0' + offset),
      static_cast<char>('0' + length / 10), static_cast<char>('0' + length % 10)};
  char value[kEncodedPasswordSize + 1];
  for (size_t i = 0; i < kEncodedHeaderSize; ++i)
    value[i] = static_cast<char>(header[i] ^ PasswordKey()[i]);
  for (size_t k = 0; k < kEncodedBodySize; ++k) {
    const size_t at = BodyPositionOf(k);
    value[kEncodedHeaderSize + at] = EncodeAt(text[k], at, offset);
  }
  value[kEncodedPasswordSize] = '\0';
  encoded->assign(value);
  return true;
}

bool EncodePassword(const char* password, EncodedPassword* encoded) {
  const int first = static_cast<int>(SeedOf(password) % (kLargestKeyOffset + 1));
  for (int step = 0; step <= kLargestKeyOffset; ++step)
    if (EncodePasswordWithOffset(password, (first + step) % (kLargestKeyOffset + 1), encoded))
      return true;
  return false;
}

}  // namespace fernwatch
