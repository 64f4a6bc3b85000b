#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "rfcsim/rfcsim_test_support.h"

namespace rfcsim_test {
namespace {

std::string WithCpus(const char* cpus) {
  std::string landscape = BasicLandscape();
  landscape.replace(landscape.find("cpus = 2"), 8, std::string("cpus = ") + cpus);
  return landscape;
}

size_t CpusOfPrd() {
  RFC_HANDLE handle = OpenPrd();
  size_t cpus = CallCpu(handle).rows.size();
  RfcClose(handle);
  return cpus;
}

TEST(LandscapeFileTest, EachOpenSeesTheLandscapeAsItIsNow) {
  Workspace workspace("");
  EXPECT_EQ(OpenPrd(), 0u);
  // Caught half-written, in the middle of a line: what is there is read.
  std::string whole = BasicLandscape();
  workspace.Write("RfcSim.ini", whole.substr(0, whole.find("cpus = 2") + 6));
  EXPECT_EQ(CpusOfPrd(), 1u);
  workspace.Write("RfcSim.ini", whole);
  EXPECT_EQ(CpusOfPrd(), 2u);
  // Rewritten at once at the same size, so that neither its times nor its
  // size need tell.
  workspace.Write("RfcSim.ini", WithCpus("3"));
  EXPECT_EQ(CpusOfPrd(), 3u);
  workspace.Write("RfcSim.ini", WithCpus("4"));
  EXPECT_EQ(CpusOfPrd(), 4u);
  ASSERT_EQ(std::remove("RfcSim.ini"), 0);
  EXPECT_EQ(OpenPrd(), 0u);
  workspace.Write("RfcSim.ini", WithCpus("5"));
  EXPECT_EQ(CpusOfPrd(), 5u);
}

TEST(LandscapeFileTest, AConnectionKeepsTheLandscapeOfItsOpen) {
  Workspace workspace(BasicLandscape());
  RFC_HANDLE before = OpenPrd();
  workspace.Write("RfcSim.ini",
                  "[PRD]\nashost = prdhost\nrow = ZPRTG|LATER|*|Written later||1|\n");
  RFC_HANDLE after = OpenPrd();
  ASSERT_NE(before, 0u);
  ASSERT_NE(after, 0u);
  Result old_rows = ReadTable(before, "ZPRTG");
  Result new_rows = ReadTable(after, "ZPRTG");
  RfcClose(before);
  RfcClose(after);
  ASSERT_EQ(old_rows.rows.size(), 3u);
  EXPECT_EQ(old_rows.rows[2].substr(0, 5), "SPOOL");
  ASSERT_EQ(new_rows.rows.size(), 1u);
  EXPECT_EQ(new_rows.rows[0].substr(0, 5), "LATER");
}

}  // namespace
}  // namespace rfcsim_test
