#include <gtest/gtest.h>

#include <string>

#include "rfc/connection.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/rfc_layer_test.h"

namespace fernwatch {
namespace {

using TracePointTest = RfcLayerTest;

TEST_F(TracePointTest, OnlySyslogOpensTheTraceAndEveryLineEnds) {
  FakeEnv env;
  ScratchDirectory dir;
  g_run.ArgumentText.assign("USERS,SYSLO");
  TracePoint(0, "program started", "fernwatch.exe");
  EXPECT_FALSE(dir.Exists("Fernwatch.Trc"));

  dir.Write("Fernwatch.Trc", "0 earlier run \n");
  g_run.ArgumentText.assign("USERS,SYSLOG");
  TracePoint(0, "program started", std::string(3000, 'd').c_str());
  TracePoint(7, "RfcCall called", "");
  // On disk at once, not at the end of the run; a cut line still ends.
  EXPECT_EQ("0 earlier run \n0 program started " + std::string(1023 - 19, 'd') + "\n" +
                "7 RfcCall called \n",
            dir.Read("Fernwatch.Trc"));
}

}  // namespace
}  // namespace fernwatch
