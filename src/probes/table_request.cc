#include "probes/table_request.h"

#include <cstring>

namespace fernwatch {
namespace {

template <size_t N>
void FillField(char (&field)[N], const char* text) {
  std::memset(field, ' ', N);
  size_t length = std::strlen(text);
  std::memcpy(field, text, length < N ? length : N);
}

}  // namespace

TableRequest WholeTableRequest(const char* table_name) {
  TableRequest request;
  FillField(request.bypass_buffer, "");
  FillField(request.from_key, "");
  FillField(request.generic_key, "");
  request.max_entries = 0;
  FillField(request.table_name, table_name);
  FillField(request.to_key, "");
  request.number_of_entries = 0;
  return request;
}

}  // namespace fernwatch
