#include "config/listing_file.h"

#include <gtest/gtest.h>

#include <string>

#include "run_state.h"
#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

const std::string kMarker = ",Sensor=SAP Fernwatch\"";
const std::string kSystems = "# GSNG: SENSOR1     PRD.P00#\n";

class ListingTest : public RunRecordTest {
 protected:
  // A listing run whose listing file was located in `directory`; the
  // message of the fault, empty when the listing was read.
  std::string ReadListing(const char* name, const std::string& content, const char* second_argument = "",
                  const std::string& directory = "") {
    std::string native = directory;
    for (char& c : native) c = c == '\\' ? '/' : c;
    scratch.Write(native + name, content);
    g_run.ProfileDirectory.assign(directory.c_str());
    g_run.ProfileName.assign(name);
    g_run.ProfilePath.assign((directory + name).c_str());
    g_run.SecondArgument = second_argument;
    g_run.ArgumentText.assign(second_argument);
    g_run.ArgumentText.to_upper();
    return Message(ReadSystemListing());
  }
  static std::string Message(const ListingFault& fault) {
    std::string message = ListingFaultMessage(fault).c_str();
    EXPECT_EQ(fault.Failed(), !message.empty());
    return message;
  }
  std::string ReadGlobal(const std::string& content, const char* sensor = "sensor1") {
    return ReadListing("SAP Lodestar.Gbl", content, sensor);
  }

  ScratchDirectory scratch;
  FakeEnv fake;
};

TEST_F(ListingTest, SystemListFileCountsExactHeadsOnly) {
  g_run.ItemId.assign("BACKUP");
  EXPECT_EQ(ReadListing("Lodestar.Prf",
                        "\xEF\xBB\xBF# Gsng: ANY         PRD.P00#\r\n"  // Notepad's UTF-8
                        "# GSNG: SENSOR1     QAS.P00#\n"
                        "# Gsng:ANY          DEV.P00#\n"
                        "# Gsng: SHORT       \n"
                        "# Gsng: OTHER       TST.P00#\n"),
            "");
  EXPECT_EQ(g_run.SystemList, "PRD.P00#TST.P00#");
  EXPECT_STREQ(g_run.ItemId.c_str(), "BACKUP");
  EXPECT_EQ(g_run.SystemLabels, LabelKind::kProfileName);

  g_run.ItemId.clear();
  EXPECT_EQ(ReadListing("Lodestar.Prf", "# Gsng: X           PRD.P00#\n"),
            "Error 1026: Global Item Idenification missing...");
}

// Head and name compared in upper case on 18 characters, so a longer
// sensor name counts by its first ten; the last definition stands, the
// label kinds of all of them add up.
TEST_F(ListingTest, GlobalListingTakesTheSensorsLines) {
  const std::string directory(70, 'D');  // ProfilePath cut, the file still read
  EXPECT_EQ(ReadListing("SAP Lodestar.Gbl",
                        "# gsng: Sensor_Lon  PRD.P00#\n"
                        "# GSNG: SENSOR1     XXX.P00#\n"
                        "# GSNX: SENSOR1    Item=OTHER,CH=1\n"
                        "# GSNX: SENSOR_LON Item=FIRST,Host" + kMarker + "\n"
                        "# GSNG: SENSOR_LON  QAS.P00#\n"
                        "# GSNX: SENSOR_LON Item=A:B,CH=2,Alias" + kMarker + ",Sid\n",
                        "sensor_long_2", directory + "\\"),
            "");
  EXPECT_EQ(g_run.SystemList, "PRD.P00#QAS.P00#");
  EXPECT_STREQ(g_run.ItemId.c_str(), "A B");
  EXPECT_STREQ(g_run.ParameterText.c_str(), "Item=A B,CH=2,Alias");
  EXPECT_EQ(g_run.SystemLabels, LabelKind::kSid);
  EXPECT_STREQ(g_run.ProfilePath.c_str(), (directory + "\\").c_str());
}

struct ListingFailure {
  const char* name;
  std::string content;
  const char* sensor;
  const char* message;
};

TEST_F(ListingTest, FailuresInTheirOrder) {
  const ListingFailure cases[] = {
      {"Lodestar.Prf", "# nothing\n", "", "Error 1025: Global Server Listing missing..."},
      {"SAP Lodestar.Gbl",
       "# GSNX: SENSOR1    Item=A,Sensor=SAP Lodestar\"\n# GSNX: SENSOR1    Item=A" + kMarker,
       "sensor1", "Error 1029: Invalid Sensor-Allocation..."},
      {"SAP Lodestar.Gbl", "# GSNX: OTHER      Item=A\n", "sensor1",
       "Error 1030: Global Sensor sensor1 not found..."},
      {"SAP Lodestar.Gbl", kSystems, "", "Error 1030: Global Sensor  not found..."},
      {"SAP Lodestar.Gbl", "# GSNX: SENSOR1    Item=A" + kMarker, "sensor1",
       "Error 1025: Global Server Listing missing..."},
      {"SAP Lodestar.Gbl", kSystems + "# GSNX: SENSOR1    CH=1" + kMarker, "sensor1",
       "Error 1026: Global Item Idenification missing..."},
      // Parameters too long for ParameterText: refused rather than cut.
      {"SAP Lodestar.Gbl", kSystems + "# GSNX: SENSOR1    Item=A" + std::string(130, ' ') + kMarker,
       "sensor1", "Error 1029: Invalid Sensor-Allocation..."},
  };
  for (const ListingFailure& c : cases) {
    SCOPED_TRACE(c.content);
    g_run.ItemId.assign("ITEM");
    EXPECT_EQ(ReadListing(c.name, c.content, c.sensor), c.message);
  }

  // With "@" and no front-end nothing was located: the file is missing
  // even where it lies in the working directory.
  for (const char* name : {"Lodestar.Prf", "SAP Lodestar.Gbl"}) {
    g_run.ProfileName.assign(name);
    g_run.ProfilePath.clear();
    EXPECT_EQ(Message(ReadSystemListing()),
              std::string(name[0] == 'L' ? "Error 1024" : "Error 10x1") + ": ProFile " + name +
                  " is missing...");
  }
  EXPECT_EQ(fake.output, "") << "the reader prints nothing; the run driver does";
}

// Every line is read whole: a system line names all its systems however
// long it is, and the tail of a long line is no line of its own.
TEST_F(ListingTest, LinesOfAnyLengthNameAllTheirSystems) {
  std::string content, expected;
  for (int line = 0; line < 20; ++line) {
    content += "# GSNG: SENSOR1     ";
    for (int entry = 0; entry < 250; ++entry) {
      std::string name = "S" + std::to_string(line * 250 + entry) + ".P00#";
      content += name;
      expected += name;
    }
    content += "\n";
  }
  content += std::string(300, 'x') + "# GSNG: SENSOR1     NOT.P00#\n";
  content += "# GSNX: SENSOR1    Item=I" + kMarker + std::string(5000, ',') + ",Sid\n";
  EXPECT_EQ(ReadGlobal(content), "");
  EXPECT_EQ(g_run.SystemList, expected);
  EXPECT_EQ(g_run.SystemLabels, LabelKind::kSid);
}

}  // namespace
}  // namespace fernwatch
