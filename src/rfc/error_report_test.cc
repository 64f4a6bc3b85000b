#include <gtest/gtest.h>

#include <string>

#include "rfc/connection.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

using ReportRfcErrorTest = RunRecordTest;

TEST_F(ReportRfcErrorTest, PrintsTheNineLinesAndEndsWithStatusOne) {
  FakeEnv env;
  ScratchDirectory dir;
  dir.Write("RfcSim.ini", "[library]\njournal = journal.txt\n");
  g_run.ResultDocument.assign("\n<Prtg>\n");
  g_run.Profile.Hostname.assign("nohost");
  EXPECT_EQ(0u, OpenConnection());  // leaves its reason as the last error
  EXPECT_EQ(1, ExitStatusOf([] { ReportRfcError("ItCreate ENTRIES"); }));
  EXPECT_EQ(
      "RFC error\n"
      "operation/code  : ItCreate ENTRIES\n"
      "key             : RFC_ERROR_COMMUNICATION\n"
      "status          : CONNECT_FAILED\n"
      "message         : partner 'nohost:00' not reached\n"
      "internal status : RfcOpen\n"
      "\n"
      "* Programm aborted...\n"
      "* Error at EoXput-File...\n",
      env.output);
  EXPECT_NE(std::string::npos, dir.Read("journal.txt").find("RfcClose 0"));
  EXPECT_STREQ("\n<Prtg>\n", g_run.ResultDocument.c_str()) << "the document is not printed";
}

TEST_F(ReportRfcErrorTest, IsTheHandlerTheLibraryCallsDuringAnOpen) {
  FakeEnv env;
  ScratchDirectory dir;
  dir.Write("RfcSim.ini", "[PRD]\nashost = h\nsysnr = 0\nfail = open handler Gateway gone\n");
  g_run.Profile.Hostname.assign("h");
  g_run.RfcEnvironmentRecord.errorhandler = ReportRfcError;
  RfcEnvironment(&g_run.RfcEnvironmentRecord);
  EXPECT_EQ(1, ExitStatusOf([] { OpenConnection(); }));
  EXPECT_EQ(0u, env.output.find("RFC error\noperation/code  : Gateway gone\n"));
}

}  // namespace
}  // namespace fernwatch
