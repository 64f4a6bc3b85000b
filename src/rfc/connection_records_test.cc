#include "rfc/connection_records.h"

#include <gtest/gtest.h>

#include <string>

#include "app/run_state.h"
#include "rfc/decimal_value.h"
#include "support/fake_env.h"

namespace fernwatch {
namespace {

class ConnectionRecordsTest : public ::testing::Test {
 protected:
  ConnectionRecordsTest() {
    SystemProfile& profile = g_run.Profile;
    profile.Destination.assign("PRD");
    profile.Client.assign("100");
    profile.User.assign("MONITOR");
    profile.Password.assign("secret");
    profile.Language.assign("E");
    profile.Mode.assign("R/3");
    profile.Hostname.assign("prdhost");
    profile.Sysnr.assign("00");
    profile.Gwhost.assign("prdgw");
    profile.Gwservice.assign("sapgw00");
  }
  void SetArguments(const char* typed) {
    g_run.TypedArgumentText.assign(typed);
    g_run.ArgumentText.assign(typed);
    g_run.ArgumentText.to_upper();
  }
  RFC_CONNOPT_R3ONLY& R3(RFC_OPTIONS* options) {
    return *static_cast<RFC_CONNOPT_R3ONLY*>(options->connopt);
  }
  FakeEnv env_;
};

TEST_F(ConnectionRecordsTest, UserAndPasswordArePaddedButNeverCut) {
  struct Case {
    const char* user;
    const char* password;
    const char* passed_user;
    const char* passed_password;
  } cases[] = {
      {"ABC", "pw", "ABC         ", "pw        "},
      {"TWELVE_CHARS", "ten_chars!", "TWELVE_CHARS", "ten_chars!"},
      {"THIRTEEN_CHAR", "eleven_char", "THIRTEEN_CHAR", "eleven_char"},
      {"A_USER_OF_FORTY_SEVEN_CHARACTERS_IS_KEPT_WHOLE", "a password of 31 characters ok!",
       "A_USER_OF_FORTY_SEVEN_CHARACTERS_IS_KEPT_WHOLE", "a password of 31 characters ok!"},
  };
  for (const Case& c : cases) {
    g_run.Profile.User.assign(c.user);
    g_run.Profile.Password.assign(c.password);
    RFC_OPTIONS* options = FillConnectionRecords();
    EXPECT_STREQ(c.passed_user, options->user);
    EXPECT_STREQ(c.passed_password, options->password);
  }
}

TEST_F(ConnectionRecordsTest, OnlyExactlyR2SelectsTheGatewayRecord) {
  const char* r3_modes[] = {"R/3", "r/2", "R/2 ", " R/2", "", "R/22"};
  for (const char* mode : r3_modes) {
    g_run.Profile.Mode.assign(mode);
    RFC_OPTIONS* options = FillConnectionRecords();
    EXPECT_EQ(RFC_MODE_R3ONLY, options->mode) << mode;
    EXPECT_STREQ("prdhost", R3(options).hostname) << mode;
  }
  g_run.Profile.Mode.assign("R/2");
  RFC_OPTIONS* options = FillConnectionRecords();
  EXPECT_EQ(RFC_MODE_CPIC, options->mode);
  auto* gateway = static_cast<RFC_CONNOPT_CPIC*>(options->connopt);
  EXPECT_STREQ("prdgw", gateway->gateway_host);
  EXPECT_STREQ("sapgw00", gateway->gateway_service);
}

TEST_F(ConnectionRecordsTest, TheOtherFieldsComeFromTheProfile) {
  RFC_OPTIONS* options = FillConnectionRecords();
  EXPECT_STREQ("PRD", options->destination);
  EXPECT_STREQ("100", options->client);
  EXPECT_STREQ("E", options->language);
  EXPECT_EQ(0, options->trace);
  EXPECT_STREQ("prdgw", R3(options).gateway_host);
  EXPECT_STREQ("sapgw00", R3(options).gateway_service);
}

TEST_F(ConnectionRecordsTest, EmptyHostAndGatewayTextsArePassedAsNull) {
  g_run.Profile.Hostname.clear();
  g_run.Profile.Gwhost.clear();
  g_run.Profile.Gwservice.clear();
  RFC_OPTIONS* options = FillConnectionRecords();
  EXPECT_EQ(nullptr, R3(options).hostname);
  EXPECT_EQ(nullptr, R3(options).gateway_host);
  EXPECT_EQ(nullptr, R3(options).gateway_service);
  g_run.Profile.Mode.assign("R/2");
  options = FillConnectionRecords();
  EXPECT_EQ(nullptr, static_cast<RFC_CONNOPT_CPIC*>(options->connopt)->gateway_host);
}

TEST_F(ConnectionRecordsTest, HostOverrideTakesTheTypedValue) {
  struct Case {
    const char* arguments;
    const char* host;  // null: no host name passed
  } cases[] = {
      {"USERS", "prdhost"},
      {"USERS,HOST=AppSrv01", "AppSrv01"},
      {"users,host=appsrv01,STATE", "appsrv01"},
      {"USERS,HOST=appsrv01 #", "appsrv01"},
      {"USERS,HOST=", nullptr},
      {"USERS,HOST=,NO=01", nullptr},
      {"USERS,HOST= appsrv01", nullptr},
      {"USERS,HOST=a,HOST=b", "a"},
      {"USERS HOST=appsrv01", "prdhost"},
  };
  for (const Case& c : cases) {
    SetArguments(c.arguments);
    RFC_OPTIONS* options = FillConnectionRecords();
    if (c.host == nullptr) {
      EXPECT_EQ(nullptr, R3(options).hostname) << c.arguments;
    } else {
      EXPECT_STREQ(c.host, R3(options).hostname) << c.arguments;
    }
  }
}

TEST_F(ConnectionRecordsTest, SystemNumberFromProfileOrOverride) {
  struct Case {
    const char* sysnr;
    const char* arguments;
    int previous;
    int passed;
  } cases[] = {
      {"00", "USERS", 5, 0},       {"  +07x", "USERS", 5, 7},   {"-3", "USERS", 5, -3},
      {"x1", "USERS", 5, 0},       {"00", "USERS,NO=02", 5, 2}, {"00", "USERS,NO=12,STATE", 5, 12},
      {"00", "USERS,NO=ab", 5, 0}, {"00", "USERS,NO=", 5, 5},   {"00", "USERS,NO=,HOST=x", 0, 0},
  };
  for (const Case& c : cases) {
    g_run.Profile.Sysnr.assign(c.sysnr);
    SetArguments(c.arguments);
    g_run.LastSysnr = c.previous;
    RFC_OPTIONS* options = FillConnectionRecords();
    EXPECT_EQ(c.passed, R3(options).sysnr) << c.sysnr << " " << c.arguments;
    EXPECT_EQ(c.passed, g_run.LastSysnr) << "the next empty ,NO= keeps this number";
  }
}

TEST_F(ConnectionRecordsTest, ConnectionStringHasNoPaddingAndAlwaysLanguageD) {
  EXPECT_STREQ("CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=PRD", ConnectionString().c_str());
}

TEST(DecimalValueTest, ReadsAsAtoiWithoutOverflow) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {
      {"", 0},
      {"42", 42},
      {" \t\n42abc", 42},
      {"+5", 5},
      {"-5", -5},
      {"- 5", 0},
      {"--5", 0},
      {"abc", 0},
      {"007", 7},
      {"2147483647", 2147483647},
      {"99999999999999999999", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"-99999999999999999999", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value, DecimalValue(c.text)) << c.text;
  EXPECT_EQ(0, DecimalValue(nullptr));
}

}  // namespace
}  // namespace fernwatch
