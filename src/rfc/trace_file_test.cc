#include <gtest/gtest.h>

#include <string>

#include "app/run_state.h"
#include "rfc/connection.h"
#include "support/fake_env.h"

namespace fernwatch {
namespace {

const char kLogonBlock[] =
    "**** ERROR file opened at 20240105 091517\n"
    "LOCATION    stand-in RFC library\n"
    "       ======> Name or password is incorrect (repeat logon)\n"
    "TIME        Fri Jan  5 09:15:17 2024\n";
const char kRefusedBlock[] =
    "**** ERROR file opened at 20240105 091518\n"
    "LOCATION    stand-in RFC library\n"
    "ERROR       partner 'prdhost:00' not reached\n"
    "TIME        Fri Jan  5 09:15:18 2024\n";
const char kBlockWithoutText[] =
    "**** ERROR file opened at 20240105 091519\n"
    "LOCATION    stand-in RFC library\n"
    "TIME        Fri Jan  5 09:15:19 2024\n";

std::string TraceMessageFor(const std::string& trace) {
  FakeEnv env;
  ScratchDirectory dir;
  dir.Write("Dev_Rfc.Trc", trace);
  AppendTraceMessage();
  EXPECT_TRUE(dir.Exists("Dev_Rfc.Trc")) << "the trace file is left for the run driver";
  return g_run.ResultDocument.c_str();
}

TEST(AppendTraceMessageTest, MissingTraceFileAsksToLookForIt) {
  FakeEnv env;
  ScratchDirectory dir;
  g_run.ResultDocument.assign("Error 1014: RFC-Failure raised !");
  AppendTraceMessage();
  EXPECT_STREQ("Error 1014: RFC-Failure raised ! - Look for Trace-File",
               g_run.ResultDocument.c_str());
}

TEST(AppendTraceMessageTest, TakesTheLastTextOfTheLastBlock) {
  std::string long_text(120, 'x');
  struct Case {
    std::string trace;
    std::string appended;
  } cases[] = {
      {"", " - Please Check Trace-File !"},
      {kRefusedBlock, " - partner 'prdhost:00' not reached"},
      {kLogonBlock, " - Name or password is incorrect (repeat logon)"},
      {std::string(kRefusedBlock) + kLogonBlock, " - Name or password is incorrect (repeat logon)"},
      {std::string(kLogonBlock) + kBlockWithoutText, " - Please Check Trace-File !"},
      // Without a block header the last text of the file counts.
      {"ERROR       first\nERROR       second\nnoise\n", " - second"},
      // "ERROR" needs its blank; a text line shorter than its offset is empty.
      {"ERROR\nERROR:      no\n", " - Please Check Trace-File !"},
      {"ERROR     \n", " - Please Check Trace-File !"},
      {"ERROR       kept\n**** ERROR \n", " - Please Check Trace-File !"},
      {"       ======>\n", " - Please Check Trace-File !"},
      {"       ======> \n", " - Please Check Trace-File !"},
      {"ERROR       windows line\r\n", " - windows line"},
      {"ERROR       no line end at all", " - no line end at all"},
      // Lines are read in pieces of 99 characters, each judged on its own.
      {"ERROR       " + long_text + "\n", " - " + std::string(99 - 12, 'x')},
      {std::string(99, '-') + "ERROR       from the second piece\n", " - from the second piece"},
      {std::string(98, '-') + "ERROR       not at a piece start\n", " - Please Check Trace-File !"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.appended, TraceMessageFor(c.trace)) << c.trace;
}

TEST(AppendTraceMessageTest, AppendsBehindTheDocumentWithoutSeparator) {
  FakeEnv env;
  ScratchDirectory dir;
  dir.Write("Dev_Rfc.Trc", kRefusedBlock);
  g_run.ResultDocument.assign("Error 1013: Sys-Exception raised !");
  AppendTraceMessage();
  EXPECT_STREQ("Error 1013: Sys-Exception raised ! - partner 'prdhost:00' not reached",
               g_run.ResultDocument.c_str());
}

}  // namespace
}  // namespace fernwatch
