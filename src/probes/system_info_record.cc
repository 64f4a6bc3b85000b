#include "probes/system_info_record.h"

namespace fernwatch {
namespace {

// The field of capacity N at `offset`.
template <size_t N>
FixedText<N> Field(const char* record, size_t offset) {
  FixedText<N> field;
  for (size_t i = 0; i < N && record[offset + i] != '\0'; ++i) {
    const char c = record[offset + i];
    field.append_char(static_cast<unsigned char>(c) < 0x20 ? ' ' : c);
  }
  while (!field.empty() && field[field.size() - 1] == ' ') field.truncate(field.size() - 1);
  return field;
}

}  // namespace

SystemInfoRecord ReadSystemInfoRecord(const char (&record)[kSystemInfoRecordLength]) {
  SystemInfoRecord info;
  info.Destination = Field<32>(record, 13);
  info.Host = Field<8>(record, 45);
  info.SystemId = Field<8>(record, 53);
  info.DatabaseName = Field<8>(record, 61);
  info.DatabaseHost = Field<32>(record, 69);
  info.DatabaseSystem = Field<10>(record, 101);
  info.Release = Field<4>(record, 111);
  info.OperatingSystem = Field<10>(record, 120);
  info.KernelRelease = Field<4>(record, 152);
  return info;
}

}  // namespace fernwatch
