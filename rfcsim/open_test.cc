#include <gtest/gtest.h>

#include "rfcsim/rfcsim_test_support.h"

namespace rfcsim_test {
namespace {

TEST(OpenTest, FindsTheSystemByHostIgnoringCaseAndByNumber) {
  Workspace workspace(BasicLandscape());
  RFC_HANDLE first = OpenR3("PRDHOST", 0);
  RFC_HANDLE second = OpenR3("prdhost", 0);
  EXPECT_NE(first, 0u);
  EXPECT_EQ(second, first + 1);
  RfcClose(first);
  RfcClose(second);
  EXPECT_EQ(OpenR3("prdhost", 1), 0u);
  EXPECT_EQ(OpenR3("prdhost2", 0), 0u);
}

TEST(OpenTest, SystemNumberIsComparedAsANumber) {
  Workspace workspace("[QAS]\nashost = qashost\nsysnr = 007\n");
  RFC_HANDLE handle = OpenR3("qashost", 7);
  EXPECT_NE(handle, 0u);
  RfcClose(handle);
}

TEST(OpenTest, AnR3OpenWithoutHostNameIsRefused) {
  Workspace workspace(BasicLandscape());
  EXPECT_EQ(OpenR3(nullptr, 0), 0u);
  EXPECT_EQ(OpenR3("", 0), 0u);
  EXPECT_EQ(LastError().message, std::string("partner ':00' not reached"));
}

TEST(OpenTest, FindsTheR2SystemByGateway) {
  Workspace workspace(BasicLandscape());
  Logon logon;
  logon.client = "001";
  logon.user = "oper        ";
  logon.password = "pass      ";
  RFC_HANDLE handle = OpenR2("MAINFRAME", "SAPGW07", logon);
  EXPECT_NE(handle, 0u);
  RfcClose(handle);
  EXPECT_EQ(OpenR2("mainframe", "sapgw08", logon), 0u);
  // The application server route does not reach a gateway-only system.
  EXPECT_EQ(OpenR3("mainframe", 0, logon), 0u);
}

struct LogonCase {
  const char* label;
  const char* client;
  const char* user;
  const char* password;
  bool accepted;
};

TEST(OpenTest, ChecksClientUserAndPassword) {
  const LogonCase cases[] = {
      {"as the probe pads them", "100", "MONITOR     ", "secret    ", true},
      {"without padding", "100", "MONITOR", "secret", true},
      {"user in another case", "100", "monitor", "secret", true},
      {"client with trailing blanks", "100  ", "MONITOR", "secret", true},
      {"wrong client", "200", "MONITOR", "secret", false},
      {"client with leading blank", " 100", "MONITOR", "secret", false},
      {"wrong user", "100", "OTHER", "secret", false},
      {"password in another case", "100", "MONITOR", "SECRET", false},
      {"password with leading blank", "100", "MONITOR", " secret", false},
      {"password cut short", "100", "MONITOR", "secre", false},
  };
  Workspace workspace(BasicLandscape());
  for (const LogonCase& c : cases) {
    Logon logon;
    logon.client = c.client;
    logon.user = c.user;
    logon.password = c.password;
    RFC_HANDLE handle = OpenR3("prdhost", 0, logon);
    EXPECT_EQ(handle != 0, c.accepted) << c.label;
    if (handle != 0) RfcClose(handle);
    if (!c.accepted) {
      RFC_ERROR_INFO info = LastError();
      EXPECT_STREQ(info.key, "RFC_ERROR_LOGON_FAILURE") << c.label;
      EXPECT_STREQ(info.message, "Name or password is incorrect (repeat logon)") << c.label;
    }
  }
}

TEST(OpenTest, SeveralClientsAndLogonPairs) {
  Workspace workspace(
      "[DEV]\nashost = devhost\nsysnr = 1\nclient = 100\nclient = 200\n"
      "user = ALPHA\npasswd = one\nuser = BETA\npasswd = two\n");
  Logon logon;
  logon.client = "200";
  logon.user = "BETA";
  logon.password = "two";
  RFC_HANDLE handle = OpenR3("devhost", 1, logon);
  EXPECT_NE(handle, 0u);
  RfcClose(handle);
  logon.password = "one";  // ALPHA's password does not open BETA
  EXPECT_EQ(OpenR3("devhost", 1, logon), 0u);
}

TEST(OpenTest, MissingLandscapeRefusesEveryOpen) {
  Workspace workspace;
  EXPECT_EQ(OpenR3("prdhost", 0), 0u);
  EXPECT_EQ(LastError().message, std::string("partner 'prdhost:00' not reached"));
  EXPECT_EQ(OpenR2("mainframe", "sapgw07"), 0u);
  EXPECT_EQ(LastError().message, std::string("partner 'mainframe:sapgw07' not reached"));
}

TEST(OpenTest, EmptyLandscapeRefusesEveryOpen) {
  Workspace workspace("");
  EXPECT_EQ(OpenR3("prdhost", 0), 0u);
  EXPECT_STREQ(LastError().key, "RFC_ERROR_COMMUNICATION");
}

TEST(OpenExTest, ResolvesTheDestinationThroughSapRfcIni) {
  Workspace workspace(BasicLandscape());
  workspace.Write("SapRfc.ini",
                  "DEST=QAS ASHOST=qashost SYSNR=01\n"
                  "DEST=PRD\nTYPE=A\nashost=PRDHOST\nsysnr=00\n"
                  "DEST=R2 GWHOST=mainframe GWSERV=sapgw07\n");
  RFC_HANDLE handle = OpenWithString("CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=PRD");
  EXPECT_NE(handle, 0u);
  RfcClose(handle);
  handle = OpenWithString("CLIENT=001 USER=OPER PASSWD=pass LANG=D DEST=R2");
  EXPECT_NE(handle, 0u);
  RfcClose(handle);
}

TEST(OpenExTest, RefusesWhatSapRfcIniDoesNotLeadTo) {
  Workspace workspace(BasicLandscape());
  const char* logon = "CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=";
  EXPECT_EQ(OpenWithString(std::string(logon) + "PRD"), 0u);  // no SapRfc.ini
  workspace.Write("SapRfc.ini", "DEST=PRD ASHOST=prdhost SYSNR=01\nDEST=OTHER ASHOST=x\n");
  EXPECT_EQ(OpenWithString(std::string(logon) + "PRD"), 0u);
  EXPECT_EQ(LastError().message, std::string("partner 'prdhost:01' not reached"));
  EXPECT_EQ(OpenWithString(std::string(logon) + "NOWHERE"), 0u);
  EXPECT_EQ(LastError().message, std::string("partner 'NOWHERE' not reached"));
}

TEST(OpenExTest, ChecksTheLogonOfTheConnectionString) {
  Workspace workspace(BasicLandscape());
  workspace.Write("SapRfc.ini", "DEST=PRD ASHOST=prdhost SYSNR=00\n");
  RFC_ERROR_INFO_EX details;
  std::memset(&details, 0, sizeof details);
  char text[] = "CLIENT=100 USER=monitor PASSWD=wrong LANG=D DEST=PRD";
  EXPECT_EQ(RfcOpenEx(text, &details), 0u);
  EXPECT_EQ(details.group, RFC_ERROR_LOGON_FAILURE);
  EXPECT_STREQ(details.message, "Name or password is incorrect (repeat logon)");
}

}  // namespace
}  // namespace rfcsim_test
