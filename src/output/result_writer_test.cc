#include "output/result_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "run_state.h"
#include "support/fake_env.h"
#include "support/front_end_named.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

std::unique_ptr<ResultWriter> WriterNamed(const std::string& name) {
  return WriterFor(FrontEndNamed(name));
}

class ResultWriterTest : public RunRecordTest {
 protected:
  // A whole single-system document: opening, the channels, status text and
  // closing, each printed as the evaluation and the run driver print them.
  std::string Document(const char* mode, const char* arguments,
                       std::initializer_list<const char*[3]> channels,
                       const char* status = "(PRD) User-Sensor: USERS, Logged-on users ") {
    writer_ = WriterNamed(mode);
    g_run.ArgumentText.assign(arguments);
    writer_->BeginDocument();
    writer_->Print();
    for (const auto& channel : channels) {
      writer_->AddChannel(Channel{channel[0], channel[1], channel[2]});
      writer_->Print();
    }
    writer_->BeginText();
    writer_->AppendStatusText(status);
    writer_->EndText();
    writer_->EndDocument();
    writer_->Print();
    return env_.output;
  }

  FakeEnv env_;
  std::unique_ptr<ResultWriter> writer_ = WriterFor(PrtgSensor());
};

TEST_F(ResultWriterTest, PrtgXmlInEveryXmlMode) {
  for (const char* mode : {"EXEXML", "Tessiva", "Brixtel"}) {
    env_.output.clear();
    EXPECT_EQ(
        "\n<Prtg>\n"
        "\n<Result><Channel>A: Users</Channel>\n<Unit>Custom</Unit>\n"
        "<CustomUnit>#</CustomUnit>\n<Value>17</Value></Result>\n"
        "\n<Result><Channel>b</Channel>\n<Value></Value></Result>\n"
        "\n<Text>(PRD) User-Sensor: USERS, Logged-on users </Text>\n\n</Prtg>\n",
        Document(mode, "USERS", {{"A: Users", "17", "#"}, {"b", "", ""}}))
        << mode;
  }
}

// Texts from the table, the profile or the trace file never break the
// markup: in the XML forms every "&", "<" and ">" of the content is an
// entity, and the markup itself stays as it is.
TEST_F(ResultWriterTest, XmlContentIsWrittenWithEntities) {
  for (const char* mode : {"EXEXML", "Tessiva", "Brixtel"}) {
    env_.output.clear();
    EXPECT_EQ(
        "\n<Prtg>\n"
        "\n<Result><Channel>R&amp;D &lt;users&gt;</Channel>\n<Unit>Custom</Unit>\n"
        "<CustomUnit>&lt;&amp;&gt;</CustomUnit>\n<Value>&gt;9</Value></Result>\n"
        "\n<Text>(P&amp;D) User-Sensor: &lt;A&gt;, R&amp;D </Text>\n\n</Prtg>\n",
        Document(mode, "USERS", {{"R&D <users>", ">9", "<&>"}}, "(P&D) User-Sensor: <A>, R&D "))
        << mode;
  }
  // The working copies are cut to 123 characters first, then escaped whole.
  writer_ = WriterFor(PrtgSensor());
  writer_->AddChannel(Channel{std::string(130, '<').c_str(), "1", ""});
  std::string entities;
  for (int i = 0; i < 123; ++i) entities += "&lt;";
  EXPECT_EQ("\n<Result><Channel>" + entities + "</Channel>\n<Value>1</Value></Result>\n",
            writer_->Content().c_str());
}

TEST_F(ResultWriterTest, TextFormsKeepTheirCharacters) {
  EXPECT_EQ("\n> R&D <u>: >9 <&>\n# (P&D) <A> \n",
            Document("Maltrex", "USERS", {{"R&D <u>", ">9", "<&>"}}, "(P&D) <A> "));
  env_.output.clear();
  EXPECT_EQ("\n\nMessage.R&D_<u>: R&D <u> (<&>)\nStatistic.R&D_<u>: >9\n# (P&D) <A> \n",
            Document("Quorvane", "USERS", {{"R&D <u>", ">9", "<&>"}}, "(P&D) <A> "));
}

TEST_F(ResultWriterTest, QuorvaneTextWithCleanedKeysAndDisplayUnits) {
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

TEST_F(ResultWriterTest, QuorvaneWritesTheFirstTenChannelsOfTheRunOnly) {
  writer_ = WriterNamed("Quorvane");
  for (int i = 0; i < 12; ++i) writer_->AddChannel(Channel{"x", "1", "", "PRD.P00"});
  EXPECT_EQ(12, writer_->ChannelCount());
  std::string one = "\n\nMessage.PRD_P00: x (#)\nStatistic.PRD_P00: 1";
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += one;
  EXPECT_EQ(ten, writer_->Content().c_str());
}

TEST_F(ResultWriterTest, MaltrexLinesOrTheSelectedChannelAlone) {
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
    EXPECT_EQ(c.output, Document("Maltrex", c.arguments,
                                 {{"a", "10", ""}, {"b", "20", ""}, {"c", "30", ""}}))
        << c.arguments;
  }
  // CH=1234 reads three characters: channel 123, counted over the run.
  writer_ = WriterNamed("Maltrex");
  g_run.ArgumentText.assign("CH=1234");
  for (int i = 1; i <= 124; ++i) writer_->AddChannel(Channel{"a", std::to_string(i).c_str(), ""});
  EXPECT_STREQ("123", writer_->Content().c_str());
}

