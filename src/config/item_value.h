#ifndef FERNWATCH_CONFIG_ITEM_VALUE_H_
#define FERNWATCH_CONFIG_ITEM_VALUE_H_

#include "run_state.h"

namespace fernwatch {

// The value of an item keyword: the characters of `text` up to the first
// blank or comma or its end, at most 90, every ':' turned into a blank.
ItemIdText ItemValue(const char* text);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_ITEM_VALUE_H_
