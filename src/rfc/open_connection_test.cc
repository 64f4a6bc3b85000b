#include <gtest/gtest.h>

#include <string>

#include "rfc/connection.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/front_end_named.h"
#include "rfc/rfc_state.h"
#include "support/rfc_layer_test.h"

namespace fernwatch {
namespace {

// PRD on prdhost/00 and through the gateway prdgw/sapgw00; every call is
// journalled.
const char kLandscape[] =
    "[library]\njournal = journal.txt\n"
    "[PRD]\nashost = prdhost\nsysnr = 00\ngwhost = prdgw\ngwserv = sapgw00\nclient = 100\n"
    "user = MONITOR\npasswd = secret\nuser = LONGER_MONITOR\npasswd = a.longer.secret\n";

class OpenConnectionTest : public RfcLayerTest {
 protected:
  OpenConnectionTest() {
    dir_.Write("RfcSim.ini", kLandscape);
    SystemProfile& profile = g_run.Profile;
    profile.Destination.assign("PRD");
    profile.Client.assign("100");
    profile.User.assign("MONITOR");
    profile.Password.assign("secret");
    profile.Language.assign("E");
    profile.Hostname.assign("prdhost");
    profile.Sysnr.assign("00");
    profile.Gwhost.assign("prdgw");
    profile.Gwservice.assign("sapgw00");
  }
  std::string Journal() const { return dir_.Read("journal.txt"); }

