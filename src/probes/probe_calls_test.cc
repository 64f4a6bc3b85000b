#include <gtest/gtest.h>

#include <string>

#include "probes/probes.h"
#include "probes/sensor_table_count.h"
#include "rfc/connection.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "probes/call_lists.h"
#include "support/rfc_layer_test.h"

namespace fernwatch {
namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class ProbeCallsTest : public RfcLayerTest {
 protected:
  ProbeCallsTest() {
    Structures() = InstalledStructures();
    g_run.ArgumentText.assign("USERS");
    g_run.Profile.Hostname.assign("prdhost");
    g_run.Profile.Sysnr.assign("00");
  }
  // A fresh journal, and PRD with two CPUs, one sensor row and the faults.
  RFC_HANDLE Connect(const std::string& system_faults, const std::string& library_faults = "") {
    dir_.Write("journal.txt", "");
    dir_.Write("RfcSim.ini", "[library]\njournal = journal.txt\n" + library_faults +
                                 "[PRD]\nashost = prdhost\nsysnr = 00\ncpus = 2\n"
                                 "row = ZPRTG|USERS|*|Logged-on users||3|\n" +
                                 system_faults);
    RFC_HANDLE handle = OpenConnection(*writer_);
    EXPECT_NE(0u, handle);
    writer_->Empty();
    env_.output.clear();
    return handle;
  }
  std::string Journal() const { return dir_.Read("journal.txt"); }

  FakeEnv env_;
  ScratchDirectory dir_;
};

ProbeOutcome EvaluateSingleSystem(RFC_HANDLE handle) {
  std::unique_ptr<ResultWriter> writer = WriterFor(PrtgSensor());
  return EvaluateUserSensors(handle, nullptr, *writer);
}

struct Probe {
  const char* function;
  ProbeOutcome (*run)(RFC_HANDLE);
};
const Probe kProbes[] = {
    {"GET_CPU_ALL", ProbeCpu},
    {"RFC_SYSTEM_INFO", ProbeSystemInfo},
    {"RFC_GET_TABLE_ENTRIES", EvaluateSingleSystem},
};

TEST_F(ProbeCallsTest, SuccessSetsOkAndReadsEveryRow) {
  RFC_HANDLE handle = Connect("");
  for (const Probe& probe : kProbes) {
    ProbeOutcome outcome = probe.run(handle);
    EXPECT_EQ(0, outcome.ReturnCode) << probe.function;
    EXPECT_TRUE(outcome.Succeeded) << probe.function;
  }
  std::string journal = Journal();
  std::string h = std::to_string(handle);
  EXPECT_EQ(3u, Count(journal, "ItGetLine ")) << "both CPU rows and the sensor row";
  EXPECT_NE(std::string::npos, journal.find("ItCreate \"TF_CPU_ALL\" leng=48 "));
  EXPECT_NE(std::string::npos, journal.find("RfcCall " + h +
                                            " GET_CPU_ALL LOCAL_REMOTE=\"LOCAL \" "
                                            "LOGICAL_DESTINATION=\"" +
                                            std::string(32, ' ') + "\"\n"));
  std::string key(72, ' ');
  EXPECT_NE(std::string::npos, journal.find("ItCreate \"ENTRIES\" leng=540 "));
  EXPECT_NE(std::string::npos,
            journal.find("RfcCall " + h + " RFC_GET_TABLE_ENTRIES BYPASS_BUFFER=\" \" FROM_KEY=\"" +
                         key + "\" GEN_KEY=\"" + key + "\" MAX_ENTRIES=0 TABLE_NAME=\"ZPRTG" +
                         std::string(25, ' ') + "\" TO_KEY=\"" + key + "\"\n"));
}

TEST_F(ProbeCallsTest, FailedCallsGiveTheirErrorText) {
  struct Case {
    std::string fault;
    int rc;
    std::string text;
  } cases[] = {
      {"failure", 1, "Error 1014: RFC-Failure raised !"},
      {"exception NOT_AUTHORIZED", 2, "Error 1012: Exception.: NOT_AUTHORIZED"},
      {"exception " + std::string(300, 'E'), 2, "Error 1012: Exception.: " + std::string(255, 'E')},
      {"sysexception", 3, "Error 1013: Sys-Exception raised !"},
      {"rc 7", 7, "Error 1015: Other Failure raised !"},
  };
  for (const Probe& probe : kProbes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(probe.function) + " " + c.fault);
      RFC_HANDLE handle = Connect(std::string("fail = ") + probe.function + " " + c.fault + "\n");
      ProbeOutcome outcome = probe.run(handle);
      EXPECT_EQ(c.rc, outcome.ReturnCode);
      EXPECT_FALSE(outcome.Succeeded);
      EXPECT_EQ(nullptr, outcome.RefusedOperation);
      EXPECT_EQ(c.text, outcome.Error.c_str());
      EXPECT_EQ("", env_.output);
      std::string journal = Journal();
      EXPECT_EQ(c.rc == 1 ? 0u : 1u, Count(journal, "RfcReceive"));
      EXPECT_EQ(probe.run == ProbeSystemInfo ? 0u : 1u, Count(journal, "ItDelete"));
    }
  }
}

