// The fixture of every test that reads or writes the run-wide record: the
// record holds its start values when the test begins and is left so, its
// open files closed, when the test ends.
#ifndef FERNWATCH_TESTS_SUPPORT_RUN_RECORD_TEST_H_
#define FERNWATCH_TESTS_SUPPORT_RUN_RECORD_TEST_H_

#include <gtest/gtest.h>

#include "run_state.h"

namespace fernwatch {

class RunRecordTest : public ::testing::Test {
 protected:
  RunRecordTest() { ResetRunState(); }
  ~RunRecordTest() override { ResetRunState(); }
};

}  // namespace fernwatch

#endif  // FERNWATCH_TESTS_SUPPORT_RUN_RECORD_TEST_H_
