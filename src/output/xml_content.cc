#include "output/xml_content.h"

namespace fernwatch {
namespace {

constexpr std::array<bool, 256> WrittenAsItIs() {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = c != '\0' && c != '&' && c != '<' && c != '>';
  return table;
}

}  // namespace

const std::array<bool, 256> kWrittenAsItIs = WrittenAsItIs();

const char* XmlEntityOf(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    default:
      return nullptr;
  }
}

}  // namespace fernwatch
