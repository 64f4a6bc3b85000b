#include <gtest/gtest.h>

#include <string>

#include "rfc/connection.h"
#include "rfc/rfc_state.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/rfc_layer_test.h"

namespace fernwatch {
namespace {

const char kNoText[] = " - Please Check Trace-File !";

std::string Block(const std::string& text_line) {
  return "**** ERROR file opened at 20240105 091517\nLOCATION    stand-in RFC library\n" +
         text_line + "TIME        Fri Jan  5 09:15:17 2024\n";
}

using AppendTraceMessageTest = RfcLayerTest;

TEST_F(AppendTraceMessageTest, TakesTheLastTextOfTheLastBlock) {
  const std::string refused = Block("ERROR       partner 'prdhost:00' not reached\n");
  const std::string logon = Block("       ======> Name or password is incorrect (repeat logon)\n");
  struct Case {
    std::string trace;  // empty: no trace file
    std::string appended;
  } cases[] = {
      {"", " - Look for Trace-File"},
      {"\n", kNoText},
      {refused, " - partner 'prdhost:00' not reached"},
      {logon, " - Name or password is incorrect (repeat logon)"},
      {refused + logon, " - Name or password is incorrect (repeat logon)"},
      {logon + Block(""), kNoText},
      {"ERROR       first\nERROR       second\nnoise\n", " - second"},
      {"ERROR\nERROR:      no\nERROR     \n       ======> \n", kNoText},
      {"ERROR       kept\n**** ERROR \n", kNoText},
      {"ERROR       windows line\r\n", " - windows line"},
      {"ERROR       no line end at all", " - no line end at all"},
      // Lines are read in pieces of 99 characters, each judged on its own.
      {"ERROR       " + std::string(120, 'x') + "\n", " - " + std::string(99 - 12, 'x')},
      {std::string(99, '-') + "ERROR       second piece\n", " - second piece"},
      {std::string(98, '-') + "ERROR       not at a piece start\n", kNoText},
  };
  for (const Case& c : cases) {
    ResetRfcState();
    writer_->Empty();
    FakeEnv env;
    ScratchDirectory dir;
    if (!c.trace.empty()) dir.Write("Dev_Rfc.Trc", c.trace);
    writer_->Append("Error 1014: RFC-Failure raised !");
    AppendTraceMessage(*writer_);
    EXPECT_EQ("Error 1014: RFC-Failure raised !" + c.appended, writer_->Content().c_str())
        << c.trace;
    EXPECT_EQ(!c.trace.empty(), dir.Exists("Dev_Rfc.Trc")) << "the file is left where it is";
  }
}

// The file is kept after every failure: what it held before this run's open
// is an earlier run's and never the reason of this one.
TEST_F(AppendTraceMessageTest, OnlyWhatWasWrittenSinceTheOpenCounts) {
  const std::string old = Block("ERROR       partner 'devhost:02' not reached\n");
  const std::string logon = Block("       ======> Name or password is incorrect (repeat logon)\n");
  struct Case {
    std::string before;  // the file at the open
    std::string since;   // what was appended after it
    std::string appended;
  } cases[] = {
      {old, "", kNoText},
      {old, logon, " - Name or password is incorrect (repeat logon)"},
      {old, "ERROR       no block of its own\n", " - no block of its own"},
      {old + "ERROR       old\r\n", "ERROR       new\r\n", " - new"},
      // A line begun before the open is no line of this run's, not even
      // its rest; a piece cut from it is not judged either.
      {"ERROR       old\r", "\nERROR       new\r\n", " - new"},
      {"xxxx", "ERROR       only the rest of a line\n", kNoText},
      {std::string(150, '-'), "ERROR       still the old line\nERROR       new\n", " - new"},
      // This run's lines are cut into pieces of 99 from their own start.
      {old, std::string(99, '-') + "ERROR       second piece\n", " - second piece"},
      {old, std::string(98, '-') + "ERROR       not at a piece start\n", kNoText},
  };
  for (const Case& c : cases) {
    ResetRfcState();
    writer_->Empty();
    FakeEnv env;
    ScratchDirectory dir;
    dir.Write("Dev_Rfc.Trc", c.before);
    RfcState().TraceSizeAtOpen = static_cast<int64_t>(c.before.size());
    dir.Write("Dev_Rfc.Trc", c.before + c.since);
    writer_->Append("Error 1012: Exception.: NOT_AUTHORIZED");
    AppendTraceMessage(*writer_);
    EXPECT_EQ("Error 1012: Exception.: NOT_AUTHORIZED" + c.appended,
              writer_->Content().c_str())
        << c.before << "|" << c.since;
  }
}

// A file written anew since the open (shorter than it was) is read whole;
// a file gone since is no file.
TEST_F(AppendTraceMessageTest, AFileShorterThanAtTheOpenIsReadFromItsStart) {
  FakeEnv env;
  ScratchDirectory dir;
  RfcState().TraceSizeAtOpen = 100000;
  AppendTraceMessage(*writer_);
  EXPECT_STREQ(" - Look for Trace-File", writer_->Content().c_str());
  writer_->Empty();
  dir.Write("Dev_Rfc.Trc", Block("ERROR       written anew\n"));
  AppendTraceMessage(*writer_);
  EXPECT_STREQ(" - written anew", writer_->Content().c_str());
}

}  // namespace
}  // namespace fernwatch
