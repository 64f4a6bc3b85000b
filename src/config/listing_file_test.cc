#include "config/listing_file.h"

#include <gtest/gtest.h>

#include <string>

#include "app/run_state.h"
#include "config/config_test_support.h"

namespace fernwatch {
namespace {

const char kMarker[] = ",Sensor=SAP Fernwatch\"";

class ListingTest : public ::testing::Test {
 protected:
  // A listing run located in the working directory, with the given
  // listing file and argument text; the exit status, -1 when it returned.
  int ReadListing(const char* file_name, const std::string& content,
                  const char* second_argument = "") {
    scratch.Write(file_name, content);
    g_run.ProfileName.assign(file_name);
    g_run.ProfilePath.assign(file_name);
    g_run.SecondArgument = second_argument;
    g_run.ArgumentText.assign(second_argument);
    g_run.ArgumentText.to_upper();
    return ExitStatusOf(ReadSystemListing);
  }
  int ReadGlobal(const std::string& content, const char* sensor = "sensor1") {
    return ReadListing("SAP Lodestar.Gbl", content, sensor);
  }
  void ExpectFailure(int status, const std::string& message) {
    EXPECT_EQ(status, 2);
    EXPECT_EQ(fake.output, ErrorDocument(message));
  }

  ScratchDirectory scratch;
  FakeEnv fake;
};

TEST_F(ListingTest, SystemListFileCountsExactHeadsOnly) {
  g_run.ItemId.assign("BACKUP");
  g_run.ProfileDirectory.assign("");
  EXPECT_EQ(ReadListing("Lodestar.Prf",
                        "# Gsng: ANY         PRD.P00#\r\n"
                        "# GSNG: SENSOR1    QAS.P00#\n"
                        "# Gsng:ANY          DEV.P00#\n"
                        "# Gsng: SHORT       \n"
                        "# Gsng: OTHER       TST.P00#\n"),
            -1);
  EXPECT_STREQ(g_run.SystemList.c_str(), "PRD.P00#TST.P00#");
  EXPECT_STREQ(g_run.ItemId.c_str(), "BACKUP");
  EXPECT_STREQ(g_run.LabelKind.c_str(), "1");
}

TEST_F(ListingTest, SystemListFileFailures) {
  g_run.ItemId.assign("BACKUP");
  ExpectFailure(ReadListing("Lodestar.Prf", "# nothing\n"),
                "Error 1025: Global Server Listing missing...");
  fake.output.clear();
  g_run.ItemId.clear();
  ExpectFailure(ReadListing("Lodestar.Prf", "# Gsng: X           PRD.P00#\n"),
                "Error 1026: Global Item Idenification missing...");
}

// With "@" and no front-end nothing was located, so the file is missing
// even where it lies in the working directory.
TEST_F(ListingTest, NothingLocatedIsAMissingListing) {
  scratch.Write("Lodestar.Prf", "# Gsng: X           PRD.P00#\n");
  g_run.ProfileName.assign("Lodestar.Prf");
  ExpectFailure(ExitStatusOf(ReadSystemListing), "Error 1024: ProFile Lodestar.Prf is missing...");
  fake.output.clear();
  g_run.ProfileName.assign("SAP Lodestar.Gbl");
  ExpectFailure(ExitStatusOf(ReadSystemListing),
                "Error 10x1: ProFile SAP Lodestar.Gbl is missing...");
}

TEST_F(ListingTest, GlobalListingTakesTheSensorsLines) {
  g_run.ProfileDirectory.assign("");
  EXPECT_EQ(ReadGlobal("# gsng: SENSOR1     PRD.P00#\n"
                       "# GSNG: SENSOR2     XXX.P00#\n"
                       "# GSNX: SENSOR2    Item=OTHER,CH=1\n"
                       "# GSNG: Sensor1     QAS.P00#\n"
                       "# GSNX: SENSOR1    Item=A:B,CH=2,Alias,Host" + std::string(kMarker) +
                       ",Sid\n"),
            -1);
  EXPECT_STREQ(g_run.SystemList.c_str(), "PRD.P00#QAS.P00#");
  EXPECT_STREQ(g_run.ItemId.c_str(), "A B");
  EXPECT_STREQ(g_run.ParameterText.c_str(), "Item=A B,CH=2,Alias,Host");
  EXPECT_STREQ(g_run.LabelKind.c_str(), "4");
  EXPECT_STREQ(g_run.SensorFound.c_str(), "X");
  EXPECT_STREQ(g_run.ProfilePath.c_str(), g_run.ProfileDirectory.c_str());
}

TEST_F(ListingTest, LongSensorNamesAreToldApartByTenCharacters) {
  ReadGlobal("# GSNG: SENSOR_LON  PRD.P00#\n"
             "# GSNX: SENSOR_LON Item=I" + std::string(kMarker) + "\n",
             "SENSOR_LONG_2");
  EXPECT_STREQ(g_run.SystemList.c_str(), "PRD.P00#");
}

TEST_F(ListingTest, LastDefinitionStandsAndLabelKindsAccumulate) {
  ReadGlobal("# GSNG: SENSOR1     PRD.P00#\n"
             "# GSNX: SENSOR1    Item=FIRST,Host" + std::string(kMarker) + "\n"
             "# GSNX: SENSOR1    Item=SECOND" + std::string(kMarker) + "\n");
  EXPECT_STREQ(g_run.ItemId.c_str(), "SECOND");
  EXPECT_STREQ(g_run.LabelKind.c_str(), "3");
}

struct GlobalFailure {
  std::string content;
  const char* sensor;
  const char* message;
};

TEST_F(ListingTest, GlobalListingFailuresInTheirOrder) {
  const std::string systems = "# GSNG: SENSOR1     PRD.P00#\n";
  const std::string marker = kMarker;
  const GlobalFailure cases[] = {
      {"# GSNX: SENSOR1    Item=A,Sensor=SAP Lodestar\"\n# GSNX: SENSOR1    Item=A" + marker + "\n",
       "sensor1", "Error 1029: Invalid Sensor-Allocation..."},
      {"# GSNX: OTHER      Item=A\n", "sensor1", "Error 1030: Global Sensor sensor1 not found..."},
      {systems, "", "Error 1030: Global Sensor  not found..."},
      {"# GSNX: SENSOR1    Item=A" + marker + "\n", "sensor1",
       "Error 1025: Global Server Listing missing..."},
      {systems + "# GSNX: SENSOR1    CH=1" + marker + "\n", "sensor1",
       "Error 1026: Global Item Idenification missing..."},
      // Parameters too long for ParameterText: refused rather than cut.
      {systems + "# GSNX: SENSOR1    Item=A,CH=1" + std::string(130, ' ') + marker + "\n",
       "sensor1", "Error 1029: Invalid Sensor-Allocation..."},
  };
  for (const GlobalFailure& c : cases) {
    SCOPED_TRACE(c.content);
    fake.output.clear();
    ExpectFailure(ReadGlobal(c.content, c.sensor), c.message);
  }
}

// Entries that do not fit whole are left out rather than cut to another
// name.
TEST_F(ListingTest, SystemListKeepsWholeEntries) {
  std::string content;
  for (int i = 0; i < 20; ++i)
    content += "# GSNG: SENSOR1     B.P00#" + std::string(100, 'A' + i) + "#\n";
  content += "# GSNX: SENSOR1    Item=I" + std::string(kMarker) + "\n";
  EXPECT_EQ(ReadGlobal(content), -1);
  const FixedText<2047>& list = g_run.SystemList;
  EXPECT_EQ(list[list.size() - 1], '#');
  EXPECT_EQ(list.size(), 19u * 107 + 6);
}

}  // namespace
}  // namespace fernwatch
