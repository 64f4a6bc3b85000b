#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/native_rows.h"
#include "output/result_writer.h"
#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const std::string kStateLimits =
    "<unit>Custom</unit><limitmaxwarning>0</limitmaxwarning><limitmaxerror>1</limitmaxerror>"
    "<limitmode>1</limitmode>";

std::string StateResult(const std::string& name, int level) {
  return "<result><channel>" + name + "</channel><value>" + std::to_string(level) +
         "</value>" + kStateLimits + "</result>\n";
}

std::string Result(const std::string& name, const std::string& value, const std::string& unit) {
  std::string custom;
  if (unit.compare(0, 6, "Custom") == 0) custom = "<customunit>" + unit.substr(6) + "</customunit>";
  return "<result><channel>" + name + "</channel><value>" + value +
         "</value><float>1</float><decimalmode>Auto</decimalmode><unit>" +
         (custom.empty() ? unit : "Custom") + "</unit>" + custom + "</result>\n";
}

struct Row {
  const char* text;
  const char* state;
  const char* value;
  const char* unit;
  const char* marker;
};

class NativeWriterTest : public RunRecordTest {
 protected:
  // The document of a sensor's rows, printed as a run prints it.
  std::string Poll(const std::vector<Row>& rows, SensorRows sensor = {true, 1},
                   const char* status = "(PRD) User-Sensor: USERS, Logged-on users ") {
    env_.output.clear();
    std::unique_ptr<ResultWriter> writer = WriterFor(PrtgSensor(), true);
    writer->BeginDocument();
    writer->Print();
    for (const Row& row : rows) {
      Channel channel{"described name", row.value, row.unit};
      channel.Text = row.text;
      channel.State = row.state;
      channel.Marker = row.marker;
      writer->AddChannel(channel);
      writer->Print();
    }
    EXPECT_EQ("", env_.output) << "nothing before the end";
    writer->NoteSensorRows(sensor);
    writer->BeginText();
    writer->AppendStatusText(status);
    writer->EndText();
    writer->EndDocument();
    writer->Print();
    return env_.output;
  }

  FakeEnv env_;
};

TEST(NativeRowsTest, ValuesAreNumbersWithADot) {
  struct Case {
    const char* value;
    const char* number;  // null: no number
  } cases[] = {
      {"17", "17"},     {"  17  ", "17"}, {"17-", "-17"},   {"-17", "-17"}, {"+3", "3"},
      {"3+", "3"},      {"12.5", "12.5"}, {"1,234", "1.234"}, {".5", "0.5"}, {"5.", "5"},
      {"", "0"},        {"   ", "0"},     {"-", nullptr},   {"1.2.3", nullptr}, {"1,2.3", nullptr},
      {"-5-", nullptr}, {"1 2", nullptr}, {"12a", nullptr}, {"0x10", nullptr}, {"1e3", nullptr},
  };
  for (const Case& c : cases) {
    NativeNumber number;
    EXPECT_EQ(c.number != nullptr, ReadNativeValue(c.value, &number)) << "'" << c.value << "'";
    if (c.number != nullptr) {
      EXPECT_STREQ(c.number, number.c_str()) << c.value;
    }
  }
}

TEST(NativeRowsTest, UnitsAndStates) {
  struct {
    const char* unit;
    const char* prtg;
  } units[] = {{"PerCent", "Percent"}, {"percent", "Percent"}, {"%", "Percent"},
               {"MSEC", "TimeResponse"}, {"ms", "TimeResponse"}, {"TimeResponse", "TimeResponse"},
               {"sec", "TimeSeconds"}, {"Seconds", "TimeSeconds"}, {"hours", "TimeHours"},
               {"", "Count"}, {"#", "Count"}, {"COUNT", "Count"}, {"Users", nullptr},
               {"Percent ", nullptr}};
  for (const auto& u : units) EXPECT_STREQ(u.prtg, PrtgUnitOf(u.unit)) << u.unit;

  struct {
    const char* state;
    StateLevel level;
    bool known;
  } states[] = {{"", StateLevel::kOk, true},      {"s", StateLevel::kOk, true},
                {"I", StateLevel::kOk, true},     {"g", StateLevel::kOk, true},
                {"W", StateLevel::kWarning, true}, {"y", StateLevel::kWarning, true},
                {"e", StateLevel::kError, true},  {"A", StateLevel::kError, true},
                {"X", StateLevel::kError, true},  {"r", StateLevel::kError, true},
                {"1", StateLevel::kWarning, false}, {"?", StateLevel::kWarning, false}};
  for (const auto& s : states) {
    bool known = true;
    EXPECT_EQ(s.level, LevelOfState(s.state, &known)) << s.state;
    EXPECT_EQ(s.known, known) << s.state;
  }
}

