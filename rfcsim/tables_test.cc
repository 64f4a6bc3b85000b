#include <gtest/gtest.h>

#include "rfcsim/rfcsim_test_support.h"

namespace rfcsim_test {
namespace {

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override { handle_ = OpenPrd(); ASSERT_NE(handle_, 0u); }
  void TearDown() override { RfcClose(handle_); }

  // Receives ZPRTG into the table given, as the table list names it.
  RFC_RC Receive(RFC_TABLE* tables) {
    std::string name = "ZPRTG";
    name.resize(30, ' ');
    RFC_PARAMETER exporting[] = {Parameter("TABLE_NAME", TYPC, 30, &name[0]),
                                 {nullptr, 0, 0, 0, nullptr}};
    RFC_PARAMETER none[] = {{nullptr, 0, 0, 0, nullptr}};
    char function[] = "RFC_GET_TABLE_ENTRIES";
    RFC_RC rc = RfcCall(handle_, function, exporting, tables);
    rfc_char_t* exception = nullptr;
    return rc != RFC_OK ? rc : RfcReceive(handle_, none, tables, &exception);
  }

  Workspace workspace_{BasicLandscape()};
  RFC_HANDLE handle_ = 0;
};

TEST_F(TableTest, LinesAreCountedFromOne) {
  char name[] = "ENTRIES";
  ITAB_H itab = ItCreate(name, 540, 0, 0);
  ASSERT_NE(itab, nullptr);
  EXPECT_EQ(ItFill(itab), 0u);
  EXPECT_EQ(ItGetLine(itab, 1), nullptr);
  RFC_TABLE tables[] = {Table("ENTRIES", itab, 540),
                        {nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  ASSERT_EQ(Receive(tables), RFC_OK);
  ASSERT_EQ(ItFill(itab), 3u);
  EXPECT_EQ(ItGetLine(itab, 0), nullptr);
  EXPECT_EQ(std::string(static_cast<char*>(ItGetLine(itab, 1)), 5), "USERS");
  EXPECT_EQ(std::string(static_cast<char*>(ItGetLine(itab, 3)), 5), "SPOOL");
  EXPECT_EQ(ItGetLine(itab, 4), nullptr);
  // A second receive replaces the rows instead of adding to them.
  ASSERT_EQ(Receive(tables), RFC_OK);
  EXPECT_EQ(ItFill(itab), 3u);
  EXPECT_EQ(ItDelete(itab), 0);
}

TEST_F(TableTest, HandlesTheLibraryDidNotMakeAreRefused) {
  char name[] = "ENTRIES";
  ITAB_H itab = ItCreate(name, 540, 0, 0);
  ASSERT_EQ(ItDelete(itab), 0);
  EXPECT_NE(ItDelete(itab), 0);
  EXPECT_EQ(ItFill(itab), 0u);
  EXPECT_EQ(ItGetLine(itab, 1), nullptr);
  int not_a_table = 0;
  EXPECT_EQ(ItFill(&not_a_table), 0u);
  EXPECT_NE(ItDelete(nullptr), 0);
  EXPECT_EQ(ItCreate(name, 0, 0, 0), nullptr);
}

TEST_F(TableTest, AMissingTableHandleGetsANewTable) {
  RFC_TABLE tables[] = {Table("ENTRIES", nullptr, 100),
                        {nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  ASSERT_EQ(Receive(tables), RFC_OK);
  ASSERT_NE(tables[0].ithandle, nullptr);
  EXPECT_EQ(tables[0].newitab, 1);
  EXPECT_EQ(ItFill(tables[0].ithandle), 3u);
  EXPECT_EQ(ItDelete(tables[0].ithandle), 0);
}

TEST(StructureTest, InstallGivesDistinctHandles) {
  Workspace workspace(BasicLandscape());
  RfcClose(OpenPrd());  // the library's settings come from the landscape
  RFC_TYPE_ELEMENT wa = {const_cast<char*>("WA"), TYPC, 540, 0, 0};
  char tab512[] = "TAB512", cpu_all[] = "CPU_ALL";
  RFC_TYPEHANDLE first = 0, second = 0;
  ASSERT_EQ(RfcInstallStructure(tab512, &wa, 1, &first), RFC_OK);
  ASSERT_EQ(RfcInstallStructure(cpu_all, &wa, 1, &second), RFC_OK);
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, first);
  // Handles stay clear of the type codes the parameter lists also carry.
  EXPECT_GT(first, static_cast<RFC_TYPEHANDLE>(TYPINT1));
  RFC_TYPEHANDLE untouched = 0;
  EXPECT_NE(RfcInstallStructure(nullptr, &wa, 1, &untouched), RFC_OK);
  EXPECT_NE(RfcInstallStructure(tab512, nullptr, 1, &untouched), RFC_OK);
  EXPECT_NE(RfcInstallStructure(tab512, &wa, 1, nullptr), RFC_OK);
  EXPECT_EQ(untouched, 0u);
}

}  // namespace
}  // namespace rfcsim_test
