#include "rfcsim/landscape.h"

#include "rfcsim/sensor_row.h"
#include "rfcsim/text.h"

namespace rfcsim {

namespace {

// The words of a value: `words` gets up to `count` blank-separated words,
// and `rest` what follows them with the blanks around it removed.
void SplitWords(const std::string& value, size_t count, std::vector<std::string>* words,
                std::string* rest) {
  size_t at = 0;
  while (words->size() < count) {
    while (at < value.size() && IsBlank(value[at])) ++at;
    if (at == value.size()) break;
    size_t end = at;
    while (end < value.size() && !IsBlank(value[end])) ++end;
    words->push_back(value.substr(at, end - at));
    at = end;
  }
  *rest = Trim(value.substr(at));
}

class LandscapeReader {
 public:
  Landscape Read(const std::string& text);

 private:
  enum class Section { kNone, kSystem, kLibrary };

  bool ReadLine(const std::string& line);
  bool ReadHeader(const std::string& line);
  bool ReadSystemKey(const std::string& key, const std::string& value);
  bool ReadNumberKey(const std::string& key, const std::string& value);
  bool ReadLogon(const std::string& key, const std::string& value);
  bool ReadTableKey(const std::string& key, const std::string& value);
  bool ReadSystemFault(const std::string& value);
  bool ReadLibraryKey(const std::string& key, const std::string& value);
  bool ReadLibraryFault(const std::string& value);
  SimTable& TableNamed(const std::string& name);
  SimSystem& System() { return landscape_.systems.back(); }

