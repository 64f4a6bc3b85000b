#include "app/time_budget.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

using TimeBudgetTest = RunRecordTest;

TEST_F(TimeBudgetTest, OnlyWholeSecondsFromOneToAnHourAreABudget) {
  struct Case {
    const char* text;
    int seconds;  // 0: refused
  } cases[] = {
      {"USERS,TIMEOUT=1", 1},      {"users,timeout=3600 #", 3600}, {",TIMEOUT=0050,STATE", 50},
      {",TIMEOUT=0", 0},           {",TIMEOUT=3601", 0},           {",TIMEOUT=", 0},
      {",TIMEOUT= 5", 0},          {",TIMEOUT=-5", 0},             {",TIMEOUT=+5", 0},
      {",TIMEOUT=2.5", 0},         {",TIMEOUT=5s", 0},             {",TIMEOUT=99999999999", 0},
  };
  for (const Case& c : cases) {
    int seconds = 7;
    FaultMessage fault = ReadTimeout(ArgumentLine(c.text), &seconds);
    if (c.seconds != 0) {
      EXPECT_EQ(c.seconds, seconds) << c.text;
      EXPECT_TRUE(fault.empty()) << c.text;
    } else {
      EXPECT_EQ(7, seconds) << c.text;
      EXPECT_EQ(0u, fault.find("Error 1051: ,TIMEOUT=")) << c.text;
      EXPECT_NE(fault.npos, fault.find(" from 1 to 3600...")) << c.text;
    }
  }
  int seconds = 7;
  EXPECT_TRUE(ReadTimeout(ArgumentLine("USERS,TIMEOUTS=5,TIME=5"), &seconds).empty());
  EXPECT_EQ(7, seconds) << "no keyword, no budget";
}

class RecordedEnd : public DeadlineEnd {
 public:
  int WriteEnd(ResultWriter& writer) override {
    writer.PrintConsole("end\n");
    return status;
  }
  int status = 0;
};

// The budget counts from the process's start; when it is spent the flow's
// end is written and the process ends with its status, unless the flow has
// ended by itself.
TEST_F(TimeBudgetTest, TheWatchEndsTheRunWithTheFlowsEnd) {
  FakeEnv env;
  std::unique_ptr<ResultWriter> writer = WriterFor(PrtgSensor());
  RecordedEnd end;
  EXPECT_EQ(nullptr, WatchTimeBudget(*writer, end)) << "no budget, no watch";

  g_run.TimeoutSeconds = 5;
  env.process_milliseconds = 1200;
  std::unique_ptr<Watchdog> watch = WatchTimeBudget(*writer, end);
  ASSERT_NE(nullptr, watch);
  EXPECT_EQ(3800, env.watch.milliseconds);
  end.status = 2;
  EXPECT_EQ(2, ExitStatusOf([&env] { env.Expire(); }));
  EXPECT_EQ("end\n", env.output);

  env.failing_output = true;
  end.status = 0;
  EXPECT_EQ(2, ExitStatusOf([&env] { env.Expire(); })) << "an end that was not written";

  env.output.clear();
  end.Finished = true;
  EXPECT_EQ(-1, ExitStatusOf([&env] { env.Expire(); }));
  EXPECT_EQ("", env.output);
}

}  // namespace
}  // namespace fernwatch
