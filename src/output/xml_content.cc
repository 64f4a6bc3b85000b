#include "output/xml_content.h"

namespace fernwatch {

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
