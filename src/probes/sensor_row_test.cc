#include "probes/sensor_row.h"

#include <gtest/gtest.h>

#include <string>

#include "app/run_state.h"
#include "probes/call_lists.h"
#include "probes/probes.h"
#include "support/fake_env.h"

namespace fernwatch {
namespace {

// A row as the table holds it: each field at its place, blank-padded.
std::string Row(const std::string& sensor, const std::string& marker, const std::string& text,
                const std::string& state, const std::string& value, const std::string& unit) {
  std::string row(kSensorRowLength, ' ');
  auto place = [&row](size_t offset, size_t width, const std::string& field) {
    row.replace(offset, std::min(width, field.size()), field.substr(0, width));
  };
  place(0, 10, sensor);
  place(10, 2, marker);
  place(12, 32, text);
  place(44, 1, state);
  place(45, 10, value);
  place(55, 8, unit);
  return row;
}

TEST(SensorRowTest, FieldsLoseTrailingBlanksButKeepLeadingOnes) {
  UserSensorRow row = CutSensorRow(Row("USERS", "01", "  Dialog users", "1", " 17", "Sec").c_str());
  EXPECT_STREQ("USERS", row.Sensor.c_str());
  EXPECT_STREQ("01", row.Marker.c_str());
  EXPECT_FALSE(row.IsHeader());
  EXPECT_STREQ("  Dialog users", row.Text.c_str());
  EXPECT_STREQ("1", row.State.c_str());
  EXPECT_STREQ(" 17", row.Value.c_str());
  EXPECT_STREQ("Sec", row.Unit.c_str());
}

TEST(SensorRowTest, BlankFieldsReadAsTheirDefaults) {
  UserSensorRow row = CutSensorRow(Row("", "* ", "", "", "", "").c_str());
  EXPECT_TRUE(row.IsHeader());
  EXPECT_STREQ("* ", row.Marker.c_str()) << "the marker is kept as stored";
  EXPECT_STREQ("", row.Sensor.c_str());
  EXPECT_STREQ("", row.State.c_str());
  EXPECT_STREQ("0", row.Value.c_str());
  EXPECT_STREQ("#", row.Unit.c_str());
}

TEST(SensorRowTest, FullFieldsStopAtTheNextField) {
  UserSensorRow row = CutSensorRow(
      Row("SENSORNAME", "**", std::string(32, 't'), "S", "1234567890", "UNITUNIT").c_str());
  EXPECT_STREQ("SENSORNAME", row.Sensor.c_str());
  EXPECT_EQ(std::string(32, 't'), row.Text.c_str());
  EXPECT_STREQ("S", row.State.c_str());
  EXPECT_STREQ("1234567890", row.Value.c_str());
  EXPECT_STREQ("UNITUNIT", row.Unit.c_str());
}

TEST(SensorRowTest, ZeroBytesEndOnlyTheFieldTheyStandIn) {
  std::string line = Row("USERS", "01", "Dialog users", "1", "17", "Sec");
  line[2] = '\0';   // inside the sensor
  line[20] = '\0';  // inside the text
  line[44] = '\0';  // the state
  UserSensorRow row = CutSensorRow(line.data());
  EXPECT_STREQ("US", row.Sensor.c_str());
  EXPECT_STREQ("Dialog u", row.Text.c_str());
  EXPECT_STREQ("", row.State.c_str());
  EXPECT_STREQ("17", row.Value.c_str());
  EXPECT_STREQ("Sec", row.Unit.c_str());
  // The stored sensor column is compared byte for byte: the zero is data.
  EXPECT_FALSE(SensorWordOf("USERS").Selects(row));
  EXPECT_FALSE(SensorWordOf("US").Selects(row));
}

TEST(SensorWordTest, FirstWordPaddedToTheSensorColumn) {
  struct Case {
    const char* arguments;
    const char* word;
    const char* padded;
  } cases[] = {
      {"USERS", "USERS", "USERS     "},
      {"USERS,STATE", "USERS", "USERS     "},
      {"USERS #", "USERS", "USERS     "},
      {"LONGSENSORNAME,STATE", "LONGSENSORNAME", "LONGSENSOR"},
      {" USERS", "", "          "},
      {",STATE", "", "          "},
      {"", "", "          "},
  };
  for (const Case& c : cases) {
    SensorWord sensor = SensorWordOf(c.arguments);
    EXPECT_STREQ(c.word, sensor.Word.c_str()) << c.arguments;
    EXPECT_EQ(c.padded, std::string(sensor.Padded, kSensorWidth)) << c.arguments;
  }
}

TEST(SensorWordTest, SelectsRowsByTheFirstTenCharactersAsStored) {
  std::string long_name = Row("LONGSENSOR", "01", "x", "", "1", "");
  EXPECT_TRUE(SensorWordOf("LONGSENSORNAME").Selects(CutSensorRow(long_name.c_str())));
  EXPECT_TRUE(SensorWordOf("LONGSENSORX").Selects(CutSensorRow(long_name.c_str())));
  std::string lower = Row("users", "01", "x", "", "1", "");
  EXPECT_FALSE(SensorWordOf("USERS").Selects(CutSensorRow(lower.c_str())));
  std::string blank = Row("", "01", "x", "", "1", "");
  EXPECT_TRUE(SensorWordOf(",STATE").Selects(CutSensorRow(blank.c_str())));
  EXPECT_FALSE(SensorWordOf("USERS").Selects(CutSensorRow(blank.c_str())));
}

TEST(RemoteCallErrorTest, EachReturnCodeHasItsMessage) {
  struct Case {
    int rc;
    const char* text;
  } cases[] = {
      {1, "Error 1014: RFC-Failure raised !"},    {2, "Error 1012: Exception.: TABLE_NOT_FOUND"},
      {3, "Error 1013: Sys-Exception raised !"},  {4, "Error 1015: Other Failure raised !"},
      {-1, "Error 1015: Other Failure raised !"},
  };
  for (const Case& c : cases) {
    FakeEnv env;
    g_run.ResultDocument.assign("before|");
    AppendRemoteCallError(c.rc, "TABLE_NOT_FOUND");
    EXPECT_EQ(std::string("before|") + c.text, g_run.ResultDocument.c_str()) << c.rc;
  }
}

TEST(ExceptionNameTest, LongNamesAreCutToTheBuffer) {
  char buffer[kExceptionNameSize + 8];
  std::memset(buffer, '#', sizeof buffer);
  std::string name(300, 'E');
  CopyExceptionName(name.c_str(), buffer);
  EXPECT_EQ(std::string(kExceptionNameSize - 1, 'E'), buffer);
  EXPECT_EQ('#', buffer[kExceptionNameSize]) << "nothing written past the buffer";
  CopyExceptionName(nullptr, buffer);
  EXPECT_STREQ("", buffer);
  CopyExceptionName("SYSTEM_FAILURE", buffer);
  EXPECT_STREQ("SYSTEM_FAILURE", buffer);
}

}  // namespace
}  // namespace fernwatch
