#include "rfcsim/landscape.h"

#include <utility>

namespace rfcsim {

namespace {

// The reader works on views into the file's text: a line, its key and its
// value are never copied, and a table keeps its rows as views of it too.
using Text = std::string_view;


// The words of a value: up to `count` blank-separated words into `words`,
// how many were found as the result, and in `rest` what follows them with
// the blanks around it removed.
size_t SplitWords(Text value, size_t count, Text* words, Text* rest) {
  size_t found = 0;
  size_t at = 0;
  while (found < count) {
    while (at < value.size() && IsBlank(value[at])) ++at;
    if (at == value.size()) break;
    size_t end = at;
    while (end < value.size() && !IsBlank(value[end])) ++end;
    words[found++] = value.substr(at, end - at);
    at = end;
  }
  *rest = Trim(value.substr(at));
  return found;
}

// The table name of a `row` or `raw` value, before its first bar, and what
// follows the bar; false without a bar or a name. Like every value, `value`
// has no blanks in front.
inline bool SplitTableName(Text value, Text* name, Text* rest) {
  // Names are short: looked for byte by byte, without a call.
  size_t bar = 0;
  while (bar < value.size() && value[bar] != '|') ++bar;
  if (bar == value.size()) return false;
  size_t end = bar;
  while (end > 0 && IsBlank(value[end - 1])) --end;
  *name = value.substr(0, end);
  *rest = value.substr(bar + 1);
  return end > 0;
}

// Whether `content`, a line without the blanks around it, has the key `row`,
// with its value into `value`. Rows make up most of a large landscape, so
// their lines are known by their first bytes before an `=` is looked for:
// the key of a line is what comes before its first `=`, and here that can
// only be `row` and blanks.
bool IsRowLine(Text content, Text* value) {
  if (content.size() < 4 || UpperAscii(content[0]) != 'R' || UpperAscii(content[1]) != 'O' ||
      UpperAscii(content[2]) != 'W') {
    return false;
  }
  size_t at = 3;
  while (at < content.size() && IsBlank(content[at])) ++at;
  if (at == content.size() || content[at] != '=') return false;
  ++at;
  while (at < content.size() && IsBlank(content[at])) ++at;
  *value = content.substr(at);  // its end has no blanks, as the line's has none
  return true;
}

class LandscapeReader {
 public:
  Landscape Read(Text text);

 private:
  enum class Section { kNone, kSystem, kLibrary };

  bool ReadLine(Text line);
  bool ReadHeader(Text line);
  bool ReadSystemKey(Text key, Text value);
  bool ReadNumberKey(Text key, Text value);
  bool ReadLibraryKey(Text key, Text value);
  bool ReadLibraryFault(Text value);
  bool ReadLogon(Text key, Text value);
  bool ReadTableDeclaration(Text value);
  bool ReadRawRow(Text value);
  bool ReadSensorRow(Text value);
  bool ReadSystemFault(Text value);
  SimTable& TableNamed(Text name);
  SimTable& LookUpTable(Text name);
  SimSystem& System() { return landscape_.systems.back(); }

  Landscape landscape_;
  Section section_ = Section::kNone;
  bool awaiting_password_ = false;
  size_t last_table_ = 0;  // of the current system: rows tend to come in runs
};

Landscape LandscapeReader::Read(Text text) {
  size_t start = 0;
  int number = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == Text::npos) end = text.size();
    Text line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number;
    if (!ReadLine(line)) landscape_.unreadable.push_back({number, std::string(line)});
    start = end + 1;
  }
  return std::move(landscape_);
}

bool LandscapeReader::ReadLine(Text line) {
  Text content = Trim(line);
  if (content.empty() || content[0] == ';' || content[0] == '#') return true;
  if (content[0] == '[') return ReadHeader(content);
  Text row;
  if (section_ == Section::kSystem && IsRowLine(content, &row)) return ReadSensorRow(row);
  size_t equals = content.find('=');
  if (equals == Text::npos) return false;
  Text key = Trim(content.substr(0, equals));
  Text value = Trim(content.substr(equals + 1));
  if (section_ == Section::kSystem) return ReadSystemKey(key, value);
  if (section_ == Section::kLibrary) return ReadLibraryKey(key, value);
  return false;
}

