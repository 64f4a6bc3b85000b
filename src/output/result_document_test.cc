#include "output/result_document.h"

#include <gtest/gtest.h>

#include <string>

#include "run_state.h"
#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

class ResultDocumentTest : public RunRecordTest {
 protected:
  // A whole single-system document: opening, the channels, status text and
  // closing, each printed as the evaluation and the run driver print them.
  std::string Document(const char* mode, const char* arguments,
                       std::initializer_list<const char*[3]> channels) {
    g_run.OutputMode.assign(mode);
    g_run.ArgumentText.assign(arguments);
    BeginDocument();
    PrintDocument();
    for (const auto& channel : channels) {
      AddChannel(channel[0], channel[1], channel[2]);
      PrintDocument();
    }
    BeginText();
    AppendToDocument("(PRD) User-Sensor: USERS, Logged-on users ");
    EndText();
    EndDocument();
    PrintDocument();
    return env_.output;
  }

  FakeEnv env_;
};

TEST_F(ResultDocumentTest, PrtgXmlInEveryXmlMode) {
  for (const char* mode : {"EXEXML", "Tessiva", "Brixtel"}) {
    env_.output.clear();
    g_run.ChannelCounter = 0;
    EXPECT_EQ(
        "\n<Prtg>\n"
        "\n<Result><Channel>A: Users</Channel>\n<Unit>Custom</Unit>\n"
        "<CustomUnit>#</CustomUnit>\n<Value>17</Value></Result>\n"
        "\n<Result><Channel>a&b<c</Channel>\n<Value></Value></Result>\n"
        "\n<Text>(PRD) User-Sensor: USERS, Logged-on users </Text>\n\n</Prtg>\n",
        Document(mode, "USERS", {{"A: Users", "17", "#"}, {"a&b<c", "", ""}}))
        << mode;
  }
}

TEST_F(ResultDocumentTest, QuorvaneTextWithCleanedKeysAndDisplayUnits) {
  EXPECT_EQ(
      "\n\nMessage.A:_Users: A: Users (#)\nStatistic.A:_Users: 17"
      "\n\nMessage.a_b.c_d_e_f_1__2: a.b.c d/e-f[1],2 (%)\nStatistic.a_b.c_d_e_f_1__2: 5"
      "\n\nMessage.T: T (mSec)\nStatistic.T: 9"
      "\n\nMessage.p: p (percent)\nStatistic.p: 1"
      "\n# (PRD) User-Sensor: USERS, Logged-on users \n",
      Document("Quorvane", "USERS",
               {{"A: Users", "17", ""},
                {"a.b.c d/e-f[1],2", "5", "PerCent"},
                {"T", "9", "TimeResponse"},
                {"p", "1", "percent"}}));
}

TEST_F(ResultDocumentTest, QuorvaneWritesTheFirstTenChannelsOfTheRunOnly) {
  g_run.OutputMode.assign("Quorvane");
  g_run.ListingRun.assign("X");
  g_run.SystemLabel.assign("PRD.P00");
  for (int i = 0; i < 12; ++i) AddChannel("x", "1", "");
  EXPECT_EQ(12, g_run.ChannelCounter);
  std::string one = "\n\nMessage.PRD_P00: x (#)\nStatistic.PRD_P00: 1";
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += one;
  EXPECT_EQ(ten, g_run.ResultDocument.c_str());
}

TEST_F(ResultDocumentTest, MaltrexLinesOrTheSelectedChannelAlone) {
  EXPECT_EQ("\n> A: Users: 17 #\n> B: 2 %\n# (PRD) User-Sensor: USERS, Logged-on users \n",
            Document("Maltrex", "USERS", {{"A: Users", "17", ""}, {"B", "2", "PerCent"}}));
  struct Case {
    const char* arguments;
    const char* output;
  } cases[] = {
      {"USERS,CH=2", "20\n"},      {"USERS,CH=0", "\n"},   {"USERS,CH=X1", "\n"},
      {"USERS,CH=1234", "\n"},     {"USERS,CH=1,2", "10\n"}, {"USERS,CH=9", "\n"},
      {"USERS,CH= 3", "30\n"},
  };
  for (const Case& c : cases) {
    env_.output.clear();
    g_run.ChannelCounter = 0;
    EXPECT_EQ(c.output, Document("Maltrex", c.arguments,
                                 {{"a", "10", ""}, {"b", "20", ""}, {"c", "30", ""}}))
        << c.arguments;
  }
  env_.output.clear();
  g_run.ChannelCounter = 122;  // CH=1234 reads three characters: channel 123
  EXPECT_EQ("7\n", Document("Maltrex", "CH=1234", {{"a", "7", ""}}));
}

TEST_F(ResultDocumentTest, UnknownModeFramesNothingButWritesXmlChannels) {
  AppendToDocument("kept");
  EXPECT_EQ("kept""\n<Result><Channel>n</Channel>\n<Value>1</Value></Result>\n"
            "(PRD) User-Sensor: USERS, Logged-on users ",
            Document("EXEXMLX", "", {{"n", "1", ""}}));
}

TEST_F(ResultDocumentTest, ErrorDocumentIsXmlInEveryModeAndReplacesTheContent) {
  for (const char* mode : {"EXEXML", "Quorvane", "Maltrex"}) {
    g_run.OutputMode.assign(mode);
    AppendToDocument("earlier content");
    SetErrorDocument("Error 1014: RFC-Failure raised ! - Look for Trace-File");
    EXPECT_STREQ(
        "<Prtg>\n<Error>1</Error>\n<Text>Error 1014: RFC-Failure raised ! - Look for "
        "Trace-File</Text>\n</Prtg>\n",
        g_run.ResultDocument.c_str())
        << mode;
  }
}

TEST_F(ResultDocumentTest, TheDocumentNeverOverflowsAndAnErrorDocumentKeepsItsClosing) {
  g_run.OutputMode.assign("EXEXML");
  std::string huge(10000, 'x');
  for (int i = 0; i < 50; ++i) AddChannel(huge.c_str(), huge.c_str(), huge.c_str());
  EXPECT_EQ(4095u, g_run.ResultDocument.size());
  SetErrorDocument(g_run.ResultDocument.c_str());
  std::string document = g_run.ResultDocument.c_str();
  EXPECT_EQ(4095u, document.size());
  EXPECT_EQ("<Prtg>\n<Error>1</Error>\n<Text>\n<Result><Channel>xx", document.substr(0, 50));
  EXPECT_EQ("xxx</Text>\n</Prtg>\n", document.substr(document.size() - 19));
}

TEST_F(ResultDocumentTest, PrintFieldAlignsTheLabel) {
  PrintField("status", 0, 15, "CONNECTED");
  PrintField("internal status", 0, 15, "");
  PrintField("k", 3, 4, "v");
  EXPECT_EQ("status          : CONNECTED\ninternal status : \n   k    : v\n", env_.output);
  env_.output.clear();
  std::string long_value(5000, 'v');
  PrintField("message", 0, 15, long_value.c_str());
  EXPECT_EQ("message         : " + long_value + "\n", env_.output);
}

}  // namespace
}  // namespace fernwatch
