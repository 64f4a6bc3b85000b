// The fixture of every test that works through the RFC layer: the run-wide
// record and the layer's own state hold their start values when the test
// begins and are left so when it ends, the stand-in library built with the
// tests is loaded as the program loads the installed one, and a PRTG
// writer takes what the layer prints.
#ifndef FERNWATCH_TESTS_SUPPORT_RFC_LAYER_TEST_H_
#define FERNWATCH_TESTS_SUPPORT_RFC_LAYER_TEST_H_

#include <memory>

#include "output/result_writer.h"
#include "rfc/rfc_functions.h"
#include "rfc/rfc_state.h"
#include "support/run_record_test.h"

namespace fernwatch {

class RfcLayerTest : public RunRecordTest {
 protected:
  RfcLayerTest() {
    ResetRfcState();
    LibraryFault fault = LoadRfcLibrary(FERNWATCH_STAND_IN_LIBRARY);
    EXPECT_EQ(LibraryFaultKind::kNone, fault.Kind) << RfcLibraryFaultMessage(fault).c_str();
  }
  ~RfcLayerTest() override { ResetRfcState(); }

  std::unique_ptr<ResultWriter> writer_ = WriterFor(PrtgSensor());
};

}  // namespace fernwatch

#endif  // FERNWATCH_TESTS_SUPPORT_RFC_LAYER_TEST_H_
