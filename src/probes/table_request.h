// The fixed-length fields of a read of a whole customer table with
// RFC_GET_TABLE_ENTRIES: no key narrows it and no limit cuts it.
#ifndef FERNWATCH_PROBES_TABLE_REQUEST_H_
#define FERNWATCH_PROBES_TABLE_REQUEST_H_

#include <cstdint>

#include "probes/sensor_row.h"

namespace fernwatch {

// Blank-padded, not terminated, as the function module takes them.
struct TableRequest {
  char bypass_buffer[1];
  char from_key[kTableKeyLength];
  char generic_key[kTableKeyLength];
  int32_t max_entries;
  char table_name[kTableNameLength];
  char to_key[kTableKeyLength];
  int32_t number_of_entries;
};

// The request for all of `table_name`.
TableRequest WholeTableRequest(const char* table_name);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_TABLE_REQUEST_H_
