// The simulated SAP landscape that the stand-in library serves, as read from
// RfcSim.ini: the systems with their routes, logons, tables and faults, and
// the library's own settings.
#ifndef FERNWATCH_RFCSIM_LANDSCAPE_H_
#define FERNWATCH_RFCSIM_LANDSCAPE_H_

#include <string>
#include <vector>

namespace rfcsim {

// How a system or function module is told to misbehave.
enum class FaultKind {
  kRefused,       // open: no partner reached
  kLogon,         // open: logon rejected
  kHandler,       // open or call: the registered error handler is called
  kException,     // call: the function module raises `exception`
  kSysException,  // call: SYSTEM_FAILURE
  kFailure,       // call: RfcCall itself fails
  kReturnCode,    // call: RfcReceive returns `code`
  kHang,          // open, call or close: never returns
};

struct Fault {
  std::string point;  // "open", "close" or a function module name, as written
  FaultKind kind = FaultKind::kRefused;
  std::string exception;  // kException
  int code = 0;           // kReturnCode
  std::string text;       // empty: the default text of the kind
};

struct Logon {
  std::string user;
  std::string password;
};

// One table of a system: declared with `table`, or made by its rows.
struct SimTable {
  std::string name;
  std::vector<std::string> rows;  // row contents, blank padding not stored
};

struct SimSystem {
  std::string id;  // the section name, used in messages only
  std::string ashost;
  bool has_sysnr = false;
  int sysnr = 0;
  std::string gwhost;
  std::string gwserv;
  std::vector<std::string> clients;
  std::vector<Logon> logons;
  std::string sysid;
  std::string dbsys;
  std::string opsys;
  std::string release;
  int cpus = 1;
  int delay_ms = 0;       // before every call answers
  int open_delay_ms = 0;  // before an open of it answers
  std::vector<SimTable> tables;
  std::vector<Fault> faults;
};

// A fault of the library's own operations, `fail = ItCreate NAME` and the like.
struct LibraryFault {
  std::string operation;  // ItCreate, ItGetLine, ItDelete, RfcInstallStructure
  std::string name;       // the table or structure it hits
};

struct LibrarySettings {
  std::string journal;  // empty: no journal
  bool trace = true;
  std::string trace_block;  // empty: blocks of the library's own
  std::vector<LibraryFault> faults;
};

// A line the reader could not make sense of; it is otherwise ignored.
struct UnreadableLine {
  int number;  // counted from 1
  std::string text;
};

struct Landscape {
  std::vector<SimSystem> systems;
  LibrarySettings library;
  std::vector<UnreadableLine> unreadable;
};

// Reads the whole text of an RfcSim.ini. Never fails: what it cannot read is
// listed in `unreadable`.
Landscape ParseLandscape(const std::string& text);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_LANDSCAPE_H_
