#include "app/run_faults.h"

#include <gtest/gtest.h>

#include <string>

#include "run_state.h"
#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

const char kOpening[] = "<Prtg>\n<Error>1</Error>\n<Text>";
const char kClosing[] = "</Text>\n</Prtg>\n";

class RunFaultsTest : public RunRecordTest {
 protected:
  FakeEnv env_;
};

TEST_F(RunFaultsTest, ExitingPrintsTheErrorDocumentAndExitsWithTwo) {
  g_run.ResultDocument.assign("\n<Prtg>\n");
  EXPECT_EQ(2, ExitStatusOf([] {
              ExitWithErrorDocument("Error 1001: Parameter for Profile-Name is missing !");
            }));
  EXPECT_EQ(std::string(kOpening) + "Error 1001: Parameter for Profile-Name is missing !" +
                kClosing,
            env_.output);
  EXPECT_TRUE(g_run.ResultDocument.empty());
}

// No fault lets the run go on; each fault ends it with its own message,
// whatever reader found it.
TEST_F(RunFaultsTest, AFaultEndsTheRunWithItsMessage) {
  g_run.ProfileName.assign("PRD.P00");
  EXPECT_EQ(-1, ExitStatusOf([] {
              ExitOnFault(LocateFault());
              ExitOnFault(ListingFault());
              ExitOnFault(ProfileFault::kNone);
            }));
  EXPECT_EQ("", env_.output);

  const std::string long_name(600, 'p');
  struct Case {
    void (*exit)();
    std::string message;
  } cases[] = {
      {[] { ExitOnFault(ProfileMissing("C:\\Sensors\\PRD.P00")); },
       "Error 1002: Profile C:\\Sensors\\PRD.P00 is missing..."},
      {[] { ExitOnFault(LocateFault(LocateFault::kInvalidPathUsage)); },
       "Sorry, invalid Path-Usage..."},
      {[] { ExitOnFault(ListingFault(ListingFault::kSensorNotFound, "users")); },
       "Error 1030: Global Sensor users not found..."},
      {[] { ExitOnFault(ListingFault(ListingFault::kItemMissing)); },
       "Error 1026: Global Item Idenification missing..."},
      {[] { ExitOnFault(ProfileFault::kWrongPassword); },
       "Error 1005: Wrong Password in Profile PRD.P00 found..."},
      // A message is cut where its capacity ends, never its document.
      {[] { ExitOnFault(ProfileMissing(std::string(600, 'p').c_str())); },
       ("Error 1002: Profile " + long_name).substr(0, 511)},
  };
  for (const Case& c : cases) {
    env_.output.clear();
    EXPECT_EQ(2, ExitStatusOf(c.exit)) << c.message;
    EXPECT_EQ(kOpening + c.message + kClosing, env_.output);
  }
}

}  // namespace
}  // namespace fernwatch
