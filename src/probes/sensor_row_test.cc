#include "probes/sensor_row.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace fernwatch {
namespace {

TEST(SensorRowTest, ZeroBytesEndOnlyTheFieldTheyStandIn) {
  std::string line(kSensorRowLength, ' ');
  line.replace(0, 24, "US\0ERS    01Dialog u\0sers", 24);
  line.replace(44, 14,
               "\0"
               "17        Sec",
               14);
  UserSensorRow row = CutSensorRow(line.data());
  EXPECT_STREQ("US", row.Sensor.c_str());
  EXPECT_STREQ("01", row.Marker.c_str());
  EXPECT_STREQ("Dialog u", row.Text.c_str());
  EXPECT_STREQ("", row.State.c_str());
  EXPECT_STREQ("17", row.Value.c_str());
  EXPECT_STREQ("Sec", row.Unit.c_str());
  // The sensor column is matched byte for byte: the zero is data.
  EXPECT_FALSE(SensorWordOf("USERS").Selects(row));
  EXPECT_FALSE(SensorWordOf("US").Selects(row));
}

// Inner and leading blanks stay, a field of blanks only is empty, and a
// field that fills its width keeps its last character.
TEST(SensorRowTest, OnlyTrailingBlanksAreDropped) {
  const char* texts[] = {"", "a", "Dialog users", " x  y ", "exactly thirty-two characters  z",
                         "       8"};
  for (const char* text : texts) {
    std::string line(kSensorRowLength, ' ');
    line.replace(12, std::strlen(text), text);
    UserSensorRow row = CutSensorRow(line.data());
    std::string expected(text);
    expected.erase(expected.find_last_not_of(' ') + 1);
    EXPECT_EQ(expected, row.Text.c_str()) << '"' << text << '"';
  }
}

TEST(SensorWordTest, FirstWordPaddedToTheSensorColumn) {
  struct Case {
    const char* arguments;
    const char* word;
    const char* padded;
  } cases[] = {
      {"USERS,STATE", "USERS", "USERS     "},
      {"USERS #", "USERS", "USERS     "},
      {"LONGSENSORNAME,STATE", "LONGSENSORNAME", "LONGSENSOR"},
      {" USERS", "", "          "},
      {",STATE", "", "          "},
  };
  for (const Case& c : cases) {
    SensorWord sensor = SensorWordOf(c.arguments);
    EXPECT_STREQ(c.word, sensor.Word.c_str()) << c.arguments;
    EXPECT_EQ(c.padded, std::string(sensor.Padded, kSensorWidth)) << c.arguments;
  }
}

}  // namespace
}  // namespace fernwatch
