// Calling function modules over an open connection, the error handler and
// the last error.
#include <string>
#include <vector>

#include "rfcsim/function_modules.h"
#include "rfcsim/host_os.h"
#include "rfcsim/library_calls.h"
#include "rfcsim/records.h"
#include "rfcsim/state.h"
#include "rfcsim/tables.h"
#include "rfcsim/text.h"

namespace rfcsim {

namespace {

const char kBroken[] = "connection to partner broken";

Connection* FindConnection(RFC_HANDLE handle) {
  auto found = TheState().connections.find(handle);
  return found == TheState().connections.end() ? nullptr : &found->second;
}

const Fault* CallFault(const Connection& connection, const std::string& function) {
  for (const Fault& fault : connection.system.faults) {
    if (EqualsIgnoringCase(fault.point, function)) return &fault;
  }
  return nullptr;
}

RFC_RC Failure(const std::string& operation, const std::string& text) {
  std::string message = text.empty() ? kBroken : text;
  TraceError(TraceLine::kError, message);
  SetLastError("RFC_ERROR_COMMUNICATION", "COMMUNICATION_FAILURE", message, operation);
  return RFC_FAILURE;
}

// Hands the exception name to the caller; it stays valid until the next
// receive.
void PointAt(const std::string& name, rfc_char_t** exception) {
  State& state = TheState();
  state.exception = name;
  if (exception != nullptr) *exception = &state.exception[0];
}

RFC_RC SystemFailure(const std::string& operation, const std::string& text,
                     rfc_char_t** exception) {
  TraceError(TraceLine::kHighlight, text);
  SetLastError("RFC_ERROR_SYSTEM_FAILURE", "SYSTEM_FAILURE", text, operation);
  PointAt("SYSTEM_FAILURE", exception);
  return RFC_SYS_EXCEPTION;
}

RFC_RC Raise(const std::string& operation, const std::string& function, const std::string& name,
             rfc_char_t** exception) {
  SetLastError("RFC_ERROR_APPLICATION_EXCEPTION", name, function + " raised " + name, operation);
  PointAt(name, exception);
  return RFC_EXCEPTION;
}

// A return code that a fault of RfcSim.ini imposes on the receive.
RFC_RC Imposed(const std::string& operation, const Fault& fault, const std::string& function,
               rfc_char_t** exception) {
  switch (fault.kind) {
    case FaultKind::kException:
      return Raise(operation, function, fault.exception, exception);
    case FaultKind::kSysException:
      return SystemFailure(operation,
                           fault.text.empty() ? function + " raised SYSTEM_FAILURE" : fault.text,
                           exception);
    default:
      break;
  }
  if (fault.code == RFC_FAILURE) return Failure(operation, fault.text);
  if (fault.code == RFC_SYS_EXCEPTION) {
    return SystemFailure(operation,
                         fault.text.empty() ? function + " raised SYSTEM_FAILURE" : fault.text,
                         exception);
  }
  SetLastError("RFC_ERROR_PROGRAM", "RC " + std::to_string(fault.code),
               fault.text.empty() ? function + " ended with " + std::to_string(fault.code)
                                  : fault.text,
               operation);
  PointAt("", exception);
  return static_cast<RFC_RC>(fault.code);
}

void FillTable(RFC_TABLE& entry, const TableResult& result) {
  if (entry.ithandle == nullptr) {
    // No table given: the library makes one, as it does for a new table.
    if (entry.leng == 0) return;
    std::string name = result.name;
    entry.ithandle = CreateTable(&name[0], entry.leng);
    entry.newitab = 1;
  }
  InternalTable* table = FindTable(entry.ithandle);
  if (table != nullptr) ReplaceRows(*table, result.rows, result.pad);
}

void FillTables(RFC_TABLE* tables, const std::vector<TableResult>& results) {
  for (RFC_TABLE* entry = tables; entry != nullptr && entry->name != nullptr; ++entry) {
    std::string name = EntryName(entry->name, entry->nlen);
    for (const TableResult& result : results) {
      if (result.name == name) FillTable(*entry, result);
    }
  }
}

RFC_RC Respond(Connection& connection, const PendingCall& call, RFC_PARAMETER* importing,
              RFC_TABLE* tables, rfc_char_t** exception) {
  std::string operation = "RfcReceive " + call.function;
  if (const Fault* fault = CallFault(connection, call.function)) {
    bool imposes = fault->kind == FaultKind::kException ||
                   fault->kind == FaultKind::kSysException ||
                   (fault->kind == FaultKind::kReturnCode && fault->code != RFC_OK);
    if (imposes) return Imposed(operation, *fault, call.function, exception);
  }
  if (!KnownFunction(call.function)) {
    return SystemFailure(operation, "Function module \"" + call.function + "\" not found",
                         exception);
  }
  Answer answer = RunFunction(connection, call);
  if (!answer.exception.empty()) return Raise(operation, call.function, answer.exception, exception);
  FillImporting(importing, answer.importing);
  FillTables(tables, answer.tables);
  PointAt("", exception);
  return RFC_OK;
}

}  // namespace

void SetEnvironment(RFC_ENV* env) {
  Journal(env == nullptr ? "RfcEnvironment (null)"
                         : std::string("RfcEnvironment errorhandler=") +
                               (env->errorhandler != nullptr ? "set" : "(null)"));
  if (env != nullptr) TheState().handler = env->errorhandler;
}

void CallErrorHandler(const std::string& text) {
  RFC_ERROR_HANDLER* handler = TheState().handler;
  if (handler == nullptr) return;
  std::vector<char> argument(text.begin(), text.end());
  argument.push_back('\0');
  handler(argument.data());
}

RFC_RC Call(RFC_HANDLE handle, rfc_char_t* function, RFC_PARAMETER* exporting, RFC_TABLE* tables) {
  std::string name = TextOf(function);
  std::string line = "RfcCall " + std::to_string(handle) + " " + (function ? name : "(null)");
  for (RFC_PARAMETER* entry = exporting; entry != nullptr && entry->name != nullptr; ++entry) {
    line += " " + JournalForm(*entry);
  }
  Journal(line);
  std::string operation = "RfcCall " + name;
  Connection* connection = FindConnection(handle);
  if (connection == nullptr) {
    return Failure(operation, "connection handle " + std::to_string(handle) + " is not open");
  }
  connection->pending = PendingCall();
  WaitMilliseconds(connection->system.delay_ms);
  if (const Fault* fault = CallFault(*connection, name)) {
    if (fault->kind == FaultKind::kHang) WaitForever();
    if (fault->kind == FaultKind::kFailure) return Failure(operation, fault->text);
    if (fault->kind == FaultKind::kHandler) {
      std::string text = fault->text.empty() ? "RfcCall" : fault->text;
      Failure(operation, text);
      CallErrorHandler(text);
      return RFC_FAILURE;
    }
  }
  PendingCall& call = connection->pending;
  call.active = true;
  call.function = name;
  for (RFC_PARAMETER* entry = exporting; entry != nullptr && entry->name != nullptr; ++entry) {
    std::string parameter = EntryName(entry->name, entry->nlen);
    if (IsIntegerType(entry->type)) call.numbers[parameter] = NumberOf(*entry);
    else call.texts[parameter] = RawText(*entry);
  }
  return RFC_OK;
}

RFC_RC Receive(RFC_HANDLE handle, RFC_PARAMETER* importing, RFC_TABLE* tables,
               rfc_char_t** exception) {
  Connection* connection = FindConnection(handle);
  RFC_RC rc;
  if (connection == nullptr) {
    rc = Failure("RfcReceive", "connection handle " + std::to_string(handle) + " is not open");
  } else if (!connection->pending.active) {
    rc = Failure("RfcReceive", "no call to receive on handle " + std::to_string(handle));
  } else {
    PendingCall call = connection->pending;
    connection->pending = PendingCall();
    rc = Respond(*connection, call, importing, tables, exception);
    if (rc == RFC_EXCEPTION) TraceException();
  }
  Journal("RfcReceive " + std::to_string(handle) + " rc=" + std::to_string(static_cast<int>(rc)));
  return rc;
}

int LastError(RFC_ERROR_INFO* error_info) {
  const ErrorRecord& last = TheState().last_error;
  int result = last.set && error_info != nullptr ? 0 : 1;
  Journal("RfcLastError -> " + std::to_string(result));
  if (result != 0) return result;
  CopyBounded(error_info->key, sizeof error_info->key, last.key);
  CopyBounded(error_info->status, sizeof error_info->status, last.status);
  CopyBounded(error_info->message, sizeof error_info->message, last.message);
  CopyBounded(error_info->intstat, sizeof error_info->intstat, last.intstat);
  return 0;
}

void Close(RFC_HANDLE handle) {
  Journal("RfcClose " + std::to_string(handle));
  Connection* connection = FindConnection(handle);
  if (connection != nullptr && CallFault(*connection, "close") != nullptr) WaitForever();
  TheState().connections.erase(handle);
}

}  // namespace rfcsim