TEST_F(ProbeCallsTest, StructuresAreInstalledOncePerProcess) {
  RFC_HANDLE handle = Connect("");
  for (int system = 0; system < 2; ++system)
    for (const Probe& probe : kProbes) probe.run(handle);
  std::string journal = Journal();
  EXPECT_EQ(1u, Count(journal, "RfcInstallStructure \"CPU_ALL\" entries=13 "));
  EXPECT_EQ(1u, Count(journal, "RfcInstallStructure \"RFCSI\" entries=18 "));
  EXPECT_EQ(1u, Count(journal, "RfcInstallStructure \"TAB512\" entries=1 "));
  EXPECT_EQ(3u, Count(journal, "RfcInstallStructure"));
}

// A refused structure or table operation is the probe's last library call.
TEST_F(ProbeCallsTest, LibraryRefusalsNameTheOperationAndStopTheProbe) {
  struct Case {
    const char* library_fault;
    ProbeOutcome (*probe)(RFC_HANDLE);
    const char* operation;
  } cases[] = {
      {"RfcInstallStructure CPU_ALL", ProbeCpu, "RfcInstallStructure"},
      {"ItCreate TF_CPU_ALL", ProbeCpu, "ItCreate TF_CPU_ALL"},
      {"ItGetLine TF_CPU_ALL", ProbeCpu, "ItGetLine TF_CPU_ALL"},
      {"ItDelete TF_CPU_ALL", ProbeCpu, "ItDelete TF_CPU_ALL"},
      {"RfcInstallStructure RFCSI", ProbeSystemInfo, "RfcInstallStructure"},
      {"RfcInstallStructure TAB512", EvaluateSingleSystem, "RfcInstallStructure"},
      {"ItCreate ENTRIES", EvaluateSingleSystem, "ItCreate ENTRIES"},
      {"ItGetLine ENTRIES", EvaluateSingleSystem, "ItGetLine ENTRIES"},
      {"ItDelete ENTRIES", EvaluateSingleSystem, "ItDelete ENTRIES"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.library_fault);
    Structures() = InstalledStructures();
    RFC_HANDLE handle = Connect("", std::string("fail = ") + c.library_fault + "\n");
    ProbeOutcome outcome = c.probe(handle);
    EXPECT_FALSE(outcome.Succeeded);
    EXPECT_STREQ(c.operation, outcome.RefusedOperation);
    std::string journal = Journal();
    std::string last_call = journal.substr(journal.rfind('\n', journal.size() - 2) + 1);
    std::string refused = c.library_fault;
    EXPECT_EQ(0u, last_call.find(refused.substr(0, refused.find(' ')))) << journal;
  }
}

TEST_F(ProbeCallsTest, TracePointsFollowEveryCallAndReceive) {
  RFC_HANDLE handle = Connect("fail = RFC_SYSTEM_INFO failure\n");
  g_run.ArgumentText.assign("USERS,SYSLOG");
  for (const Probe& probe : kProbes) probe.run(handle);
  RfcState().TraceStream.reset();
  std::string call = std::to_string(handle) + " RfcCall called \n";
  std::string receive = std::to_string(handle) + " RfcReceive called \n";
  EXPECT_EQ(call + receive + call + call + receive, dir_.Read("Fernwatch.Trc"));
}

// What the doctor tells of a table: its rows and its sensors (header rows);
// an empty table is no failed call, a missing one is.
TEST_F(ProbeCallsTest, SensorTableCountsRowsAndHeaderRows) {
  RFC_HANDLE handle = Connect(
      "row = ZPRTG|USERS|01|Users|A|17|\nrow = ZPRTG|SPOOL|*|Spool requests||40|\n"
      "table = ZEMPTY\n");
  SensorTableCount count;
  ProbeOutcome outcome = CountSensorTable(handle, "ZPRTG", &count);
  EXPECT_TRUE(outcome.Succeeded);
  EXPECT_EQ(3u, count.Rows);
  EXPECT_EQ(2u, count.Sensors);

  outcome = CountSensorTable(handle, "ZEMPTY", &count);
  EXPECT_TRUE(outcome.Succeeded);
  EXPECT_EQ(0u, count.Rows);

  outcome = CountSensorTable(handle, "ZNONE", &count);
  EXPECT_FALSE(outcome.Succeeded);
  EXPECT_STREQ("Error 1012: Exception.: TABLE_NOT_FOUND", outcome.Error.c_str());
  EXPECT_EQ(3u, Count(Journal(), "ItDelete ")) << "every table read is deleted";
}

}  // namespace
}  // namespace fernwatch
