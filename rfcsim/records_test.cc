#include <gtest/gtest.h>

#include <cstdlib>

#include "rfcsim/rfcsim_test_support.h"

namespace rfcsim_test {
namespace {

std::string Journalled(const std::string& landscape) {
  return landscape + "[library]\njournal = calls.log\n";
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

TEST(TraceTest, BlockHasItsFourLines) {
  Workspace workspace("");
  workspace.Write("Dev_Rfc.Trc", "earlier content\n");
  EXPECT_EQ(OpenR3("nohost", 12), 0u);
  std::vector<std::string> lines = Lines(workspace.Read("Dev_Rfc.Trc"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "earlier content");
  const std::string head = "**** ERROR file opened at ";
  ASSERT_EQ(lines[1].size(), head.size() + 15);
  EXPECT_EQ(lines[1].substr(0, head.size()), head);
  EXPECT_TRUE(AllDigits(lines[1].substr(head.size(), 8))) << lines[1];
  EXPECT_EQ(lines[1][head.size() + 8], ' ');
  EXPECT_TRUE(AllDigits(lines[1].substr(head.size() + 9))) << lines[1];
  EXPECT_EQ(lines[2], "LOCATION    stand-in RFC library");
  EXPECT_EQ(lines[3], "ERROR       partner 'nohost:12' not reached");
  EXPECT_EQ(lines[4].substr(0, 12), "TIME        ");
  EXPECT_GT(lines[4].size(), 12u);
}

TEST(TraceTest, TraceOffWritesNoBlocks) {
  Workspace workspace("[library]\ntrace = off\nnot a setting\n");
  EXPECT_EQ(OpenPrd(), 0u);
  EXPECT_FALSE(workspace.Exists("Dev_Rfc.Trc"));
  EXPECT_STREQ(LastError().message, "partner 'prdhost:00' not reached");
}

TEST(TraceTest, UnreadableLinesAreNamedOnce) {
  Workspace workspace(std::string(BasicLandscape()) +
                      "this line 4711 is garbage\nuser = X\npasswd = hidden\npasswd = leaked\n");
  RfcClose(OpenPrd());
  RfcClose(OpenPrd());
  std::string trace = workspace.Read("Dev_Rfc.Trc");
  std::vector<std::string> lines = Lines(trace);
  ASSERT_EQ(lines.size(), 5u) << trace;
  EXPECT_EQ(lines[0].substr(0, 28), "**** WARNING file opened at ");
  EXPECT_EQ(lines[2], "WARNING     RfcSim.ini line 22 ignored: this line 4711 is garbage");
  EXPECT_EQ(lines[3], "WARNING     RfcSim.ini line 25 ignored: passwd = ...");
  EXPECT_EQ(lines[4].substr(0, 12), "TIME        ");
  EXPECT_EQ(trace.find("leaked"), std::string::npos) << "a password reached the trace";
  // Nothing here is an error block that could pass for a failure's reason.
  EXPECT_TRUE(TraceTexts(workspace).empty());
}

TEST(TraceTest, GarbageLandscapeIsNamedAndRefusesOpens) {
  Workspace workspace("\x01\x02garbage\n[\nashost = prdhost\n=\n");
  EXPECT_EQ(OpenPrd(), 0u);
  std::string trace = workspace.Read("Dev_Rfc.Trc");
  for (const char* named : {"line 1 ignored", "line 2 ignored", "line 3 ignored",
                            "line 4 ignored"}) {
    EXPECT_NE(trace.find(named), std::string::npos) << named;
  }
  EXPECT_EQ(TraceTexts(workspace),
            std::vector<std::string>{"ERROR       partner 'prdhost:00' not reached"});
}

// A block planted for the probe's reason reader: a line end of each kind,
// a control character and no line end at the end, all to arrive unchanged.
const char kPlantedBlock[] =
    "**** ERROR file opened at 20250101 000000\r\nERROR       planted\n\x01 no line end";

TEST(TraceTest, TraceBlockStandsInForEveryFailureAndException) {
  Workspace workspace(std::string(BasicLandscape()) + "not a setting\n" +
                      "[FLT]\nashost = flthost\n"
                      "fail = GET_CPU_ALL exception NOT_AUTHORIZED\n"
                      "fail = RFC_SYSTEM_INFO sysexception\n"
                      "[library]\ntrace_block = planted.trc\n");
  workspace.Write("planted.trc", kPlantedBlock);
  RFC_HANDLE prd = OpenPrd();
  EXPECT_EQ(ReadTable(prd, "ZPRTG").rc, RFC_OK);
  EXPECT_EQ(ReadTable(prd, "ZBRIX").exception, "INTERNAL_ERROR");  // 1
  RfcClose(prd);
  EXPECT_EQ(OpenR3("nohost", 1), 0u);  // 2
  RFC_HANDLE flt = OpenR3("flthost", 0);
  EXPECT_EQ(CallCpu(flt).rc, RFC_EXCEPTION);                        // 3
  EXPECT_EQ(CallBare(flt, "RFC_SYSTEM_INFO").rc, RFC_SYS_EXCEPTION);  // 4
  RfcClose(flt);
  EXPECT_STREQ(LastError().message, "RFC_SYSTEM_INFO raised SYSTEM_FAILURE");
  std::string trace = workspace.Read("Dev_Rfc.Trc");
  size_t planted = trace.find(kPlantedBlock);
  ASSERT_NE(planted, std::string::npos) << trace;
  // The note about the ignored line is still the library's own.
  EXPECT_EQ(trace.rfind("**** WARNING file opened at ", 0), 0u) << trace;
  std::string four_times;
  for (int i = 0; i < 4; ++i) four_times += kPlantedBlock;
  EXPECT_EQ(trace.substr(planted), four_times);
}

TEST(TraceTest, TraceBlockWritesNothingWhenOffOrUnreadable) {
  {
    Workspace workspace("[library]\ntrace = off\ntrace_block = planted.trc\n");
    workspace.Write("planted.trc", kPlantedBlock);
    EXPECT_EQ(OpenPrd(), 0u);
    EXPECT_FALSE(workspace.Exists("Dev_Rfc.Trc"));
  }
  {
    // A trace file with nothing in it since the open.
    Workspace workspace("[library]\ntrace_block = missing.trc\n");
    EXPECT_EQ(OpenPrd(), 0u);
    EXPECT_TRUE(workspace.Exists("Dev_Rfc.Trc"));
    EXPECT_EQ(workspace.Read("Dev_Rfc.Trc"), "");
  }
}

TEST(LastErrorTest, FieldsAreCutAndTerminated) {
  std::string text(600, 'x');
  Workspace workspace("[S]\nashost = h\nfail = open refused " + text + "\n");
  EXPECT_EQ(OpenR3("h", 0), 0u);
  RFC_ERROR_INFO info;
  std::memset(&info, '#', sizeof info);
  EXPECT_EQ(RfcLastError(&info), 0);
  EXPECT_STREQ(info.key, "RFC_ERROR_COMMUNICATION");
  EXPECT_EQ(std::string(info.message), text.substr(0, sizeof info.message - 1));
  EXPECT_STREQ(info.intstat, "RfcOpen");
  EXPECT_EQ(RfcLastError(nullptr), 1);
}

// Handles and the last error start afresh in a new process: the statement
// runs in a process of its own.
TEST(FreshProcessTest, HandlesCountFromOneAndNoErrorAtFirst) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        int code = 0;
        {
          Workspace workspace(BasicLandscape());
          RFC_ERROR_INFO info;
          if (RfcLastError(&info) != 1) code |= 1;
          if (OpenR3("elsewhere", 0) != 0) code |= 2;
          if (OpenPrd() != 1) code |= 4;
          if (OpenPrd() != 2) code |= 8;
        }
        std::exit(code);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(JournalTest, OpensAsPassed) {
  Workspace workspace(Journalled(BasicLandscape()));
  workspace.Write("SapRfc.ini", "DEST=PRD ASHOST=prdhost SYSNR=00\n");
  RFC_HANDLE r3 = OpenPrd();
  Logon logon;
  logon.client = "001";
  logon.user = "OPER";
  logon.password = "pass";
  logon.language = "";
  RFC_HANDLE r2 = OpenR2("mainframe", "sapgw07", logon);
  RFC_HANDLE ex = OpenWithString("CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=PRD");
  RFC_CONNOPT_R3ONLY bare = {nullptr, 3, nullptr, nullptr};
  RFC_OPTIONS nulls = {nullptr, RFC_MODE_R3ONLY, &bare, nullptr, nullptr, nullptr, nullptr, 0};
  EXPECT_EQ(RfcOpen(&nulls), 0u);
  RfcClose(r3);
  RfcClose(ex);
  std::vector<std::string> lines = Lines(workspace.Read("calls.log"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0],
            "RfcOpen mode=0 destination=\"PRD\" client=\"100\" user=\"MONITOR     \" "
            "password=\"secret    \" language=\"E\" host=\"prdhost\" sysnr=0 gwhost=(null) "
            "gwservice=(null)");
  EXPECT_EQ(lines[1],
            "RfcOpen mode=1 destination=\"PRD\" client=\"001\" user=\"OPER\" "
            "password=\"pass\" language=\"\" gwhost=\"mainframe\" gwservice=\"sapgw07\"");
  EXPECT_EQ(lines[2], "RfcOpenEx \"CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=PRD\"");
  EXPECT_EQ(lines[3],
            "RfcOpen mode=0 destination=(null) client=(null) user=(null) password=(null) "
            "language=(null) host=(null) sysnr=3 gwhost=(null) gwservice=(null)");
  EXPECT_EQ(lines[4], "RfcClose " + std::to_string(r3));
  EXPECT_EQ(lines[5], "RfcClose " + std::to_string(ex));
  EXPECT_NE(r2, 0u);
  EXPECT_EQ(r2, r3 + 1);
  RfcClose(r2);
}

TEST(JournalTest, CallsWithTheirExportingParameters) {
  Workspace workspace(Journalled(BasicLandscape()));
  RFC_HANDLE handle = OpenPrd();
  std::string h = std::to_string(handle);
  CallCpu(handle);
  ReadTable(handle, "ZPRTG", "USERS", 5);
  CallBare(handle, "NO_SUCH_FM");
  std::vector<std::string> calls;
  for (const std::string& line : Lines(workspace.Read("calls.log"))) {
    if (line.rfind("RfcCall", 0) == 0 || line.rfind("RfcReceive", 0) == 0) calls.push_back(line);
  }
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[0], "RfcCall " + h +
                          " GET_CPU_ALL LOCAL_REMOTE=\"LOCAL \" LOGICAL_DESTINATION=\"" +
                          std::string(32, ' ') + "\"");
  EXPECT_EQ(calls[1], "RfcReceive " + h + " rc=0");
  std::string blanks(72, ' ');
  EXPECT_EQ(calls[2], "RfcCall " + h + " RFC_GET_TABLE_ENTRIES BYPASS_BUFFER=\" \" FROM_KEY=\"" +
                          blanks + "\" GEN_KEY=\"USERS" + std::string(67, ' ') +
                          "\" MAX_ENTRIES=5 TABLE_NAME=\"ZPRTG" + std::string(25, ' ') +
                          "\" TO_KEY=\"" + blanks + "\"");
  EXPECT_EQ(calls[3], "RfcReceive " + h + " rc=0");
  EXPECT_EQ(calls[4], "RfcCall " + h + " NO_SUCH_FM");
  EXPECT_EQ(calls[5], "RfcReceive " + h + " rc=3");
  RfcClose(handle);
}

TEST(JournalTest, TableOperationsAreJournalledToo) {
  Workspace workspace(Journalled(BasicLandscape()));
  RFC_HANDLE handle = OpenPrd();
  CallCpu(handle);
  RfcClose(handle);
  std::string journal = workspace.Read("calls.log");
  for (const char* call : {"\nItCreate \"TF_CPU_ALL\" leng=48 -> ", "\nItFill ",
                           "\nItGetLine ", "\nItDelete "}) {
    EXPECT_NE(journal.find(call), std::string::npos) << call;
  }
}

}  // namespace
}  // namespace rfcsim_test
