#include "rfcsim/landscape.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace rfcsim {
namespace {

TEST(LandscapeTest, ReadsSystemsWithTheirKeys) {
  Landscape landscape = ParseLandscape(
      "; a comment\n"
      "  # another\n"
      "\n"
      "[PRD]\r\n"
      "ASHOST = PrdHost \r\n"
      "SysNr=07\n"
      "gwhost = gw\n"
      "gwserv = sapgw07\n"
      "client = 100\n"
      "client = 200\n"
      "user = monitor\n"
      "passwd =  pass word  \n"
      "user = nopass\n"
      "sysid = PRD\n"
      "cpus = 4\n"
      "delay = 250\n"
      "[ QAS ]\n"
      "ashost = qashost\n");
  EXPECT_TRUE(landscape.unreadable.empty());
  ASSERT_EQ(landscape.systems.size(), 2u);
  const SimSystem& prd = landscape.systems[0];
  EXPECT_EQ(prd.id, "PRD");
  EXPECT_EQ(prd.ashost, "PrdHost");
  EXPECT_EQ(prd.sysnr, 7);
  EXPECT_EQ(prd.gwhost, "gw");
  EXPECT_EQ(prd.gwserv, "sapgw07");
  EXPECT_EQ(prd.clients, (std::vector<std::string>{"100", "200"}));
  ASSERT_EQ(prd.logons.size(), 2u);
  EXPECT_EQ(prd.logons[0].user, "monitor");
  EXPECT_EQ(prd.logons[0].password, "pass word");
  EXPECT_EQ(prd.logons[1].password, "");
  EXPECT_EQ(prd.cpus, 4);
  EXPECT_EQ(prd.delay_ms, 250);
  EXPECT_EQ(landscape.systems[1].id, "QAS");
  EXPECT_EQ(landscape.systems[1].cpus, 1);
}

TEST(LandscapeTest, NamesTheLinesItCannotRead) {
  const char* const bad[] = {
      "ashost = before any section",
      "[PRD",
      "no equals sign",
      "[]",
      "ashost = after a bad header",
  };
  std::string text;
  for (const char* line : bad) text += std::string(line) + "\n";
  text += "[PRD]\n";
  const char* const bad_keys[] = {
      "colour = blue",        "sysnr = 1a",           "sysnr = 100",
      "cpus = -1",            "delay = soon",         "passwd = orphan",
      "row = ZPRTG",          "row = |a|b",           "row = T|1|2|3|4|5|6|7",
      "raw = no bar",         "table = TWO WORDS",    "fail = open",
      "fail = open exception X", "fail = FM refused", "fail = FM rc",
      "fail = FM rc many",    "fail = FM exception",  "client =",
      "fail = close failure", "opendelay = 600001",
  };
  for (const char* line : bad_keys) text += std::string(line) + "\n";
  text += "[library]\nfail = ItCreate\nfail = ItFill X\nfail = ItCreate A B\ntrace = maybe\n"
          "ashost = h\n";
  Landscape landscape = ParseLandscape(text);
  std::vector<std::string> named;
  for (const UnreadableLine& line : landscape.unreadable) named.push_back(line.text);
  std::vector<std::string> expected(std::begin(bad), std::end(bad));
  expected.insert(expected.end(), std::begin(bad_keys), std::end(bad_keys));
  for (const char* line : {"fail = ItCreate", "fail = ItFill X", "fail = ItCreate A B",
                           "trace = maybe", "ashost = h"}) {
    expected.push_back(line);
  }
  EXPECT_EQ(named, expected);
  EXPECT_EQ(landscape.unreadable[0].number, 1);
  EXPECT_EQ(landscape.unreadable[5].number, 7);
}

TEST(LandscapeTest, ReadsFaults) {
  Landscape landscape = ParseLandscape(
      "[S]\n"
      "fail = open refused\n"
      "fail = Open handler gateway  down \n"
      "fail = GET_CPU_ALL exception NOT_FOUND with a text\n"
      "fail = RFC_SYSTEM_INFO rc 7\n"
      "fail = X sysexception\n"
      "fail = X failure broken pipe\n"
      "fail = open hang\n"
      "fail = Close HANG\n");
  ASSERT_TRUE(landscape.unreadable.empty());
  const std::vector<Fault>& faults = landscape.systems[0].faults;
  ASSERT_EQ(faults.size(), 8u);
  EXPECT_EQ(faults[0].kind, FaultKind::kRefused);
  EXPECT_EQ(faults[0].text, "");
  EXPECT_EQ(faults[1].kind, FaultKind::kHandler);
  EXPECT_EQ(faults[1].text, "gateway  down");
  EXPECT_EQ(faults[2].kind, FaultKind::kException);
  EXPECT_EQ(faults[2].exception, "NOT_FOUND");
  EXPECT_EQ(faults[2].text, "with a text");
  EXPECT_EQ(faults[3].kind, FaultKind::kReturnCode);
  EXPECT_EQ(faults[3].code, 7);
  EXPECT_EQ(faults[4].kind, FaultKind::kSysException);
  EXPECT_EQ(faults[5].kind, FaultKind::kFailure);
  EXPECT_EQ(faults[5].text, "broken pipe");
  EXPECT_EQ(faults[6].kind, FaultKind::kHang);
  EXPECT_EQ(faults[7].kind, FaultKind::kHang);
  EXPECT_EQ(faults[7].point, "Close");
}

TEST(LandscapeTest, ReadsTheLibrarySection) {
  Landscape landscape = ParseLandscape(
      "[Library]\njournal = calls.log\ntrace = OFF\nTrace_Block = planted.trc\n"
      "fail = itcreate ENTRIES\n"
      "fail = RfcInstallStructure TAB512\n");
  ASSERT_TRUE(landscape.unreadable.empty());
  EXPECT_TRUE(landscape.systems.empty());
  EXPECT_EQ(landscape.library.journal, "calls.log");
  EXPECT_FALSE(landscape.library.trace);
  EXPECT_EQ(landscape.library.trace_block, "planted.trc");
  ASSERT_EQ(landscape.library.faults.size(), 2u);
  EXPECT_EQ(landscape.library.faults[0].operation, "ItCreate");
  EXPECT_EQ(landscape.library.faults[0].name, "ENTRIES");
  EXPECT_EQ(landscape.library.faults[1].operation, "RfcInstallStructure");
}

TEST(LandscapeTest, TablesKeepTheirRowsInOrder) {
  Landscape landscape = ParseLandscape(
      "[S]\n"
      "row = ZPRTG|USERS|*|Logged-on users| |3|\n"
      "raw = zprtg|  free | text|\n"
      "table = ZBRIX\n"
      "row = ZPRTG|A\n");
  ASSERT_TRUE(landscape.unreadable.empty());
  const std::vector<SimTable>& tables = landscape.systems[0].tables;
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].name, "ZPRTG");
  ASSERT_EQ(tables[0].rows.size(), 3u);
  EXPECT_EQ(tables[0].rows[1], "  free | text|");
  EXPECT_EQ(tables[0].rows[2], "A" + std::string(62, ' '));
  EXPECT_EQ(tables[1].name, "ZBRIX");
  EXPECT_TRUE(tables[1].rows.empty());
}

TEST(LandscapeTest, TheBundledDemoReadsWhole) {
  std::ifstream file(FERNWATCH_DEMO_LANDSCAPE, std::ios::binary);
  ASSERT_TRUE(file.good());
  std::stringstream text;
  text << file.rdbuf();
  Landscape landscape = ParseLandscape(text.str());
  EXPECT_TRUE(landscape.unreadable.empty());
  ASSERT_FALSE(landscape.systems.empty());
  EXPECT_FALSE(landscape.systems[0].tables.empty());
}

}  // namespace
}  // namespace rfcsim
