#include "rfc/connection_records.h"

#include <gtest/gtest.h>

#include "run_state.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

using ConnectionRecordsTest = RunRecordTest;

TEST_F(ConnectionRecordsTest, OverridesTakeTheTypedValuesUpToCommaOrBlank) {
  struct Case {
    const char* arguments;
    const char* sysnr;
    int previous;
    const char* host;  // null: no host name handed over
    int passed;
  } cases[] = {
      {"USERS", "  +07x", 5, "prdhost", 7},
      {"USERS,HOST=AppSrv01", "00", 5, "AppSrv01", 0},
      {"users,host=appsrv01,NO=02", "00", 5, "appsrv01", 2},
      {"USERS,HOST=appsrv01 #,NO=12", "00", 5, "appsrv01", 12},
      {"USERS,HOST=,NO=ab", "00", 5, nullptr, 0},
      {"USERS HOST=appsrv01,NO=", "00", 5, "prdhost", 5},
      {"USERS,NO= 3", "09", 0, "prdhost", 0},
  };
  for (const Case& c : cases) {
    ResetRunState();
    g_run.Profile.Hostname.assign("prdhost");
    g_run.Profile.Sysnr.assign(c.sysnr);
    g_run.TypedArgumentText.assign(c.arguments);
    g_run.ArgumentText.assign(c.arguments);
    g_run.ArgumentText.to_upper();
    g_run.LastSysnr = c.previous;
    auto* r3 = static_cast<RFC_CONNOPT_R3ONLY*>(FillConnectionRecords()->connopt);
    if (c.host == nullptr) {
      EXPECT_EQ(nullptr, r3->hostname) << c.arguments;
    } else {
      EXPECT_STREQ(c.host, r3->hostname) << c.arguments;
    }
    EXPECT_EQ(c.passed, r3->sysnr) << c.arguments;
    EXPECT_EQ(c.passed, g_run.LastSysnr) << "an empty ,NO= keeps this number next time";
  }
}

}  // namespace
}  // namespace fernwatch