bool LandscapeReader::ReadHeader(Text line) {
  // Keys after a header that cannot be read belong to no section.
  section_ = Section::kNone;
  if (line.back() != ']') return false;
  Text name = Trim(line.substr(1, line.size() - 2));
  if (name.empty()) return false;
  if (EqualsIgnoringCase(name, "library")) {
    section_ = Section::kLibrary;
    return true;
  }
  section_ = Section::kSystem;
  awaiting_password_ = false;
  landscape_.systems.emplace_back();
  System().id = name;
  return true;
}

bool LandscapeReader::ReadSystemKey(Text key, Text value) {
  // `row` lines never come here (see IsRowLine).
  if (EqualsIgnoringCase(key, "RAW")) return ReadRawRow(value);
  if (EqualsIgnoringCase(key, "TABLE")) return ReadTableDeclaration(value);
  SimSystem& system = System();
  std::string* text = nullptr;
  if (EqualsIgnoringCase(key, "ASHOST")) text = &system.ashost;
  else if (EqualsIgnoringCase(key, "GWHOST")) text = &system.gwhost;
  else if (EqualsIgnoringCase(key, "GWSERV")) text = &system.gwserv;
  else if (EqualsIgnoringCase(key, "SYSID")) text = &system.sysid;
  else if (EqualsIgnoringCase(key, "DBSYS")) text = &system.dbsys;
  else if (EqualsIgnoringCase(key, "OPSYS")) text = &system.opsys;
  else if (EqualsIgnoringCase(key, "RELEASE")) text = &system.release;
  if (text != nullptr) {
    *text = value;
    return true;
  }
  if (EqualsIgnoringCase(key, "CLIENT")) {
    if (value.empty()) return false;
    system.clients.emplace_back(value);
    return true;
  }
  if (EqualsIgnoringCase(key, "USER") || EqualsIgnoringCase(key, "PASSWD")) {
    return ReadLogon(key, value);
  }
  if (EqualsIgnoringCase(key, "FAIL")) return ReadSystemFault(value);
  return ReadNumberKey(key, value);
}

bool LandscapeReader::ReadNumberKey(Text key, Text value) {
  SimSystem& system = System();
  long number = 0;
  if (EqualsIgnoringCase(key, "SYSNR")) {
    if (!ParseNumber(value, 99, &number)) return false;
    system.sysnr = static_cast<int>(number);
    system.has_sysnr = true;
  } else if (EqualsIgnoringCase(key, "CPUS")) {
    if (!ParseNumber(value, 1024, &number)) return false;
    system.cpus = static_cast<int>(number);
  } else if (EqualsIgnoringCase(key, "DELAY")) {
    if (!ParseNumber(value, 600000, &number)) return false;
    system.delay_ms = static_cast<int>(number);
  } else {
    return false;
  }
  return true;
}

// A `passwd` belongs to the `user` just before it; a user without one has
// the empty password.
bool LandscapeReader::ReadLogon(Text key, Text value) {
  SimSystem& system = System();
  if (EqualsIgnoringCase(key, "USER")) {
    if (value.empty()) return false;
    system.logons.push_back({std::string(value), std::string()});
    awaiting_password_ = true;
    return true;
  }
  if (!awaiting_password_) return false;
  system.logons.back().password = value;
  awaiting_password_ = false;
  return true;
}

bool LandscapeReader::ReadTableDeclaration(Text value) {
  if (value.empty() || value.find_first_of(" \t|") != Text::npos) return false;
  LookUpTable(value);
  return true;
}

bool LandscapeReader::ReadRawRow(Text value) {
  Text name, rest;
  if (!SplitTableName(value, &name, &rest)) return false;
  TableNamed(name).rows.AddView(rest);
  return true;
}

