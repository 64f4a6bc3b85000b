// The folders an install check names: the program's own, the working
// directory, and whether a path text names a folder, or the same folder as
// another. The loader of the RFC library searches the program's folder
// first; the profile tool's doctor tells the operator where things are.
// The posix and the win32 source are chosen by the build.
#ifndef FERNWATCH_PLATFORM_FOLDERS_H_
#define FERNWATCH_PLATFORM_FOLDERS_H_

#include "fixed_text.h"

namespace fernwatch {

using FolderPath = FixedText<1023>;

// The folder that holds this program, as the system names it, without a
// separator at its end; empty when the system cannot tell.
FolderPath ProgramFolderPath();

// The working directory, as the system names it; empty when the system
// cannot tell.
FolderPath WorkingFolderPath();

// Whether the path text `path` names a folder that exists. An empty text
// names the working directory.
bool IsFolder(const char* path);

// Whether the path texts `first` and `second` name one and the same
// existing folder, however each is spelt (case, a drive-relative path, a
// separator at the end). False when either names no folder.
bool IsSameFolder(const char* first, const char* second);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_FOLDERS_H_
