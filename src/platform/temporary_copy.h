// The temporary files in which the Envs write a copy before it replaces
// its target: where a copy goes while it is written, and how a copy left
// by a process that ended during its copy is known again. The Envs of both
// platforms name them so.
#ifndef FERNWATCH_PLATFORM_TEMPORARY_COPY_H_
#define FERNWATCH_PLATFORM_TEMPORARY_COPY_H_

#include "fixed_text.h"

namespace fernwatch {

using CopyName = FixedText<1100>;

// "<target>.tmp": the copy of the process that holds the working
// directory's lock, the only one that writes it.
CopyName LockedCopyName(const char* target);

// "<target>.<process>.<stamp>.tmp": the copy of a process without the
// lock, a name no other running process uses.
CopyName OwnCopyName(const char* target, unsigned long process, unsigned long stamp);

// Whether the file `name`, in the directory of a target whose file name is
// `target_name`, is a copy named as above: then `*process` is its writer,
// or 0 for the locked copy. A name like it but with another ending, or with
// numbers no process has, is none.
bool IsTemporaryCopy(const char* name, const char* target_name, unsigned long* process);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_TEMPORARY_COPY_H_
