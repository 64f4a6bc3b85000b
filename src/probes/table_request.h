// A read of a whole customer table with RFC_GET_TABLE_ENTRIES, as a run
// reads it: no key narrows it and no limit cuts it.
#ifndef FERNWATCH_PROBES_TABLE_REQUEST_H_
#define FERNWATCH_PROBES_TABLE_REQUEST_H_

#include <cstdint>

#include "probes/probes.h"
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

// What the read came to. Its rows are in the internal table `Entries`,
// which the caller deletes with ItDelete once it has read them.
struct TableRead {
  // Succeeded with return code 0, and for a table without entries;
  // otherwise the failed call's error text, or the operation the library
  // refused, after which no further call was made.
  ProbeOutcome Outcome;
  // The function module's way of saying that the table is there but empty.
  bool NoEntries = false;
  ITAB_H Entries = nullptr;
};

// Reads all of `table_name` over `handle` into a new internal table
// ENTRIES of 540-character lines. Prints nothing.
TableRead ReadWholeTable(RFC_HANDLE handle, const char* table_name);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_TABLE_REQUEST_H_
