#include "rfcsim/function_modules.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>

#include "rfcsim/text.h"

namespace rfcsim {

namespace {

// Places `value` at `offset` of a record, cut to `width`.
void Put(std::string& record, size_t offset, size_t width, const std::string& value) {
  record.replace(offset, value.size() < width ? value.size() : width, value, 0, width);
}

// One row of CPU_ALL: three two-byte integers, two bytes of alignment, ten
// four-byte integers; 48 bytes.
std::string CpuRow(int serial, int cpus) {
  std::string row(48, '\0');
  const int16_t head[] = {1, 0, static_cast<int16_t>(serial)};
  std::memcpy(&row[0], head, sizeof head);
  // NBR_CPU, load averages (hundredths), interrupts, system calls and
  // context switches per second, user/system/idle percentages.
  const int32_t figures[] = {cpus, 42, 37, 31, 1250, 4180, 2630, 12, 5, 83};
  std::memcpy(&row[8], figures, sizeof figures);
  return row;
}

std::string Timestamp() {
  std::time_t now = std::time(nullptr);
  std::tm* local = std::localtime(&now);
  char text[32] = "";
  if (local != nullptr) std::strftime(text, sizeof text, "%Y%m%d%H%M%S", local);
  return text;
}

Answer GetCpuAll(const Connection& connection) {
  Answer answer;
  const SimSystem& system = connection.system;
  answer.importing = {
      {"ACTIVEFLAG", Number(1)},   {"DETAILSCOLL", Number(1)},
      {"DETAILSMODE", Number(0)},  {"DETAILSREQI", Number(0)},
      {"F_CPU_ALL_READ", Text("X")}, {"INTERVAL", Number(10)},
      {"LASTCOLLINT", Number(10)}, {"LASTCOLLWRT", Text(Timestamp())},
      {"NORMCOLLINT", Number(60)}, {"OP_SYSTEM", Text(system.opsys)},
  };
  TableResult rows{"TF_CPU_ALL", {}, '\0'};
  for (int serial = 0; serial < system.cpus; ++serial) {
    rows.rows.push_back(CpuRow(serial, system.cpus));
  }
  answer.tables.push_back(std::move(rows));
  return answer;
}

std::string HostOf(const Connection& connection) {
  return connection.route.gateway ? connection.route.gwhost : connection.route.host;
}

// The 200 characters of RFCSI, each element at its offset.
std::string SystemInfoRecord(const Connection& connection) {
  const SimSystem& system = connection.system;
  std::string record(200, ' ');
  Put(record, 0, 3, "011");             // RFCPROTO
  Put(record, 3, 4, "4103");            // RFCCHARTYP
  Put(record, 7, 3, "LIT");             // RFCINTTYP
  Put(record, 10, 3, "IE3");            // RFCFLOTYP
  Put(record, 13, 32, connection.destination);  // RFCDEST
  Put(record, 45, 8, HostOf(connection));       // RFCHOST
  Put(record, 53, 8, system.sysid);             // RFCSYSID
  Put(record, 61, 8, system.sysid);             // RFCDATABS
  Put(record, 69, 32, HostOf(connection));      // RFCDBHOST
  Put(record, 101, 10, system.dbsys);           // RFCDBSYS
  Put(record, 111, 4, system.release);          // RFCSAPRL
  Put(record, 115, 5, "390");                   // RFCMACH
  Put(record, 120, 10, system.opsys);           // RFCOPSYS
  Put(record, 130, 6, "  3600");                // RFCTZONE
  Put(record, 136, 1, "");                      // RFCDAYST
  Put(record, 137, 15, "127.0.0.1");            // RFCIPADDR
  Put(record, 152, 4, system.release);          // RFCKERNRL
  return record;
}

Answer SystemInfo(const Connection& connection) {
  Answer answer;
  answer.importing = {
      {"CURRENT_RESOURCES", Number(4)},  {"DIALOG_USER_TYPE", Text("")},
      {"MAXIMAL_RESOURCES", Number(8)},  {"RECOMMENDED_DELAY", Number(0)},
      {"RFCSI_EXPORT", Text(SystemInfoRecord(connection))},
      {"RFC_LOGIN_COMPLETE", Text("X")},
  };
  return answer;
}

std::string ExportedText(const PendingCall& call, const char* name) {
  auto found = call.texts.find(name);
  return found == call.texts.end() ? std::string() : found->second;
}

long ExportedNumber(const PendingCall& call, const char* name) {
  auto found = call.numbers.find(name);
  if (found != call.numbers.end()) return found->second;
  // Given as characters instead: its leading digits.
  return std::atol(Trim(ExportedText(call, name)).c_str());
}

// Whether the row, blank-padded, begins with `key`.
bool MatchesKey(const std::string& row, const std::string& key) {
  std::string padded = row;
  if (padded.size() < key.size()) padded.resize(key.size(), ' ');
  return padded.compare(0, key.size(), key) == 0;
}

Answer GetTableEntries(const Connection& connection, const PendingCall& call) {
  Answer answer;
  std::string name = TrimRight(ExportedText(call, "TABLE_NAME"));
  const SimTable* table = nullptr;
  for (const SimTable& candidate : connection.system.tables) {
    if (EqualsIgnoringCase(candidate.name, name)) table = &candidate;
  }
  if (table == nullptr) {
    answer.exception = "TABLE_NOT_FOUND";
    return answer;
  }
  if (table->rows.empty()) {
    answer.exception = "INTERNAL_ERROR";
    return answer;
  }
  std::string key = TrimRight(ExportedText(call, "GEN_KEY"));
  long most = ExportedNumber(call, "MAX_ENTRIES");
  TableResult entries{"ENTRIES", {}, ' '};
  for (const std::string& row : table->rows) {
    if (most > 0 && static_cast<long>(entries.rows.size()) >= most) break;
    if (MatchesKey(row, key)) entries.rows.push_back(row);
  }
  answer.importing["NUMBER_OF_ENTRIES"] = Number(static_cast<long>(entries.rows.size()));
  answer.tables.push_back(std::move(entries));
  return answer;
}

}  // namespace

bool KnownFunction(const std::string& function) {
  return function == "GET_CPU_ALL" || function == "RFC_SYSTEM_INFO" ||
         function == "RFC_GET_TABLE_ENTRIES";
}

Answer RunFunction(const Connection& connection, const PendingCall& call) {
  if (call.function == "GET_CPU_ALL") return GetCpuAll(connection);
  if (call.function == "RFC_SYSTEM_INFO") return SystemInfo(connection);
  return GetTableEntries(connection, call);
}

}  // namespace rfcsim
