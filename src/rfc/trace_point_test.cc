#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/run_state.h"
#include "rfc/connection.h"
#include "support/fake_env.h"

namespace fernwatch {
namespace {

TEST(TracePointTest, WritesNothingWithoutSyslog) {
  FakeEnv env;
  ScratchDirectory dir;
  g_run.ArgumentText.assign("USERS,SYSLO");
  TracePoint(0, "program started", "fernwatch.exe");
  EXPECT_FALSE(dir.Exists("Fernwatch.Trc"));
  EXPECT_FALSE(g_run.TraceStream);
}

TEST(TracePointTest, AppendsOneLinePerPointWithSyslog) {
  FakeEnv env;
  ScratchDirectory dir;
  dir.Write("Fernwatch.Trc", "0 earlier run \n");
  g_run.ArgumentText.assign("USERS,SYSLOG");
  TracePoint(0, "program started", "C:\\PRTG\\fernwatch.exe");
  TracePoint(7, "RfcCall called", "");
  // Each line is on disk at once, not at the end of the run.
  EXPECT_EQ("0 earlier run \n0 program started C:\\PRTG\\fernwatch.exe\n7 RfcCall called \n",
            dir.Read("Fernwatch.Trc"));
}

TEST(TracePointTest, AnOverlongDetailStillEndsItsLine) {
  FakeEnv env;
  ScratchDirectory dir;
  g_run.ArgumentText.assign(",SYSLOG");
  std::string detail(3000, 'd');
  TracePoint(1, "program started", detail.c_str());
  TracePoint(1, "RfcEnvironment called", "");
  std::string trace = dir.Read("Fernwatch.Trc");
  ASSERT_EQ(2, std::count(trace.begin(), trace.end(), '\n'));
  EXPECT_EQ('\n', trace[1022]);
  EXPECT_EQ("1 RfcEnvironment called \n", trace.substr(1023));
}

}  // namespace
}  // namespace fernwatch
