// What a SAP system says of itself in the record RFCSI that RFC_SYSTEM_INFO
// returns: the fields a person asks for, cut from their places in the
// record. A poll only checks that the call answers; the profile tool's
// doctor shows these.
#ifndef FERNWATCH_PROBES_SYSTEM_INFO_RECORD_H_
#define FERNWATCH_PROBES_SYSTEM_INFO_RECORD_H_

#include "fixed_text.h"

namespace fernwatch {

// The size of RFCSI.
constexpr size_t kSystemInfoRecordLength = 200;

// Each field as the record holds it up to a zero byte, without the blanks
// that pad it, a control character as a blank.
struct SystemInfoRecord {
  FixedText<32> Destination;      // RFCDEST
  FixedText<8> Host;              // RFCHOST: the application server
  FixedText<8> SystemId;          // RFCSYSID
  FixedText<8> DatabaseName;      // RFCDATABS
  FixedText<32> DatabaseHost;     // RFCDBHOST
  FixedText<10> DatabaseSystem;   // RFCDBSYS
  FixedText<4> Release;           // RFCSAPRL
  FixedText<10> OperatingSystem;  // RFCOPSYS
  FixedText<4> KernelRelease;     // RFCKERNRL
};

SystemInfoRecord ReadSystemInfoRecord(const char (&record)[kSystemInfoRecordLength]);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_SYSTEM_INFO_RECORD_H_
