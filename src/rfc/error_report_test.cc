#include <gtest/gtest.h>

#include <string>

#include "rfc/connection.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/rfc_layer_test.h"

namespace fernwatch {
namespace {

using ReportRfcErrorTest = RfcLayerTest;

TEST_F(ReportRfcErrorTest, PrintsTheNineLinesAndClosesEveryConnection) {
  FakeEnv env;
  ScratchDirectory dir;
  dir.Write("RfcSim.ini", "[library]\njournal = journal.txt\n");
  writer_->BeginDocument();
  g_run.Profile.Hostname.assign("nohost");
  EXPECT_EQ(0u, OpenConnection(*writer_));  // leaves its reason as the last error
  WriteRfcErrorReport(*writer_, "ItCreate ENTRIES");
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
  EXPECT_STREQ("\n<Prtg>\n", writer_->Content().c_str()) << "the document is not printed";
}

TEST_F(ReportRfcErrorTest, IsTheHandlerTheLibraryCallsDuringAnOpenAndEndsWithOne) {
  FakeEnv env;
  ScratchDirectory dir;
  dir.Write("RfcSim.ini", "[PRD]\nashost = h\nsysnr = 0\nfail = open handler Gateway gone\n");
  g_run.Profile.Hostname.assign("h");
  RegisterRfcEnvironment(*writer_);
  EXPECT_EQ(1, ExitStatusOf([this] { OpenConnection(*writer_); }));
  EXPECT_EQ(0u, env.output.find("RFC error\noperation/code  : Gateway gone\n"));
}

}  // namespace
}  // namespace fernwatch
