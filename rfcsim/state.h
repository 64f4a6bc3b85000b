// What the stand-in library keeps for the life of the process: the error
// handler, the open connections, the internal tables and installed
// structures, the last error and the landscape last read.
#ifndef FERNWATCH_RFCSIM_STATE_H_
#define FERNWATCH_RFCSIM_STATE_H_

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "rfc/rfc_library.h"
#include "rfcsim/landscape.h"
#include "rfcsim/routes.h"

namespace rfcsim {

// What RfcCall hands over for the RfcReceive that follows.
struct PendingCall {
  bool active = false;
  std::string function;
  std::map<std::string, std::string> texts;  // character exporting values
  std::map<std::string, long> numbers;       // integer exporting values
};

struct Connection {
  SimSystem system;  // as it was at the open
  std::string destination;
  Route route;
  PendingCall pending;
};

struct InternalTable {
  unsigned id;
  std::string name;
  unsigned leng;
  std::vector<std::vector<char>> rows;  // each `leng` bytes
};

struct Structure {
  std::string name;
  unsigned length;
};

struct ErrorRecord {
  bool set = false;
  std::string key;
  std::string status;
  std::string message;
  std::string intstat;
};

struct State {
  RFC_ERROR_HANDLER* handler = nullptr;
  RFC_HANDLE next_handle = 1;
  std::map<RFC_HANDLE, Connection> connections;
  unsigned next_table_id = 1;
  std::map<const void*, std::unique_ptr<InternalTable>> tables;
  RFC_TYPEHANDLE next_type_handle = 101;  // apart from the type codes
  std::map<RFC_TYPEHANDLE, Structure> structures;
  ErrorRecord last_error;
  std::string exception;  // the name RfcReceive last pointed to
  bool landscape_read = false;
  Landscape landscape;  // of the last reading of RfcSim.ini
  std::set<std::string> named_lines;  // unreadable lines already in the trace
};

State& TheState();

void SetLastError(const std::string& key, const std::string& status, const std::string& message,
                  const std::string& intstat);

// The text a caller passed: NUL-terminated, empty for a null pointer.
std::string TextOf(const char* text);

// Copies `text` into a caller's field of `size` bytes, cut to leave room
// for the terminating NUL.
void CopyBounded(char* field, size_t size, const std::string& text);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_STATE_H_