TEST_F(NativeWriterTest, ChannelsNamedByTheirRowsWithWorstStateFirst) {
  EXPECT_EQ(kDeclaration + "<prtg>\n" + StateResult("Worst state", 2) +
                Result("Dialog users", "17", "Count") + Result("Batch users", "2.5", "Percent") +
                Result("dialog USERS (03)", "-12", "TimeResponse") +
                Result("Dialog users (2)", "1", "Count") + Result("(04)", "0", "Count") +
                Result("R&amp;D &#xF6; &lt;x&gt;", "0.5", "CustomMB &amp; &#xB5;s") +
                Result("Worst state (07)", "3", "Count") + Result("(1)", "4", "Count") +
                "<text>(PRD) User-Sensor: USERS, Logged-on users  - not OK: Batch users (W), "
                "dialog USERS (E), Free (7), Ta b (E); no number: Free (12a), Ta b (bad)</text>\n"
                "</prtg>\n",
            Poll({{"Dialog users", "S", "17", "#", "01"},
                  {"Batch users", "W", "2,5", "PerCent", "02"},
                  {"dialog USERS", "E", "12-", "ms", "03"},
                  {"Dialog users", "", "1", "", "03"},
                  {"", "", "", "", "04"},
                  {"Free", "7", "12a", "", "05"},
                  {"R&D \xf6 <x>", "i", " .5 ", "MB & \xb5s", "06"},
                  {"Worst state", "", "3", "", "07"},
                  {"", "", "4", "", "  "},
                  {"Ta\tb", "E", "bad", "", "08"}}));
}

TEST_F(NativeWriterTest, FiftyChannelsAtMostAndWhatTheTextCanHold) {
  std::vector<Row> rows(60, Row{"Row", "", "1", "", ""});
  std::string document = Poll(rows);
  size_t results = 0;
  for (size_t at = document.find("<result>"); at != std::string::npos;
       at = document.find("<result>", at + 1))
    ++results;
  EXPECT_EQ(50u, results);
  EXPECT_NE(std::string::npos, document.find(StateResult("Worst state", 1)));
  EXPECT_NE(std::string::npos, document.find("<channel>Row (49)</channel>"));
  EXPECT_NE(std::string::npos, document.find(" - 11 rows beyond 50 channels left out</text>"));

  // The text holds 2,000 characters as PRTG reads them; a reference is one.
  std::string status(1990, 'x');
  document = Poll({{"A", "W", "1", "", ""}}, SensorRows{true, 1}, (status + "\xf6\xf6").c_str());
  std::string text = document.substr(document.find("<text>") + 6);
  text.resize(text.find("</text>"));
  EXPECT_EQ(status + "&#xF6;&#xF6; - not O", text);
}

TEST_F(NativeWriterTest, ATitleWithoutRowsAndErrorsAreNoSuccess) {
  EXPECT_EQ(kDeclaration + "<prtg>\n" + StateResult("Worst state", 1) +
                "<text>(PRD) User-Sensor: USERS, Logged-on users  - no rows of values</text>\n"
                "</prtg>\n",
            Poll({}, SensorRows{true, 0}));
  env_.output.clear();
  std::unique_ptr<ResultWriter> writer = WriterFor(PrtgSensor(), true);
  writer->SetErrorDocument("Error 1061: User-Sensor X\tY is not in table ZPRTG of P&D...");
  writer->Print();
  EXPECT_EQ(kDeclaration +
                "<prtg>\n<error>1</error>\n<text>Error 1061: User-Sensor X Y is not in table "
                "ZPRTG of P&amp;D...</text>\n</prtg>\n",
            env_.output);
  // The text forms have no native form.
  for (const FrontEnd& front_end : DesignatedFrontEnds()) {
    env_.output.clear();
    writer = WriterFor(front_end, true);
    writer->SetErrorDocument("E");
    writer->Print();
    EXPECT_EQ(0u, env_.output.find(front_end.Form == DocumentForm::kPrtgXml ? "<?xml" : "<Prtg>"))
        << front_end.Name;
  }
}

}  // namespace
}  // namespace fernwatch
