#include "config/password.h"

#include <cstring>

namespace fernwatch {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool InCodeAlphabet(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char CheckDigitOf(const char* text) {
  unsigned sum = 0;
  for (; *text != '\0'; ++text)
    if (InCodeAlphabet(*text)) sum += static_cast<unsigned char>(*text);
  return static_cast<char>('0' + sum % 10);
}

size_t BodyPositionOf(size_t k) {
  return k % 2 == 0 ? k / 2 : kEncodedBodySize - 1 - k / 2;
}

PasswordDecoding DecodePassword(const char* encoded, DecodedPassword* password) {
  const unsigned char* key = PasswordKey();
  if (std::strlen(encoded) != kEncodedPasswordSize) return PasswordDecoding::kInvalid;
  char header[kEncodedHeaderSize];
  for (size_t i = 0; i < kEncodedHeaderSize; ++i) {
    header[i] = static_cast<char>(encoded[i] ^ key[i]);
    if (!IsDigit(header[i])) return PasswordDecoding::kInvalid;
  }
  const size_t offset = static_cast<size_t>(header[1] - '0');
  const size_t length = static_cast<size_t>((header[2] - '0') * 10 + (header[3] - '0'));
  const char* body = encoded + kEncodedHeaderSize;
  // A body character that decodes to the zero byte adds nothing.
  FixedText<kEncodedBodySize> text;
  for (size_t k = 0; k < kEncodedBodySize; ++k) {
    size_t at = BodyPositionOf(k);
    text.append_char(static_cast<char>(body[at] ^ key[offset + at]));
  }
  if (CheckDigitOf(text.c_str()) != header[0]) return PasswordDecoding::kWrong;
  password->assign(text.c_str(), length);
  return PasswordDecoding::kDecoded;
}

}  // namespace fernwatch