bool LandscapeReader::ReadSensorRow(Text value) {
  Text name, rest;
  if (!SplitTableName(value, &name, &rest)) return false;
  if (!FitsSensorRow(rest)) return false;
  TableNamed(name).rows.AddSensorFields(rest);
  return true;
}

bool LandscapeReader::ReadSystemFault(Text value) {
  Text words[2];
  Text rest;
  if (SplitWords(value, 2, words, &rest) < 2) return false;
  Fault fault;
  fault.point = words[0];
  bool open = EqualsIgnoringCase(words[0], "open");
  Text how = words[1];
  if (EqualsIgnoringCase(how, "HANDLER")) {
    fault.kind = FaultKind::kHandler;
  } else if (open && EqualsIgnoringCase(how, "REFUSED")) {
    fault.kind = FaultKind::kRefused;
  } else if (open && EqualsIgnoringCase(how, "LOGON")) {
    fault.kind = FaultKind::kLogon;
  } else if (!open && EqualsIgnoringCase(how, "SYSEXCEPTION")) {
    fault.kind = FaultKind::kSysException;
  } else if (!open && EqualsIgnoringCase(how, "FAILURE")) {
    fault.kind = FaultKind::kFailure;
  } else if (!open && (EqualsIgnoringCase(how, "EXCEPTION") || EqualsIgnoringCase(how, "RC"))) {
    Text argument;
    if (SplitWords(rest, 1, &argument, &rest) < 1) return false;
    if (EqualsIgnoringCase(how, "EXCEPTION")) {
      fault.kind = FaultKind::kException;
      fault.exception = argument;
    } else {
      long code = 0;
      if (!ParseNumber(argument, 255, &code)) return false;
      fault.kind = FaultKind::kReturnCode;
      fault.code = static_cast<int>(code);
    }
  } else {
    return false;
  }
  fault.text = rest;
  System().faults.push_back(std::move(fault));
  return true;
}

bool LandscapeReader::ReadLibraryKey(Text key, Text value) {
  LibrarySettings& library = landscape_.library;
  if (EqualsIgnoringCase(key, "JOURNAL")) {
    library.journal = value;
    return true;
  }
  if (EqualsIgnoringCase(key, "TRACE_BLOCK")) {
    library.trace_block = value;
    return true;
  }
  if (EqualsIgnoringCase(key, "TRACE")) {
    if (EqualsIgnoringCase(value, "off")) library.trace = false;
    else if (EqualsIgnoringCase(value, "on")) library.trace = true;
    else return false;
    return true;
  }
  if (EqualsIgnoringCase(key, "FAIL")) return ReadLibraryFault(value);
  return false;
}

bool LandscapeReader::ReadLibraryFault(Text value) {
  Text words[2];
  Text rest;
  if (SplitWords(value, 2, words, &rest) != 2 || !rest.empty()) return false;
  for (const char* operation : {"ItCreate", "ItGetLine", "ItDelete", "RfcInstallStructure"}) {
    if (EqualsIgnoringCase(words[0], operation)) {
      landscape_.library.faults.push_back({operation, std::string(words[1])});
      return true;
    }
  }
  return false;
}

// Rows tend to come in runs: the table of the last one is asked first.
inline SimTable& LandscapeReader::TableNamed(Text name) {
  std::vector<SimTable>& tables = System().tables;
  if (last_table_ < tables.size() && tables[last_table_].name == name) {
    return tables[last_table_];
  }
  return LookUpTable(name);
}

SimTable& LandscapeReader::LookUpTable(Text name) {
  std::vector<SimTable>& tables = System().tables;
  for (last_table_ = 0; last_table_ < tables.size(); ++last_table_) {
    if (EqualsIgnoringCase(tables[last_table_].name, name)) return tables[last_table_];
  }
  tables.emplace_back();
  tables.back().name = name;
  return tables.back();
}

}  // namespace

Landscape ParseLandscape(std::string_view text) { return LandscapeReader().Read(text); }

Landscape ParseLandscape(FileBytes text) {
  Landscape landscape = ParseLandscape(text.view());
  landscape.text = std::move(text);
  return landscape;
}

}  // namespace rfcsim
