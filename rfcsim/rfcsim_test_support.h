// What the stand-in library's tests share: a scratch working directory with
// an RfcSim.ini, opens and function-module calls made the way the probe
// makes them, and the trace file cut into its blocks.
#ifndef FERNWATCH_RFCSIM_RFCSIM_TEST_SUPPORT_H_
#define FERNWATCH_RFCSIM_RFCSIM_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "rfc/rfc_library.h"
#include "support/fake_env.h"

namespace rfcsim_test {

// A landscape with one R/3 system (prdhost, 00) and one R/2 system
// (gateway mainframe:sapgw07).
inline const char* BasicLandscape() {
  return "[PRD]\n"
         "ashost = prdhost\n"
         "sysnr = 00\n"
         "client = 100\n"
         "user = MONITOR\n"
         "passwd = secret\n"
         "sysid = PRD\n"
         "dbsys = ORACLE\n"
         "opsys = Linux\n"
         "release = 740\n"
         "cpus = 2\n"
         "row = ZPRTG|USERS|*|Logged-on users| |3|\n"
         "row = ZPRTG|USERS|01|Dialog users|1|17|\n"
         "row = ZPRTG|SPOOL|*|Spool requests| |40|\n"
         "table = ZBRIX\n"
         "[R2SYS]\n"
         "gwhost = mainframe\n"
         "gwserv = sapgw07\n"
         "client = 001\n"
         "user = OPER\n"
         "passwd = pass\n";
}

// The working directory of one test, holding its RfcSim.ini.
class Workspace {
 public:
  explicit Workspace(const std::string& landscape) { Write("RfcSim.ini", landscape); }
  Workspace() = default;
  void Write(const std::string& name, const std::string& content) const {
    scratch_.Write(name, content);
  }
  std::string Read(const std::string& name) const { return scratch_.Read(name); }
  bool Exists(const std::string& name) const { return scratch_.Exists(name); }

