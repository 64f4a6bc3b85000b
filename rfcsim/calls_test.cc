#include <gtest/gtest.h>

#include "rfcsim/rfcsim_test_support.h"

namespace rfcsim_test {
namespace {

int32_t IntAt(const std::string& row, size_t offset) {
  int32_t value;
  std::memcpy(&value, row.data() + offset, 4);
  return value;
}

int16_t ShortAt(const std::string& row, size_t offset) {
  int16_t value;
  std::memcpy(&value, row.data() + offset, 2);
  return value;
}

std::string Padded(const std::string& text, size_t length = 540) {
  std::string padded = text;
  padded.resize(length, ' ');
  return padded;
}

class CallTest : public ::testing::Test {
 protected:
  void SetUp() override { handle_ = OpenPrd(); ASSERT_NE(handle_, 0u); }
  void TearDown() override { RfcClose(handle_); }

  Workspace workspace_{BasicLandscape()};
  RFC_HANDLE handle_ = 0;
};

TEST_F(CallTest, CpuTableHasOneRowPerCpu) {
  Result result = CallCpu(handle_);
  ASSERT_EQ(result.rc, RFC_OK);
  ASSERT_EQ(result.rows.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    const std::string& row = result.rows[i];
    EXPECT_EQ(ShortAt(row, 4), static_cast<int16_t>(i));  // SERIALNR
    EXPECT_EQ(IntAt(row, 8), 2);                           // NBR_CPU
    int32_t user = IntAt(row, 36), system = IntAt(row, 40), idle = IntAt(row, 44);
    EXPECT_EQ(user + system + idle, 100);
  }
}

TEST_F(CallTest, SystemInfoPlacesItsElementsAtTheirOffsets) {
  std::string record(200, '#');
  int32_t resources = -1;
  char complete = '#';
  RFC_PARAMETER importing[] = {
      Parameter("CURRENT_RESOURCES", TYPINT, 4, &resources),
      Parameter("RFCSI_EXPORT", 101, 200, &record[0]),
      Parameter("RFC_LOGIN_COMPLETE", TYPC, 1, &complete),
      {nullptr, 0, 0, 0, nullptr}};
  RFC_PARAMETER none[] = {{nullptr, 0, 0, 0, nullptr}};
  RFC_TABLE no_tables[] = {{nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  char function[] = "RFC_SYSTEM_INFO";
  ASSERT_EQ(RfcCall(handle_, function, none, no_tables), RFC_OK);
  rfc_char_t* exception = nullptr;
  ASSERT_EQ(RfcReceive(handle_, importing, no_tables, &exception), RFC_OK);
  EXPECT_GT(resources, 0);
  EXPECT_EQ(complete, 'X');
  EXPECT_EQ(record.substr(13, 32), Padded("PRD", 32));      // RFCDEST
  EXPECT_EQ(record.substr(45, 8), Padded("prdhost", 8));    // RFCHOST
  EXPECT_EQ(record.substr(53, 8), Padded("PRD", 8));        // RFCSYSID
  EXPECT_EQ(record.substr(101, 10), Padded("ORACLE", 10));  // RFCDBSYS
  EXPECT_EQ(record.substr(111, 4), "740 ");                 // RFCSAPRL
  EXPECT_EQ(record.substr(120, 10), Padded("Linux", 10));   // RFCOPSYS
  EXPECT_EQ(record.find('#'), std::string::npos);
}

TEST_F(CallTest, TableRowsComeInOrderBlankPaddedToTheRowLength) {
  Result result = ReadTable(handle_, "ZPRTG");
  ASSERT_EQ(result.rc, RFC_OK);
  ASSERT_EQ(result.rows.size(), 3u);
  EXPECT_EQ(result.rows[0], Padded("USERS     * Logged-on users                  3"));
  EXPECT_EQ(result.rows[1], Padded("USERS     01Dialog users                    117"));
  EXPECT_EQ(result.rows[2], Padded("SPOOL     * Spool requests                   40"));
}

TEST_F(CallTest, RowsAreCutAtAShorterRowLength) {
  Result result = ReadTable(handle_, "ZPRTG", "", 0, 8);
  ASSERT_EQ(result.rc, RFC_OK);
  ASSERT_EQ(result.rows.size(), 3u);
  EXPECT_EQ(result.rows[0], "USERS   ");
}

TEST_F(CallTest, GenericKeyAndMaximumSelectRows) {
  struct Case {
    const char* key;
    int32_t most;
    size_t rows;
  } const cases[] = {
      {"", 0, 3}, {"USERS", 0, 2}, {"USERS     01", 0, 1}, {"SPOOL", 0, 1},
      {"NOSUCH", 0, 0}, {"", 2, 2}, {"USERS", 1, 1}, {"", 9, 3},
  };
  for (const Case& c : cases) {
    Result result = ReadTable(handle_, "ZPRTG", c.key, c.most);
    EXPECT_EQ(result.rc, RFC_OK) << c.key << " " << c.most;
    EXPECT_EQ(result.rows.size(), c.rows) << c.key << " " << c.most;
  }
  // The rows chosen are whole rows, as the unchosen table gives them.
  EXPECT_EQ(ReadTable(handle_, "ZPRTG", "USERS     01").rows,
            std::vector<std::string>{Padded("USERS     01Dialog users                    117")});
}

TEST_F(CallTest, UnknownAndEmptyTablesRaiseTheirExceptions) {
  Result unknown = ReadTable(handle_, "ZMALT");
  EXPECT_EQ(unknown.rc, RFC_EXCEPTION);
  EXPECT_EQ(unknown.exception, "TABLE_NOT_FOUND");
  Result empty = ReadTable(handle_, "ZBRIX");
  EXPECT_EQ(empty.rc, RFC_EXCEPTION);
  EXPECT_EQ(empty.exception, "INTERNAL_ERROR");
}

TEST_F(CallTest, UnknownFunctionModuleIsASystemException) {
  Result result = CallBare(handle_, "Z_NO_SUCH_MODULE");
  EXPECT_EQ(result.rc, RFC_SYS_EXCEPTION);
  EXPECT_EQ(result.exception, "SYSTEM_FAILURE");
}

TEST_F(CallTest, ReceiveWithoutCallFails) {
  RFC_PARAMETER none[] = {{nullptr, 0, 0, 0, nullptr}};
  RFC_TABLE no_tables[] = {{nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  rfc_char_t* exception = nullptr;
  EXPECT_EQ(RfcReceive(handle_, none, no_tables, &exception), RFC_FAILURE);
}

TEST_F(CallTest, ClosedHandleFails) {
  RfcClose(handle_);
  EXPECT_EQ(CallBare(handle_, "RFC_SYSTEM_INFO").rc, RFC_FAILURE);
  EXPECT_STREQ(LastError().message,
               ("connection handle " + std::to_string(handle_) + " is not open").c_str());
}

// Every buffer the library fills is followed by guard bytes that must stay.
TEST_F(CallTest, WritesStayWithinTheStatedLengths) {
  const char kGuard = '\x5A';
  std::string op_system(20, kGuard), read_flag(20, kGuard), record(40, kGuard);
  int32_t flags[2] = {0x5A5A5A5A, 0x5A5A5A5A};
  RFC_PARAMETER importing[] = {
      Parameter("OP_SYSTEM", TYPC, 2, &op_system[0]),
      Parameter("F_CPU_ALL_READ", TYPC, 0, &read_flag[0]),
      Parameter("ACTIVEFLAG", TYPINT, 2, &flags[0]),  // too short for the integer
      {nullptr, 0, 0, 0, nullptr}};
  std::string local = "LOCAL ";
  RFC_PARAMETER exporting[] = {Parameter("LOCAL_REMOTE", TYPC, 6, &local[0]),
                               {nullptr, 0, 0, 0, nullptr}};
  char table_name[] = "TF_CPU_ALL";
  ITAB_H itab = ItCreate(table_name, 10, 0, 0);
  RFC_TABLE tables[] = {Table("TF_CPU_ALL", itab, 48),
                        {nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  char function[] = "GET_CPU_ALL";
  ASSERT_EQ(RfcCall(handle_, function, exporting, tables), RFC_OK);
  rfc_char_t* exception = nullptr;
  ASSERT_EQ(RfcReceive(handle_, importing, tables, &exception), RFC_OK);
  EXPECT_EQ(op_system, "Li" + std::string(18, kGuard));
  EXPECT_EQ(read_flag, std::string(20, kGuard));
  EXPECT_EQ(flags[0], 0x5A5A5A5A);
  ASSERT_EQ(ItFill(itab), 2u);
  // The rows are as long as the table's rows, not as the structure's.
  EXPECT_EQ(std::string(static_cast<char*>(ItGetLine(itab, 1)), 4), std::string("\1\0\0\0", 4));
  ItDelete(itab);

  std::string info(40, kGuard);
  RFC_PARAMETER short_record[] = {Parameter("RFCSI_EXPORT", 101, 16, &info[0]),
                                  {nullptr, 0, 0, 0, nullptr}};
  RFC_PARAMETER none[] = {{nullptr, 0, 0, 0, nullptr}};
  RFC_TABLE no_tables[] = {{nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  char system_info[] = "RFC_SYSTEM_INFO";
  ASSERT_EQ(RfcCall(handle_, system_info, none, no_tables), RFC_OK);
  ASSERT_EQ(RfcReceive(handle_, short_record, no_tables, &exception), RFC_OK);
  EXPECT_EQ(info.substr(0, 16), "0114103LITIE3PRD");
  EXPECT_EQ(info.substr(16), std::string(24, kGuard));
}

TEST_F(CallTest, UnknownParametersAreIgnored) {
  std::string untouched(8, '#');
  RFC_PARAMETER importing[] = {Parameter("NO_SUCH_PARAMETER", TYPC, 8, &untouched[0]),
                               {nullptr, 0, 0, 0, nullptr}};
  std::string extra = "whatever";
  RFC_PARAMETER exporting[] = {Parameter("NO_SUCH_INPUT", TYPC, 8, &extra[0]),
                               {nullptr, 0, 0, 0, nullptr}};
  RFC_TABLE no_tables[] = {{nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  char function[] = "RFC_SYSTEM_INFO";
  ASSERT_EQ(RfcCall(handle_, function, exporting, no_tables), RFC_OK);
  rfc_char_t* exception = nullptr;
  EXPECT_EQ(RfcReceive(handle_, importing, no_tables, &exception), RFC_OK);
  EXPECT_EQ(untouched, "########");
}

}  // namespace
}  // namespace rfcsim_test
