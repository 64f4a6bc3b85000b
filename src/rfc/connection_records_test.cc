#include "rfc/connection_records.h"

#include <gtest/gtest.h>

#include "run_state.h"
#include "rfc/rfc_state.h"
#include "support/rfc_layer_test.h"

namespace fernwatch {
namespace {

using ConnectionRecordsTest = RfcLayerTest;

// An override names another application server, reached through its own
// gateway: the profile's gateway is then not passed.
TEST_F(ConnectionRecordsTest, OverridesTakeTheTypedValuesAndDropTheGateway) {
  struct Case {
    const char* arguments;
    const char* sysnr;
    int previous;
    const char* host;  // null: no host name handed over
    int passed;
    bool gateway;
  } cases[] = {
      {"USERS", "  +07x", 5, "prdhost", 7, true},
      {"USERS,HOST=AppSrv01", "00", 5, "AppSrv01", 0, false},
      {"users,host=appsrv01,NO=02", "00", 5, "appsrv01", 2, false},
      {"USERS,HOST=appsrv01 #,NO=12", "00", 5, "appsrv01", 12, false},
      {"USERS,HOST=,NO=ab", "00", 5, nullptr, 0, false},
      {"USERS HOST=appsrv01,NO=", "00", 5, "prdhost", 5, false},
      {"USERS,NO= 3", "09", 0, "prdhost", 0, false},
      {"USERS HOST=appsrv01 NO=3", "09", 0, "prdhost", 9, true},
  };
  for (const Case& c : cases) {
    ResetRunState();
    g_run.Profile.Hostname.assign("prdhost");
    g_run.Profile.Sysnr.assign(c.sysnr);
    g_run.Profile.Gwhost.assign("prdgw");
    g_run.Profile.Gwservice.assign("sapgw00");
    g_run.TypedArgumentText.assign(c.arguments);
    g_run.ArgumentText.assign(c.arguments);
    g_run.ArgumentText.to_upper();
    RfcState().LastSysnr = c.previous;
    auto* r3 = static_cast<RFC_CONNOPT_R3ONLY*>(FillConnectionRecords()->connopt);
    if (c.host == nullptr) {
      EXPECT_EQ(nullptr, r3->hostname) << c.arguments;
    } else {
      EXPECT_STREQ(c.host, r3->hostname) << c.arguments;
    }
    EXPECT_EQ(c.passed, r3->sysnr) << c.arguments;
    EXPECT_EQ(c.passed, RfcState().LastSysnr) << "an empty ,NO= keeps this number next time";
    EXPECT_STREQ(c.gateway ? "prdgw" : nullptr, r3->gateway_host) << c.arguments;
    EXPECT_STREQ(c.gateway ? "sapgw00" : nullptr, r3->gateway_service) << c.arguments;

    // R/2 reaches the system through its gateway whatever is typed.
    g_run.Profile.Mode.assign("R/2");
    auto* gateway = static_cast<RFC_CONNOPT_CPIC*>(FillConnectionRecords()->connopt);
    EXPECT_STREQ("prdgw", gateway->gateway_host) << c.arguments;
    EXPECT_STREQ("sapgw00", gateway->gateway_service) << c.arguments;
  }
}

}  // namespace
}  // namespace fernwatch
