// What the RFC layer keeps from call to call for the whole process: the
// library's functions, the environment registered with the library and
// the writer its error handler reports to, the open connection, the
// records the library reads during an open, and what the traces need.
// Only the RFC layer reads and writes it.
#ifndef FERNWATCH_RFC_RFC_STATE_H_
#define FERNWATCH_RFC_RFC_STATE_H_

#include <cstdint>
#include <memory>

#include "output/result_writer.h"
#include "platform/env.h"
#include "rfc/connection_records.h"
#include "rfc/rfc_functions.h"
#include "rfc/rfc_library.h"

namespace fernwatch {

struct RfcLayerState {
  RfcFunctions Library = {};   // every entry null until the library is loaded
  bool LibraryLoaded = false;  // the table is filled
  RFC_ENV Environment = {nullptr, nullptr};
  ResultWriter* ReportWriter = nullptr;  // where the RFC error report goes
  RFC_HANDLE Session = 0;                // the open connection, 0 for none
  ConnectionRecords Connection;
  int LastSysnr = 0;  // an empty system number override keeps this one
  // The size of the library's trace file just before the last open, -1
  // when there was none: a failure's reason is read from what lies beyond.
  int64_t TraceSizeAtOpen = -1;
  std::unique_ptr<LineSink> TraceStream;  // Fernwatch.Trc, once opened
};

RfcLayerState& RfcState();

// Gives the layer's state its start values (tests).
void ResetRfcState();

}  // namespace fernwatch

#endif  // FERNWATCH_RFC_RFC_STATE_H_
