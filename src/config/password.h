// The encoded password of a profile: 24 characters, a header of four that
// carries the check digit, the key offset and the length, and a body of 20
// that carries the password and its filler, both enciphered with the
// PasswordKey.
#ifndef FERNWATCH_CONFIG_PASSWORD_H_
#define FERNWATCH_CONFIG_PASSWORD_H_

#include <cstddef>

#include "fixed_text.h"

namespace fernwatch {

constexpr size_t kPasswordKeySize = 32;
constexpr size_t kEncodedHeaderSize = 4;
constexpr size_t kEncodedBodySize = 20;
constexpr size_t kEncodedPasswordSize = kEncodedHeaderSize + kEncodedBodySize;
constexpr int kLargestKeyOffset = 9;

using DecodedPassword = FixedText<31>;

// The 32 key bytes, built once at start-up.
const unsigned char* PasswordKey();

// Digits and the letters a-z, A-Z: the characters the check digit counts.
bool InCodeAlphabet(char c);

// Last decimal digit of the sum of the codes of the CodeAlphabet
// characters in `text`.
char CheckDigitOf(const char* text);

// Position in the body of the k-th character of the decoded text: the body
// is read from both ends in turn, B[0], B[19], B[1], B[18], ...
size_t BodyPositionOf(size_t k);

enum class PasswordDecoding {
  kDecoded,
  kInvalid,  // not 24 characters, or the header is not four digits
  kWrong,    // the check digit does not match
};

// Decodes a non-empty `encoded` value. On success `password` holds the
// password; otherwise it is left as it was.
PasswordDecoding DecodePassword(const char* encoded, DecodedPassword* password);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_PASSWORD_H_
