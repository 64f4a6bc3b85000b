#include "app/run_faults.h"

#include <gtest/gtest.h>

#include <string>

#include "config/listing_file.h"
#include "config/locate.h"
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
  std::unique_ptr<ResultWriter> writer_ = WriterFor(PrtgSensor());
};

TEST_F(RunFaultsTest, TheErrorDocumentReplacesWhatWasUnprintedAndEndsWithTwo) {
  writer_->BeginDocument();
  EXPECT_EQ(2, EndWithErrorDocument(*writer_, "Error 1001: Parameter for Profile-Name is missing !"));
  EXPECT_EQ(std::string(kOpening) + "Error 1001: Parameter for Profile-Name is missing !" +
                kClosing,
            env_.output);
  EXPECT_TRUE(writer_->Content().empty());
}

// Each fault ends the run with its own message, whatever reader found it.
TEST_F(RunFaultsTest, AFaultEndsTheRunWithItsMessage) {
  g_run.ProfileName.assign("PRD.P00");
  EXPECT_TRUE(LocateFaultMessage(LocateFault()).empty());
  EXPECT_TRUE(ListingFaultMessage(ListingFault()).empty());
  EXPECT_TRUE(RunProfileFaultMessage(ProfileFault::kNone).empty());

  const std::string long_name(600, 'p');
  struct Case {
    std::string given;
    std::string message;
  } cases[] = {
      {LocateFaultMessage(ProfileMissing("C:\\Sensors\\PRD.P00")).c_str(),
       "Error 1002: Profile C:\\Sensors\\PRD.P00 is missing..."},
      {LocateFaultMessage(LocateFault(LocateFault::kInvalidPathUsage)).c_str(),
       "Sorry, invalid Path-Usage..."},
      {ListingFaultMessage(ListingFault(ListingFault::kSensorNotFound, "users")).c_str(),
       "Error 1030: Global Sensor users not found..."},
      {ListingFaultMessage(ListingFault(ListingFault::kItemMissing)).c_str(),
       "Error 1026: Global Item Idenification missing..."},
      {RunProfileFaultMessage(ProfileFault::kWrongPassword).c_str(),
       "Error 1005: Wrong Password in Profile PRD.P00 found..."},
      // A message is cut where its capacity ends, never its document.
      {LocateFaultMessage(ProfileMissing(long_name.c_str())).c_str(),
       ("Error 1002: Profile " + long_name).substr(0, 511)},
  };
  for (const Case& c : cases) {
    env_.output.clear();
    EXPECT_EQ(2, EndWithErrorDocument(*writer_, c.given.c_str())) << c.message;
    EXPECT_EQ(kOpening + c.message + kClosing, env_.output);
  }
}

}  // namespace
}  // namespace fernwatch
