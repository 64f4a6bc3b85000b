#include "rfc/rfc_functions.h"

#include <gtest/gtest.h>

#include <string>

#include "rfc/rfc_state.h"

namespace fernwatch {
namespace {

class RfcFunctionsTest : public ::testing::Test {
 protected:
  RfcFunctionsTest() { ResetRfcState(); }
  ~RfcFunctionsTest() override { ResetRfcState(); }
};

// A library that has some functions and not others must not leave a table
// in which a later call finds a null entry.
TEST_F(RfcFunctionsTest, ALibraryLackingAFunctionLeavesTheTableEmpty) {
  LibraryFault fault = LoadRfcLibrary("libm.so.6");
  EXPECT_EQ(LibraryFaultKind::kFunctionMissing, fault.Kind);
  EXPECT_STREQ("RfcEnvironment", fault.Function.c_str());
  EXPECT_FALSE(RfcState().LibraryLoaded);
  EXPECT_EQ(nullptr, RfcLibrary().RfcEnvironment);
  std::string message = RfcLibraryFaultMessage(fault).c_str();
  EXPECT_EQ(0u, message.find("Error 1044: RFC library /")) << message;
  EXPECT_NE(std::string::npos, message.find("libm.so.6 has no function RfcEnvironment (")) << message;

  EXPECT_EQ(LibraryFaultKind::kNone, LoadRfcLibrary(FERNWATCH_STAND_IN_LIBRARY).Kind);
  EXPECT_NE(nullptr, RfcLibrary().ItDelete);
  // Loaded once: a later load keeps the table it has.
  EXPECT_EQ(LibraryFaultKind::kNone, LoadRfcLibrary("no-such-library.so").Kind);
}

}  // namespace
}  // namespace fernwatch
