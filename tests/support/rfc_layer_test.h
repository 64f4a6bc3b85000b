// The fixture of every test that works through the RFC layer: the run-wide
// record and the layer's own state hold their start values when the test
// begins and are left so when it ends, and a PRTG writer takes what the
// layer prints.
#ifndef FERNWATCH_TESTS_SUPPORT_RFC_LAYER_TEST_H_
#define FERNWATCH_TESTS_SUPPORT_RFC_LAYER_TEST_H_

#include <memory>

#include "output/result_writer.h"
#include "rfc/rfc_state.h"
#include "support/run_record_test.h"

namespace fernwatch {

class RfcLayerTest : public RunRecordTest {
 protected:
  RfcLayerTest() { ResetRfcState(); }
  ~RfcLayerTest() override { ResetRfcState(); }

  std::unique_ptr<ResultWriter> writer_ = WriterFor(PrtgSensor());
};

}  // namespace fernwatch

#endif  // FERNWATCH_TESTS_SUPPORT_RFC_LAYER_TEST_H_
