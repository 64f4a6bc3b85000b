// What the stand-in library asks of the operating system beyond standard C:
// waiting. The library is a guest in the program that loads it and keeps
// its own seam; it does not use the program's Env.
#ifndef FERNWATCH_RFCSIM_HOST_OS_H_
#define FERNWATCH_RFCSIM_HOST_OS_H_

namespace rfcsim {

// Waits `milliseconds`; returns at once for 0 or less.
void WaitMilliseconds(int milliseconds);

// Never returns: a system that does not answer at all.
[[noreturn]] void WaitForever();

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_HOST_OS_H_
