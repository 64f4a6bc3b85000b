#include "config/item_value.h"

namespace fernwatch {

FixedText<90> ItemValue(const char* text) {
  FixedText<90> item;
  for (; *text != '\0' && *text != ' ' && *text != ',' && item.size() < item.kCapacity; ++text)
    item.append_char(*text == ':' ? ' ' : *text);
  return item;
}

}  // namespace fernwatch