  FakeEnv env_;
  ScratchDirectory dir_;
};

TEST_F(OpenConnectionTest, RecordsPadUserAndPasswordAndPickTheRouteByMode) {
  const std::string logon = " client=\"100\" user=\"MONITOR     \" password=\"secret    \" ";
  const std::string r3 = "host=\"prdhost\" sysnr=0 gwhost=\"prdgw\" gwservice=\"sapgw00\"\n";
  struct Case {
    const char* mode;
    const char* user;
    const char* password;
    std::string line;
  } cases[] = {
      {"R/3", "MONITOR", "secret",
       "RfcOpen mode=0 destination=\"PRD\"" + logon + "language=\"E\" " + r3},
      {"R/2", "MONITOR", "secret",
       "RfcOpen mode=1 destination=\"PRD\"" + logon +
           "language=\"E\" gwhost=\"prdgw\" gwservice=\"sapgw00\"\n"},
      {"r/2", "MONITOR", "secret", "RfcOpen mode=0 " + std::string()},
      {"R/2 ", "MONITOR", "secret", "RfcOpen mode=0 " + std::string()},
      {"R/3", "LONGER_MONITOR", "a.longer.secret",
       "user=\"LONGER_MONITOR\" password=\"a.longer.secret\" "},
  };
  for (const Case& c : cases) {
    dir_.Write("journal.txt", "");
    g_run.Profile.Mode.assign(c.mode);
    g_run.Profile.User.assign(c.user);
    g_run.Profile.Password.assign(c.password);
    EXPECT_NE(0u, OpenConnection(*writer_)) << c.mode;
    EXPECT_NE(std::string::npos, Journal().find(c.line)) << Journal();
  }
  EXPECT_EQ("", env_.output);
}

TEST_F(OpenConnectionTest, HostOverrideWithoutValueOpensNothing) {
  g_run.TypedArgumentText.assign("USERS,HOST=");
  g_run.ArgumentText.assign("USERS,HOST=");
  EXPECT_EQ(0u, OpenConnection(*writer_));
  EXPECT_NE(std::string::npos, Journal().find(" host=(null) sysnr=0 "));
}

TEST_F(OpenConnectionTest, DestinationFileBecomesSapRfcIniAndTheStringIsUsed) {
  const std::string configuration = "DEST=PRD\r\nASHOST=prdhost SYSNR=00\r\n\x01\xff end";
  dir_.Write("SapRfc.PRD", configuration);
  dir_.Write("SapRfc.ini", "DEST=PRD ASHOST=stale SYSNR=99 and a longer old content\n");
  EXPECT_NE(0u, OpenConnection(*writer_));
  // A note beside the document: never in front of or inside the XML.
  EXPECT_EQ("", env_.output);
  EXPECT_EQ("* SapRfc.Ini.......: PRD<\n", env_.errors);
  EXPECT_EQ(configuration, dir_.Read("SapRfc.ini"));
  EXPECT_EQ("RfcOpenEx \"CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=PRD\"\n", Journal());

  // The text reports keep it among their lines.
  for (const char* text_form : {"Quorvane", "Maltrex"}) {
    env_.errors.clear();
    std::unique_ptr<ResultWriter> writer = WriterFor(FrontEndNamed(text_form));
    EXPECT_NE(0u, OpenConnection(*writer));
    EXPECT_EQ("* SapRfc.Ini.......: PRD<\n", env_.output);
    EXPECT_EQ("", env_.errors);
    env_.output.clear();
  }
}

// A destination holding a directory or drive separator names no file of
// its own: the records are used, whatever such a name would reach.
TEST_F(OpenConnectionTest, DestinationWithSeparatorsNamesNoFile) {
  dir_.Write("sub/SapRfc.PRD", "DEST=PRD ASHOST=prdhost SYSNR=00\n");
  dir_.Write("SapRfc.x/y", "DEST=PRD ASHOST=prdhost SYSNR=00\n");
  for (const char* destination : {"x/y", "x\\y", ".\\..\\sub\\", "C:PRD"}) {
    dir_.Write("journal.txt", "");
    g_run.Profile.Destination.assign(destination);
    EXPECT_NE(0u, OpenConnection(*writer_)) << destination;
    EXPECT_EQ(0u, Journal().find("RfcOpen mode=0")) << Journal();
    CloseConnection();
  }
  EXPECT_EQ("", env_.output);
  EXPECT_FALSE(dir_.Exists("SapRfc.ini"));
}

// Whether the copy cannot be written or cannot replace the old file, no
// connection is opened with a configuration that is not the destination's.
TEST_F(OpenConnectionTest, NoOpenWhenSapRfcIniCannotBeWritten) {
  dir_.Write("SapRfc.PRD", "DEST=PRD ASHOST=prdhost SYSNR=00\n");
  dir_.Write("SapRfc.ini", "DEST=PRD ASHOST=stale SYSNR=99\n");
  for (bool write_fails : {true, false}) {
    env_.errors.clear();
    env_.fail().write = write_fails;
    env_.fail().replace = !write_fails;
    EXPECT_EQ(0u, OpenConnection(*writer_));
    EXPECT_EQ("* SapRfc.Ini.......: PRD<\n", env_.errors);
    EXPECT_EQ("", Journal());
    EXPECT_EQ("DEST=PRD ASHOST=stale SYSNR=99\n", dir_.Read("SapRfc.ini"));
    EXPECT_TRUE(SystemEnv().LockWorkingDirectory(0) != nullptr) << "the lock is left free";
  }
}

// The lock only keeps polls in one directory from replacing each other's
// SapRfc.ini: a poll that cannot have it in time opens as it would alone.
TEST_F(OpenConnectionTest, ThePollOpensWithOrWithoutTheLockAndLeavesItFree) {
  dir_.Write("SapRfc.PRD", "DEST=PRD ASHOST=prdhost SYSNR=00\n");
  for (bool lock_fails : {false, true}) {
    env_.errors.clear();
    dir_.Write("journal.txt", "");
    env_.fail().lock = lock_fails;
    EXPECT_NE(0u, OpenConnection(*writer_)) << lock_fails;
    EXPECT_EQ("* SapRfc.Ini.......: PRD<\n", env_.errors);
    EXPECT_EQ("RfcOpenEx \"CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=PRD\"\n", Journal());
    EXPECT_TRUE(SystemEnv().LockWorkingDirectory(0) != nullptr) << "released after the open";
  }
}

// A failure's reason is read from what the trace file receives after this.
TEST_F(OpenConnectionTest, RemembersTheTraceFileSizeJustBeforeTheOpen) {
  g_run.Profile.Hostname.assign("otherhost");  // refused: a block is written
  for (bool own_configuration : {false, true}) {
    if (own_configuration) dir_.Write("SapRfc.PRD", "DEST=PRD ASHOST=otherhost SYSNR=00\n");
    SystemEnv().RemoveFile("Dev_Rfc.Trc");
    EXPECT_EQ(0u, OpenConnection(*writer_));
    EXPECT_EQ(-1, RfcState().TraceSizeAtOpen) << "no file before the first refusal";
    const int64_t size = static_cast<int64_t>(dir_.Read("Dev_Rfc.Trc").size());
    EXPECT_EQ(0u, OpenConnection(*writer_));
    EXPECT_EQ(size, RfcState().TraceSizeAtOpen) << own_configuration;
  }
}

}  // namespace
}  // namespace fernwatch
