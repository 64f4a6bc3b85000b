#include <gtest/gtest.h>

#include "rfcsim/rfcsim_test_support.h"

namespace rfcsim_test {
namespace {

std::string WithFault(const std::string& fault) {
  return std::string(BasicLandscape()) + "[FLT]\nashost = flthost\nsysnr = 5\n" + fault + "\n";
}

struct CallFaultCase {
  const char* fault;
  int rc;
  bool received;          // RfcCall succeeded, RfcReceive gave the code
  const char* exception;  // for codes 2 and 3
  const char* trace;      // the block's text line, or null for no block
};

TEST(FaultTest, FunctionModuleFaults) {
  const CallFaultCase cases[] = {
      {"fail = GET_CPU_ALL exception NOT_AUTHORIZED", 2, true, "NOT_AUTHORIZED", nullptr},
      {"fail = GET_CPU_ALL sysexception", 3, true, "SYSTEM_FAILURE",
       "       ======> GET_CPU_ALL raised SYSTEM_FAILURE"},
      {"fail = GET_CPU_ALL sysexception Kernel  panic", 3, true, "SYSTEM_FAILURE",
       "       ======> Kernel  panic"},
      {"fail = GET_CPU_ALL failure", 1, false, "", "ERROR       connection to partner broken"},
      {"fail = get_cpu_all FAILURE gateway gone", 1, false, "", "ERROR       gateway gone"},
      {"fail = GET_CPU_ALL rc 7", 7, true, "", nullptr},
      {"fail = GET_CPU_ALL rc 1", 1, true, "", "ERROR       connection to partner broken"},
      {"fail = GET_CPU_ALL rc 3 lost", 3, true, "SYSTEM_FAILURE", "       ======> lost"},
      {"fail = GET_CPU_ALL rc 0", 0, true, "", nullptr},
      {"fail = RFC_SYSTEM_INFO failure", 0, true, "", nullptr},
  };
  for (const CallFaultCase& c : cases) {
    Workspace workspace(WithFault(c.fault));
    RFC_HANDLE handle = OpenR3("flthost", 5);
    ASSERT_NE(handle, 0u) << c.fault;
    Result result = CallCpu(handle);
    RfcClose(handle);
    EXPECT_EQ(result.rc, c.rc) << c.fault;
    EXPECT_EQ(result.received, c.received) << c.fault;
    EXPECT_EQ(result.exception, c.exception) << c.fault;
    EXPECT_EQ(result.rows.size(), c.rc == 0 ? 1u : 0u) << c.fault;
    std::vector<std::string> expected;
    if (c.trace != nullptr) expected.push_back(c.trace);
    EXPECT_EQ(TraceTexts(workspace), expected) << c.fault;
  }
}

TEST(FaultTest, LongExceptionNamesArriveWhole) {
  std::string name(300, 'E');
  Workspace workspace(WithFault("fail = RFC_GET_TABLE_ENTRIES exception " + name));
  RFC_HANDLE handle = OpenR3("flthost", 5);
  Result result = ReadTable(handle, "ZPRTG");
  RfcClose(handle);
  EXPECT_EQ(result.rc, RFC_EXCEPTION);
  EXPECT_EQ(result.exception, name);
  RFC_ERROR_INFO info = LastError();
  EXPECT_EQ(std::strlen(info.status), sizeof info.status - 1);
  EXPECT_EQ(std::strlen(info.message), sizeof info.message - 1);
}

TEST(FaultTest, CallHandlerFaultCallsTheRegisteredHandler) {
  HandlerInstalled installed;
  {
    Workspace workspace(WithFault("fail = GET_CPU_ALL handler"));
    RFC_HANDLE handle = OpenR3("flthost", 5);
    EXPECT_EQ(CallCpu(handle).rc, RFC_FAILURE);
    RfcClose(handle);
    EXPECT_EQ(TraceTexts(workspace), std::vector<std::string>{"ERROR       RfcCall"});
  }
  {
    Workspace workspace(WithFault("fail = GET_CPU_ALL handler CPU collector stopped"));
    RFC_HANDLE handle = OpenR3("flthost", 5);
    EXPECT_EQ(CallCpu(handle).rc, RFC_FAILURE);
    RfcClose(handle);
  }
  EXPECT_EQ(HandlerCalls(), (std::vector<std::string>{"RfcCall", "CPU collector stopped"}));
}

TEST(FaultTest, HandlerFaultWithoutHandlerJustFails) {
  Workspace workspace(WithFault("fail = GET_CPU_ALL handler\nfail = open handler"));
  HandlerCalls().clear();
  EXPECT_EQ(OpenR3("flthost", 5), 0u);
  EXPECT_TRUE(HandlerCalls().empty());
}

struct OpenFaultCase {
  const char* fault;
  bool handler_called;
  const char* handler_text;
  const char* trace;
  const char* key;
};

TEST(FaultTest, OpenFaults) {
  const OpenFaultCase cases[] = {
      {"fail = open refused", false, "", "ERROR       partner 'flthost:05' not reached",
       "RFC_ERROR_COMMUNICATION"},
      {"fail = open refused host is down", false, "", "ERROR       host is down",
       "RFC_ERROR_COMMUNICATION"},
      {"fail = open logon", false, "",
       "       ======> Name or password is incorrect (repeat logon)", "RFC_ERROR_LOGON_FAILURE"},
      {"fail = OPEN logon User locked", false, "", "       ======> User locked",
       "RFC_ERROR_LOGON_FAILURE"},
      {"fail = open handler", true, "RfcOpen", "ERROR       RfcOpen", "RFC_ERROR_COMMUNICATION"},
      {"fail = open handler no gateway", true, "no gateway", "ERROR       no gateway",
       "RFC_ERROR_COMMUNICATION"},
  };
  HandlerInstalled installed;
  for (const OpenFaultCase& c : cases) {
    HandlerCalls().clear();
    Workspace workspace(WithFault(c.fault));
    EXPECT_EQ(OpenR3("flthost", 5), 0u) << c.fault;
    std::vector<std::string> handler;
    if (c.handler_called) handler.push_back(c.handler_text);
    EXPECT_EQ(HandlerCalls(), handler) << c.fault;
    EXPECT_EQ(TraceTexts(workspace), std::vector<std::string>{c.trace}) << c.fault;
    EXPECT_STREQ(LastError().key, c.key) << c.fault;
    // The fault belongs to its system alone.
    RFC_HANDLE other = OpenPrd();
    EXPECT_NE(other, 0u) << c.fault;
    RfcClose(other);
  }
}

TEST(FaultTest, LibraryOperationFaults) {
  Workspace workspace(std::string(BasicLandscape()) +
                      "[library]\nfail = ItCreate ENTRIES\nfail = ItGetLine TF_CPU_ALL\n"
                      "fail = ItDelete TF_CPU_ALL\nfail = RfcInstallStructure TAB512\n");
  RFC_HANDLE handle = OpenPrd();
  char entries[] = "ENTRIES", cpu[] = "TF_CPU_ALL", tab512[] = "TAB512", cpu_all[] = "CPU_ALL";
  EXPECT_EQ(ItCreate(entries, 540, 0, 0), nullptr);
  EXPECT_STREQ(LastError().intstat, "ItCreate ENTRIES");

  ITAB_H itab = ItCreate(cpu, 48, 0, 0);
  ASSERT_NE(itab, nullptr);
  RFC_TABLE tables[] = {Table("TF_CPU_ALL", itab, 48),
                        {nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  RFC_PARAMETER none[] = {{nullptr, 0, 0, 0, nullptr}};
  char function[] = "GET_CPU_ALL";
  ASSERT_EQ(RfcCall(handle, function, none, tables), RFC_OK);
  rfc_char_t* exception = nullptr;
  ASSERT_EQ(RfcReceive(handle, none, tables, &exception), RFC_OK);
  EXPECT_EQ(ItFill(itab), 2u);
  EXPECT_EQ(ItGetLine(itab, 1), nullptr);
  EXPECT_STREQ(LastError().intstat, "ItGetLine TF_CPU_ALL");
  EXPECT_NE(ItDelete(itab), 0);
  EXPECT_STREQ(LastError().key, "RFC_ERROR_PROGRAM");

  RFC_TYPE_ELEMENT wa = {const_cast<char*>("WA"), TYPC, 540, 0, 0};
  RFC_TYPEHANDLE type_handle = 0;
  EXPECT_NE(RfcInstallStructure(tab512, &wa, 1, &type_handle), RFC_OK);
  EXPECT_EQ(type_handle, 0u);
  EXPECT_STREQ(LastError().intstat, "RfcInstallStructure TAB512");
  EXPECT_EQ(RfcInstallStructure(cpu_all, &wa, 1, &type_handle), RFC_OK);
  EXPECT_NE(type_handle, 0u);
  RfcClose(handle);
}

}  // namespace
}  // namespace rfcsim_test
