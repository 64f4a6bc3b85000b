#include "rfcsim/sensor_row.h"

#include <gtest/gtest.h>

#include <string>

namespace rfcsim {
namespace {

TEST(SensorRowTest, FieldsSitAtTheirOffsetsCutToWidth) {
  std::string row;
  ASSERT_TRUE(BuildSensorRow(" SENSOR_NAME_TOO_LONG|**X|" + std::string(40, 't') +
                                 "|AB|12345678901|UNITS_TOO_LONG",
                             &row));
  ASSERT_EQ(row.size(), 63u);
  EXPECT_EQ(row.substr(0, 10), " SENSOR_NA");
  EXPECT_EQ(row.substr(10, 2), "**");
  EXPECT_EQ(row.substr(12, 32), std::string(32, 't'));
  EXPECT_EQ(row.substr(44, 1), "A");
  EXPECT_EQ(row.substr(45, 10), "1234567890");
  EXPECT_EQ(row.substr(55, 8), "UNITS_TO");
  ASSERT_TRUE(BuildSensorRow("S||t", &row));
  EXPECT_EQ(row, "S" + std::string(11, ' ') + "t" + std::string(50, ' '));
  ASSERT_TRUE(BuildSensorRow("", &row));
  EXPECT_EQ(row, std::string(63, ' '));
  EXPECT_FALSE(BuildSensorRow("1|2|3|4|5|6|7", &row));
}

}  // namespace
}  // namespace rfcsim
