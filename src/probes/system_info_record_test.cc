#include "probes/system_info_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace fernwatch {
namespace {

struct Placed {
  size_t offset;
  std::string text;
};

void Place(char (&record)[kSystemInfoRecordLength], std::initializer_list<Placed> fields) {
  std::memset(record, ' ', sizeof record);
  for (const Placed& field : fields)
    std::memcpy(record + field.offset, field.text.data(), field.text.size());
}

// Every field filled to its width, its neighbours too: each is cut at its
// own place and width.
TEST(SystemInfoRecordTest, FieldsFullToTheirWidthStayApart) {
  char record[kSystemInfoRecordLength];
  Place(record, {{10, "IE3"},
                 {13, std::string(32, 'D')},
                 {45, "apphost1"},
                 {53, "PRDSYSID"},
                 {61, "PRDDBNAM"},
                 {69, std::string(32, 'H')},
                 {101, "SYBASE_ASE"},
                 {111, "7570"},
                 {115, "39000"},
                 {120, "Windows NT"},
                 {130, "  3600"},
                 {137, "10.0.0.1"},
                 {152, "7771"},
                 {156, std::string(44, 'R')}});
  SystemInfoRecord info = ReadSystemInfoRecord(record);
  EXPECT_EQ(std::string(32, 'D'), info.Destination.c_str());
  EXPECT_STREQ("apphost1", info.Host.c_str());
  EXPECT_STREQ("PRDSYSID", info.SystemId.c_str());
  EXPECT_STREQ("PRDDBNAM", info.DatabaseName.c_str());
  EXPECT_EQ(std::string(32, 'H'), info.DatabaseHost.c_str());
  EXPECT_STREQ("SYBASE_ASE", info.DatabaseSystem.c_str());
  EXPECT_STREQ("7570", info.Release.c_str());
  EXPECT_STREQ("Windows NT", info.OperatingSystem.c_str());
  EXPECT_STREQ("7771", info.KernelRelease.c_str());
}

// What the record holds comes from the system: padding goes, a zero byte
// ends its field only, and a control character reaches no console.
TEST(SystemInfoRecordTest, PaddingZeroBytesAndControlCharacters) {
  char record[kSystemInfoRecordLength];
  Place(record,
        {{45, std::string("prd\0host", 8)}, {53, "P\tD  "}, {101, "HDB\x1b"}, {111, "757"}});
  SystemInfoRecord info = ReadSystemInfoRecord(record);
  EXPECT_STREQ("prd", info.Host.c_str());
  EXPECT_STREQ("P D", info.SystemId.c_str());
  EXPECT_STREQ("HDB", info.DatabaseSystem.c_str());
  EXPECT_STREQ("757", info.Release.c_str());
  EXPECT_STREQ("", info.OperatingSystem.c_str());
}

}  // namespace
}  // namespace fernwatch
