#include "config/item_value.h"

namespace fernwatch {

ItemIdText ItemValue(const char* text) {
  ItemIdText item;
  for (; *text != '\0' && *text != ' ' && *text != ',' && item.size() < item.kCapacity; ++text)
    item.append_char(*text == ':' ? ' ' : *text);
  return item;
}

}  // namespace fernwatch