 private:
  fernwatch::ScratchDirectory scratch_;
};

struct Logon {
  std::string client = "100";
  std::string user = "MONITOR     ";
  std::string password = "secret    ";
  std::string language = "E";
  std::string destination = "PRD";
};

// RfcOpen in R/3 mode; a null `host` passes no host name.
inline RFC_HANDLE OpenR3(const char* host, int sysnr, Logon logon = Logon()) {
  std::string host_copy = host ? host : "";
  RFC_CONNOPT_R3ONLY r3 = {host ? &host_copy[0] : nullptr, sysnr, nullptr, nullptr};
  RFC_OPTIONS options = {&logon.destination[0], RFC_MODE_R3ONLY, &r3, &logon.client[0],
                         &logon.user[0],        &logon.password[0], &logon.language[0], 0};
  return RfcOpen(&options);
}

inline RFC_HANDLE OpenR2(std::string gwhost, std::string gwserv, Logon logon = Logon()) {
  RFC_CONNOPT_CPIC cpic = {&gwhost[0], &gwserv[0]};
  RFC_OPTIONS options = {&logon.destination[0], RFC_MODE_CPIC, &cpic, &logon.client[0],
                         &logon.user[0],        &logon.password[0], &logon.language[0], 0};
  return RfcOpen(&options);
}

inline RFC_HANDLE OpenPrd() { return OpenR3("prdhost", 0); }

inline RFC_HANDLE OpenWithString(std::string text) { return RfcOpenEx(&text[0], nullptr); }

inline RFC_PARAMETER Parameter(const char* name, unsigned type, unsigned leng, void* addr) {
  return {const_cast<char*>(name), static_cast<unsigned>(std::strlen(name)), type, leng, addr};
}

inline RFC_TABLE Table(const char* name, ITAB_H itab, unsigned leng) {
  return {const_cast<char*>(name), static_cast<unsigned>(std::strlen(name)), 0, leng, itab,
          RFC_ITMODE_BYREFERENCE, 0};
}

// The outcome of one call: return code, exception name, rows received.
struct Result {
  int rc = -1;
  bool received = false;  // the call got as far as RfcReceive
  std::string exception;
  std::vector<std::string> rows;
};

inline void Finish(RFC_RC rc, rfc_char_t* exception, ITAB_H itab, unsigned leng, Result* result) {
  result->rc = rc;
  if ((rc == RFC_EXCEPTION || rc == RFC_SYS_EXCEPTION) && exception != nullptr) {
    result->exception = exception;
  }
  if (rc != RFC_OK || itab == nullptr) return;
  for (unsigned line = 1; line <= ItFill(itab); ++line) {
    const char* row = static_cast<const char*>(ItGetLine(itab, line));
    result->rows.push_back(row == nullptr ? std::string("(null)") : std::string(row, leng));
  }
}

// RfcCall of `function`, then RfcReceive when the call succeeded, with the
// rows of `itab` collected.
inline Result CallWithTable(RFC_HANDLE handle, const char* function, RFC_PARAMETER* exporting,
                            RFC_PARAMETER* importing, RFC_TABLE* tables, ITAB_H itab,
                            unsigned leng) {
  Result result;
  std::string name = function;
  RFC_RC rc = RfcCall(handle, &name[0], exporting, tables);
  rfc_char_t* exception = nullptr;
  if (rc == RFC_OK) {
    result.received = true;
    rc = RfcReceive(handle, importing, tables, &exception);
  }
  Finish(rc, exception, itab, leng, &result);
  return result;
}

// RFC_GET_TABLE_ENTRIES as the sensor table reader calls it, into a table
// of `leng`-byte rows.
inline Result ReadTable(RFC_HANDLE handle, const std::string& table_name,
                        const std::string& generic_key = "", int32_t max_entries = 0,
                        unsigned leng = 540) {
  std::string bypass = " ", from_key(72, ' '), to_key(72, ' ');
  std::string gen_key = generic_key;
  gen_key.resize(72, ' ');
  std::string name = table_name;
  name.resize(30, ' ');
  int32_t number_of_entries = -1;
  RFC_PARAMETER exporting[] = {
      Parameter("BYPASS_BUFFER", TYPC, 1, &bypass[0]),
      Parameter("FROM_KEY", TYPC, 72, &from_key[0]),
      Parameter("GEN_KEY", TYPC, 72, &gen_key[0]),
      Parameter("MAX_ENTRIES", TYPINT, 4, &max_entries),
      Parameter("TABLE_NAME", TYPC, 30, &name[0]),
      Parameter("TO_KEY", TYPC, 72, &to_key[0]),
      {nullptr, 0, 0, 0, nullptr}};
  RFC_PARAMETER importing[] = {Parameter("NUMBER_OF_ENTRIES", TYPINT, 4, &number_of_entries),
                               {nullptr, 0, 0, 0, nullptr}};
  char entries_name[] = "ENTRIES";
  ITAB_H itab = ItCreate(entries_name, leng, 0, 0);
  RFC_TABLE tables[] = {Table("ENTRIES", itab, leng), {nullptr, 0, 0, 0, nullptr,
                                                       RFC_ITMODE_BYREFERENCE, 0}};
  Result result = CallWithTable(handle, "RFC_GET_TABLE_ENTRIES", exporting, importing, tables,
                                itab, leng);
  if (result.rc == RFC_OK) {
    EXPECT_EQ(number_of_entries, static_cast<int32_t>(result.rows.size()));
  }
  ItDelete(itab);
  return result;
}

// GET_CPU_ALL with its two exporting parameters and the CPU table.
inline Result CallCpu(RFC_HANDLE handle, unsigned leng = 48) {
  std::string local_remote = "LOCAL ", logical_destination(32, ' ');
  RFC_PARAMETER exporting[] = {
      Parameter("LOCAL_REMOTE", TYPC, 6, &local_remote[0]),
      Parameter("LOGICAL_DESTINATION", TYPC, 32, &logical_destination[0]),
      {nullptr, 0, 0, 0, nullptr}};
  char table_name[] = "TF_CPU_ALL";
  ITAB_H itab = ItCreate(table_name, leng, 0, 0);
  RFC_TABLE tables[] = {Table("TF_CPU_ALL", itab, leng),
                        {nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  RFC_PARAMETER importing[] = {{nullptr, 0, 0, 0, nullptr}};
  Result result = CallWithTable(handle, "GET_CPU_ALL", exporting, importing, tables, itab, leng);
  ItDelete(itab);
  return result;
}

// A call with no parameters and no tables.
inline Result CallBare(RFC_HANDLE handle, const char* function_module) {
  std::string function = function_module;
  RFC_PARAMETER none[] = {{nullptr, 0, 0, 0, nullptr}};
  RFC_TABLE no_tables[] = {{nullptr, 0, 0, 0, nullptr, RFC_ITMODE_BYREFERENCE, 0}};
  Result result;
  RFC_RC rc = RfcCall(handle, &function[0], none, no_tables);
  rfc_char_t* exception = nullptr;
  if (rc == RFC_OK) {
    result.received = true;
    rc = RfcReceive(handle, none, no_tables, &exception);
  }
  Finish(rc, exception, nullptr, 0, &result);
  return result;
}

// The lines of a file, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The error handler the tests register: it keeps what it was called with.
inline std::vector<std::string>& HandlerCalls() {
  static std::vector<std::string> calls;
  return calls;
}

inline void SAP_API RecordingHandler(rfc_char_t* operation) {
  HandlerCalls().push_back(operation == nullptr ? "(null)" : operation);
}

// Registers the recording handler for the life of the object.
class HandlerInstalled {
 public:
  HandlerInstalled() {
    HandlerCalls().clear();
    RFC_ENV env = {RecordingHandler, nullptr};
    RfcEnvironment(&env);
  }
  ~HandlerInstalled() {
    RFC_ENV env = {nullptr, nullptr};
    RfcEnvironment(&env);
  }
};

// The error blocks of Dev_Rfc.Trc: for each, the line after LOCATION.
inline std::vector<std::string> TraceTexts(const Workspace& workspace) {
  std::vector<std::string> texts;
  std::vector<std::string> lines = Lines(workspace.Read("Dev_Rfc.Trc"));
  for (size_t i = 0; i + 2 < lines.size(); ++i) {
    if (lines[i].rfind("**** ERROR file opened at ", 0) == 0) texts.push_back(lines[i + 2]);
  }
  return texts;
}

inline RFC_ERROR_INFO LastError() {
  RFC_ERROR_INFO info;
  std::memset(&info, 0, sizeof info);
  EXPECT_EQ(RfcLastError(&info), 0);
  return info;
}

}  // namespace rfcsim_test

#endif  // FERNWATCH_RFCSIM_RFCSIM_TEST_SUPPORT_H_