TEST_F(ResultWriterTest, ErrorDocumentIsXmlInEveryModeAndReplacesTheContent) {
  for (const char* mode : {"EXEXML", "Quorvane", "Maltrex"}) {
    writer_ = WriterNamed(mode);
    writer_->Append("earlier content");
    writer_->SetErrorDocument("Error 1012: Exception.: NOT_FOUND - partner 'a&b<c>' not reached");
    EXPECT_STREQ(
        "<Prtg>\n<Error>1</Error>\n<Text>Error 1012: Exception.: NOT_FOUND - partner "
        "'a&amp;b&lt;c&gt;' not reached</Text>\n</Prtg>\n",
        writer_->Content().c_str())
        << mode;
  }
}

TEST_F(ResultWriterTest, TheDocumentNeverOverflowsAndAnErrorDocumentKeepsItsClosing) {
  std::string huge(10000, 'x');
  for (int i = 0; i < 50; ++i) writer_->AddChannel(Channel{huge.c_str(), huge.c_str(), huge.c_str()});
  EXPECT_EQ(4095u, writer_->Content().size());
  DocumentText whole(writer_->Content());
  writer_->SetErrorDocument(whole.c_str());
  std::string document = writer_->Content().c_str();
  EXPECT_GE(document.size(), 4095u - 4) << "at most an entity short of full";
  EXPECT_EQ("<Prtg>\n<Error>1</Error>\n<Text>\n&lt;Result&gt;&lt;Channel&gt;xx",
            document.substr(0, 62));
  EXPECT_EQ("</Text>\n</Prtg>\n", document.substr(document.size() - 16));
}

// Wherever the cut falls, it falls between two entities or references,
// never inside one.
TEST_F(ResultWriterTest, TheCutOfAnErrorDocumentKeepsEveryEntityWhole) {
  const std::string opening = "<Prtg>\n<Error>1</Error>\n<Text>";
  const std::string closing = "</Text>\n</Prtg>\n";
  for (char special : {'&', '<', '>', '\xf6', '\x80'}) {
    const std::string entity = special == '&'      ? "&amp;"
                               : special == '<'    ? "&lt;"
                               : special == '>'    ? "&gt;"
                               : special == '\xf6' ? "&#xF6;"
                                                   : "&#x20AC;";
    for (size_t lead = 0; lead < entity.size(); ++lead) {
      writer_->SetErrorDocument((std::string(lead, 'x') + std::string(5000, special)).c_str());
      std::string document = writer_->Content().c_str();
      ASSERT_GE(document.size(), opening.size() + closing.size() + lead);
      EXPECT_LE(4095u - (entity.size() - 1), document.size());
      EXPECT_EQ(opening + std::string(lead, 'x'), document.substr(0, opening.size() + lead));
      EXPECT_EQ(closing, document.substr(document.size() - closing.size()));
      std::string content = document.substr(opening.size() + lead);
      content.resize(content.size() - closing.size());
      EXPECT_EQ(0u, content.size() % entity.size()) << special << lead;
      for (size_t at = 0; at < content.size(); at += entity.size())
        ASSERT_EQ(entity, content.substr(at, entity.size())) << special << lead;
    }
  }
}

// Wherever the run stands, one call leaves the caller a whole document:
// the error document while none of it was printed, else its end.
TEST_F(ResultWriterTest, ClosingEarlyEndsTheDocumentWhereverItStands) {
  const std::string error = "<Prtg>\n<Error>1</Error>\n<Text>late &amp; gone</Text>\n</Prtg>\n";
  struct Case {
    const char* mode;
    std::string after_opening;  // what the early closing adds after a channel
  } cases[] = {
      {"EXEXML", "\n<Text>late &amp; gone</Text>\n\n</Prtg>\n"},
      {"Quorvane", "\n# late & gone\n"},
      {"Maltrex", "\n# late & gone\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    writer_ = WriterNamed(c.mode);
    env_.output.clear();
    writer_->PrintConsole("* progress\n");
    writer_->Append("Error 1014: unprinted");
    writer_->CloseEarly("late & gone");
    EXPECT_EQ("* progress\n" + error, env_.output) << "progress lines are no part of it";
    EXPECT_TRUE(writer_->PrintedWholeDocument());

    writer_ = WriterNamed(c.mode);
    writer_->BeginDocument();
    writer_->Print();
    writer_->AddChannel(Channel{"A", "1", ""});
    writer_->Print();
    env_.output.clear();
    writer_->Append("Error 1014: unprinted");
    writer_->CloseEarly("late & gone");
    EXPECT_EQ(c.after_opening, env_.output);

    env_.output.clear();
    writer_->CloseEarly("once more");
    EXPECT_EQ("", env_.output) << "a document is closed once";
  }
  // Once the closing is handed over, the document stands as the run wrote it.
  writer_ = WriterNamed("EXEXML");
  writer_->BeginDocument();
  writer_->Print();
  writer_->BeginText();
  writer_->AppendStatusText("done");
  writer_->EndText();
  writer_->EndDocument();
  env_.output.clear();
  writer_->CloseEarly("late");
  EXPECT_EQ("\n<Text>done</Text>\n\n</Prtg>\n", env_.output);
}

TEST_F(ResultWriterTest, PrintFieldAlignsTheLabel) {
  writer_->PrintField("status", 0, 15, "CONNECTED");
  writer_->PrintField("internal status", 0, 15, "");
  writer_->PrintField("k", 3, 4, "v");
  EXPECT_EQ("status          : CONNECTED\ninternal status : \n   k    : v\n", env_.output);
  env_.output.clear();
  std::string long_value(5000, 'v');
  writer_->PrintField("message", 0, 15, long_value.c_str());
  EXPECT_EQ("message         : " + long_value + "\n", env_.output);
}

}  // namespace
}  // namespace fernwatch
