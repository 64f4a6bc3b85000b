// Paths of configuration files as the profile search builds them. A run-wide
// path text (ProfilePath) is cut at its capacity and serves for messages; a
// file is always opened by its whole path, held here with room for the
// longest directory and name the search can produce, so that a cut path
// never opens some other file.
#ifndef FERNWATCH_CONFIG_CONFIG_PATH_H_
#define FERNWATCH_CONFIG_CONFIG_PATH_H_

#include <memory>

#include "fixed_text.h"
#include "platform/env.h"

namespace fernwatch {

using ConfigPath = FixedText<255>;

// The bytes with which a UTF-8 file may begin to say so.
inline constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

// `directory` followed by `name` (and `more`, when given).
ConfigPath JoinPath(const char* directory, const char* name, const char* more = "");

// Opens a text file for reading; null when it cannot be opened. A file
// that begins with a UTF-8 byte-order mark (as Notepad may save it) reads
// as without it.
std::unique_ptr<InputFile> OpenConfigFile(const char* path);

// A file exists for the configuration layer when it can be opened for
// reading; the test closes it again at once.
bool ConfigFileExists(const char* path);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_CONFIG_PATH_H_
