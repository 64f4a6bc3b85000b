#include <gtest/gtest.h>

#include <string>

#include "probes/probes.h"
#include "rfc/connection.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/rfc_layer_test.h"

namespace fernwatch {
namespace {

// USERS with a title and two channels, SPOOL with a title only; rows of
// another sensor in lower case and with a blank sensor column.
const char kSensorRows[] =
    "row = ZPRTG|USERS|*|Logged-on users||3|\n"
    "row = ZPRTG|USERS|01|Dialog users|1|17|\n"
    "row = ZPRTG|USERS|02|Batch users||2|\n"
    "row = ZPRTG|SPOOL|*|Spool requests||40|\n"
    "row = ZPRTG|users|01|Lower case|||\n"
    "row = ZPRTG||01|No sensor name||| Sec\n";

std::string Channel(const std::string& name, const std::string& value, const std::string& unit) {
  return "\n<Result><Channel>" + name + "</Channel>\n<Unit>Custom</Unit>\n<CustomUnit>" + unit +
         "</CustomUnit>\n<Value>" + value + "</Value></Result>\n";
}

class UserSensorsTest : public RfcLayerTest {
 protected:
  UserSensorsTest() {
    g_run.Profile.Destination.assign("PRD");
    g_run.Profile.Hostname.assign("prdhost");
    g_run.Profile.Sysnr.assign("00");
  }
  ProbeOutcome Evaluate(const char* arguments, const std::string& table_lines = kSensorRows) {
    dir_.Write("RfcSim.ini", "[PRD]\nashost = prdhost\nsysnr = 00\n" + table_lines);
    RFC_HANDLE handle = OpenConnection(*writer_);
    EXPECT_NE(0u, handle);
    g_run.ArgumentText.assign(arguments);
    return EvaluateUserSensors(handle, g_run.ListingRun ? "PRD" : nullptr, *writer_);
  }
  void StartListing(const char* item) {
    g_run.ListingRun = true;
    g_run.ItemId.assign(item);
    writer_->Empty();
    writer_->Append("Error 1014: left by the previous system");
  }

  FakeEnv env_;
  ScratchDirectory dir_;
};

TEST_F(UserSensorsTest, SelectionsOfASingleSystemRun) {
  const std::string sensor_text = "(PRD) User-Sensor: USERS, Logged-on users ";
  struct Case {
    const char* arguments;
    std::string channels;
    std::string text;
  } cases[] = {
      {"USERS", Channel("1: Dialog users", "17", "#") + Channel("Batch users", "2", "#"),
       sensor_text},
      {"USERS,STATE",
       Channel("1: Dialog users", "1", "State") + Channel("Batch users", "", "State"), sensor_text},
      {"SENSOR(S),STATE",
       Channel("USERS, Logged-on users", "3", "#") + Channel("SPOOL, Spool requests", "40", "#"),
       "(PRD) SAP User-Sensor(s) Overview... "},
      {"NOSUCH", "", "(PRD) User-Sensor: NOSUCH, User-Sensor not found... "},
      {",STATE", Channel("No sensor name", "", "State"),
       "(PRD) User-Sensor: , User-Sensor not found... "},
      {"", Channel("No sensor name", "0", " Sec"),
       "(PRD) User-Sensor: , User-Sensor not found... "},
  };
  for (const Case& c : cases) {
    env_.output.clear();
    ProbeOutcome outcome = Evaluate(c.arguments);
    EXPECT_EQ(0, outcome.ReturnCode) << c.arguments;
    EXPECT_TRUE(outcome.Succeeded);
    EXPECT_EQ("\n<Prtg>\n" + c.channels, env_.output) << c.arguments;
    EXPECT_EQ("\n<Text>" + c.text + "</Text>\n\n</Prtg>\n", writer_->Content().c_str());
  }
}

TEST_F(UserSensorsTest, ListingRunNamesTheMatchingItemAfterTheSystem) {
  StartListing("dialog users");
  ProbeOutcome outcome = Evaluate("USERS");
  EXPECT_EQ(0, outcome.ReturnCode);
  EXPECT_TRUE(outcome.SensorFound);
  EXPECT_EQ(Channel("1: PRD", "17", "#"), env_.output);
  EXPECT_STREQ("", writer_->Content().c_str());

  // The sensor is found, and the earlier error dropped, even without the item.
  env_.output.clear();
  StartListing("DIALOG USERS AND MORE");
  outcome = Evaluate("USERS");
  EXPECT_EQ(0, outcome.ReturnCode);
  EXPECT_TRUE(outcome.SensorFound);
  EXPECT_EQ("", env_.output);
  EXPECT_STREQ("", writer_->Content().c_str());
  EXPECT_FALSE(Evaluate("SPOOL").SensorFound) << "a header row alone is no find";
}

TEST_F(UserSensorsTest, EmptyTableIsReportedAsNoEntries) {
  const std::string text = "\n<Text>(PRD) Fernwatch: No Table-Entries defined / found... </Text>\n";
  ProbeOutcome outcome = Evaluate("USERS", "table = ZPRTG\n");
  EXPECT_EQ(2, outcome.ReturnCode);
  EXPECT_TRUE(outcome.Succeeded) << "the table is there, only empty";
  EXPECT_EQ("", env_.output);
  EXPECT_EQ("\n<Prtg>\n" + text + "\n</Prtg>\n", writer_->Content().c_str());

  StartListing("dialog users");
  writer_->Empty();
  EXPECT_EQ(2, Evaluate("USERS", "table = ZPRTG\n").ReturnCode);
  EXPECT_EQ(text, writer_->Content().c_str());
}

}  // namespace
}  // namespace fernwatch
