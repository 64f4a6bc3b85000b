// The key is never kept in one piece in the program image: a cover text
// fills the buffer, and each position is then overwritten on its own when
// the program starts.
#include <cstring>

#include "config/password.h"

namespace fernwatch {
namespace {

struct KeyBuffer {
  unsigned char bytes[kPasswordKeySize + 1];

  KeyBuffer() {
    static const char kCover[] = "Fernwatch checks SAP for PRTG 43";
    static_assert(sizeof kCover == kPasswordKeySize + 1, "the cover text fills the key");
    std::memcpy(bytes, kCover, sizeof kCover);
    volatile unsigned char* key = bytes;
    key[0] = 0x07;
    key[1] = 0x06;
    key[2] = 0x16;
    key[3] = 0x02;
    key[4] = 0x12;
    key[5] = 0x1B;
    key[6] = 0x16;
    key[7] = 0x0C;
    key[8] = 0x0B;
    key[9] = 0x04;
    key[10] = 0x14;
    key[11] = 0x0F;
    key[12] = 0x08;
    key[13] = 0x14;
    key[14] = 0x11;
    key[15] = 0x11;
    key[16] = 0x14;
    key[17] = 0x1C;
    key[18] = 0x15;
    key[19] = 0x15;
    key[20] = 0x14;
    key[21] = 0x09;
    key[22] = 0x13;
    key[23] = 0x1D;
    key[24] = 0x0F;
    key[25] = 0x1E;
    key[26] = 0x13;
    key[27] = 0x1E;
    key[28] = 0x15;
    key[29] = 0x0D;
    key[30] = 0x0C;
    key[31] = 0x03;
  }
};

const KeyBuffer key_buffer;

}  // namespace

const unsigned char* PasswordKey() { return key_buffer.bytes; }

}  // namespace fernwatch
