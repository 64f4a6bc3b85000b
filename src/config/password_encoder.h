// Writing the encoded password of a profile: the profile tool's half of
// the password format, which the probe itself only decodes.
#ifndef FERNWATCH_CONFIG_PASSWORD_ENCODER_H_
#define FERNWATCH_CONFIG_PASSWORD_ENCODER_H_

#include "config/password.h"
#include "fixed_text.h"

namespace fernwatch {

constexpr size_t kLongestPassword = kEncodedBodySize;

using EncodedPassword = FixedText<kEncodedPasswordSize>;

// 1 to 20 printable ASCII characters (blank to tilde).
bool IsEncodablePassword(const char* password);

// Encodes `password` with the key offset `offset` (0 to 9), filling the
// body with letters and digits. False when the password's own characters
// would encode to a character a profile line cannot carry safely: a DEL,
// a control character, or a blank at the end.
bool EncodePasswordWithOffset(const char* password, int offset, EncodedPassword* encoded);

// Encodes with the first key offset that gives a safe value. False when no
// offset does (or the password is not encodable at all).
bool EncodePassword(const char* password, EncodedPassword* encoded);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_PASSWORD_ENCODER_H_