  Landscape landscape_;
  Section section_ = Section::kNone;
  bool awaiting_password_ = false;
};

Landscape LandscapeReader::Read(const std::string& text) {
  size_t start = 0;
  int number = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++number;
    if (!ReadLine(line)) landscape_.unreadable.push_back({number, line});
    start = end + 1;
  }
  return landscape_;
}

bool LandscapeReader::ReadLine(const std::string& line) {
  std::string content = Trim(line);
  if (content.empty() || content[0] == ';' || content[0] == '#') return true;
  if (content[0] == '[') return ReadHeader(content);
  size_t equals = content.find('=');
  if (equals == std::string::npos) return false;
  std::string key = ToUpper(Trim(content.substr(0, equals)));
  std::string value = Trim(content.substr(equals + 1));
  if (section_ == Section::kSystem) return ReadSystemKey(key, value);
  if (section_ == Section::kLibrary) return ReadLibraryKey(key, value);
  return false;
}

bool LandscapeReader::ReadHeader(const std::string& line) {
  // Keys after a header that cannot be read belong to no section.
  section_ = Section::kNone;
  if (line.back() != ']') return false;
  std::string name = Trim(line.substr(1, line.size() - 2));
  if (name.empty()) return false;
  if (EqualsIgnoringCase(name, "library")) {
    section_ = Section::kLibrary;
    return true;
  }
  section_ = Section::kSystem;
  awaiting_password_ = false;
  landscape_.systems.push_back(SimSystem());
  System().id = name;
  return true;
}

bool LandscapeReader::ReadSystemKey(const std::string& key, const std::string& value) {
  SimSystem& system = System();
  if (key == "ASHOST") system.ashost = value;
  else if (key == "GWHOST") system.gwhost = value;
  else if (key == "GWSERV") system.gwserv = value;
  else if (key == "SYSID") system.sysid = value;
  else if (key == "DBSYS") system.dbsys = value;
  else if (key == "OPSYS") system.opsys = value;
  else if (key == "RELEASE") system.release = value;
  else if (key == "CLIENT") {
    if (value.empty()) return false;
    system.clients.push_back(value);
  } else if (key == "USER" || key == "PASSWD") {
    return ReadLogon(key, value);
  } else if (key == "ROW" || key == "RAW" || key == "TABLE") {
    return ReadTableKey(key, value);
  } else if (key == "FAIL") {
    return ReadSystemFault(value);
  } else {
    return ReadNumberKey(key, value);
  }
  return true;
}

bool LandscapeReader::ReadNumberKey(const std::string& key, const std::string& value) {
  SimSystem& system = System();
  long number = 0;
  if (key == "SYSNR") {
    if (!ParseNumber(value, 99, &number)) return false;
    system.sysnr = static_cast<int>(number);
    system.has_sysnr = true;
  } else if (key == "CPUS") {
    if (!ParseNumber(value, 1024, &number)) return false;
    system.cpus = static_cast<int>(number);
  } else if (key == "DELAY") {
    if (!ParseNumber(value, 600000, &number)) return false;
    system.delay_ms = static_cast<int>(number);
  } else if (key == "OPENDELAY") {
    if (!ParseNumber(value, 600000, &number)) return false;
    system.open_delay_ms = static_cast<int>(number);
  } else {
    return false;
  }
  return true;
}

// A `passwd` belongs to the `user` just before it; a user without one has
// the empty password.
bool LandscapeReader::ReadLogon(const std::string& key, const std::string& value) {
  SimSystem& system = System();
  if (key == "USER") {
    if (value.empty()) return false;
    system.logons.push_back({value, ""});
    awaiting_password_ = true;
    return true;
  }
  if (!awaiting_password_) return false;
  system.logons.back().password = value;
  awaiting_password_ = false;
  return true;
}

// `table = NAME`, `raw = NAME|text` and `row = NAME|fields`.
bool LandscapeReader::ReadTableKey(const std::string& key, const std::string& value) {
  if (key == "TABLE") {
    if (value.empty() || value.find_first_of(" \t|") != std::string::npos) return false;
    TableNamed(value);
    return true;
  }
  size_t bar = value.find('|');
  if (bar == std::string::npos) return false;
  std::string name = Trim(value.substr(0, bar));
  if (name.empty()) return false;
  std::string rest = value.substr(bar + 1);
  if (key == "RAW") {
    TableNamed(name).rows.push_back(rest);
    return true;
  }
  std::string row;
  if (!BuildSensorRow(rest, &row)) return false;
  TableNamed(name).rows.push_back(row);
  return true;
}

bool LandscapeReader::ReadSystemFault(const std::string& value) {
  std::vector<std::string> words;
  std::string rest;
  SplitWords(value, 2, &words, &rest);
  if (words.size() < 2) return false;
  Fault fault;
  fault.point = words[0];
  std::string how = ToUpper(words[1]);
  bool open = EqualsIgnoringCase(fault.point, "open");
  bool close = EqualsIgnoringCase(fault.point, "close");
  if (how == "HANG") {
    fault.kind = FaultKind::kHang;
  } else if (close) {
    return false;  // a close only hangs
  } else if (how == "HANDLER") {
    fault.kind = FaultKind::kHandler;
  } else if (open && how == "REFUSED") {
    fault.kind = FaultKind::kRefused;
  } else if (open && how == "LOGON") {
    fault.kind = FaultKind::kLogon;
  } else if (!open && how == "SYSEXCEPTION") {
    fault.kind = FaultKind::kSysException;
  } else if (!open && how == "FAILURE") {
    fault.kind = FaultKind::kFailure;
  } else if (!open && (how == "EXCEPTION" || how == "RC")) {
    std::vector<std::string> argument;
    SplitWords(rest, 1, &argument, &rest);
    if (argument.empty()) return false;
    if (how == "EXCEPTION") {
      fault.kind = FaultKind::kException;
      fault.exception = argument[0];
    } else {
      long code = 0;
      if (!ParseNumber(argument[0], 255, &code)) return false;
      fault.kind = FaultKind::kReturnCode;
      fault.code = static_cast<int>(code);
    }
  } else {
    return false;
  }
  fault.text = rest;
  System().faults.push_back(fault);
  return true;
}

bool LandscapeReader::ReadLibraryKey(const std::string& key, const std::string& value) {
  LibrarySettings& library = landscape_.library;
  if (key == "JOURNAL") {
    library.journal = value;
    return true;
  }
  if (key == "TRACE_BLOCK") {
    library.trace_block = value;
    return true;
  }
  if (key == "TRACE") {
    if (EqualsIgnoringCase(value, "off")) library.trace = false;
    else if (EqualsIgnoringCase(value, "on")) library.trace = true;
    else return false;
    return true;
  }
  if (key == "FAIL") return ReadLibraryFault(value);
  return false;
}

bool LandscapeReader::ReadLibraryFault(const std::string& value) {
  std::vector<std::string> words;
  std::string rest;
  SplitWords(value, 2, &words, &rest);
  if (words.size() != 2 || !rest.empty()) return false;
  for (const char* operation : {"ItCreate", "ItGetLine", "ItDelete", "RfcInstallStructure"}) {
    if (EqualsIgnoringCase(words[0], operation)) {
      landscape_.library.faults.push_back({operation, words[1]});
      return true;
    }
  }
  return false;
}

SimTable& LandscapeReader::TableNamed(const std::string& name) {
  for (SimTable& table : System().tables) {
    if (EqualsIgnoringCase(table.name, name)) return table;
  }
  System().tables.push_back({name, {}});
  return System().tables.back();
}

}  // namespace

Landscape ParseLandscape(const std::string& text) { return LandscapeReader().Read(text); }

}  // namespace rfcsim
