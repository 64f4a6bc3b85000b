// The function modules the simulated systems answer: GET_CPU_ALL,
// RFC_SYSTEM_INFO and RFC_GET_TABLE_ENTRIES.
#ifndef FERNWATCH_RFCSIM_FUNCTION_MODULES_H_
#define FERNWATCH_RFCSIM_FUNCTION_MODULES_H_

#include <string>
#include <vector>

#include "rfcsim/parameters.h"
#include "rfcsim/state.h"

namespace rfcsim {

// The rows one table parameter receives.
struct TableResult {
  std::string name;
  std::vector<std::string> rows;
  char pad;  // fills a row up to the table's row length
};

// What a function module answers: importing values and table rows on
// success, or the exception it raises.
struct Answer {
  std::string exception;  // empty: no exception
  Values importing;
  std::vector<TableResult> tables;
};

bool KnownFunction(const std::string& function);
Answer RunFunction(const Connection& connection, const PendingCall& call);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_FUNCTION_MODULES_H_
