// The front-end of a name, for tests and fuzz targets that choose a form.
#ifndef FERNWATCH_TESTS_SUPPORT_FRONT_END_NAMED_H_
#define FERNWATCH_TESTS_SUPPORT_FRONT_END_NAMED_H_

#include <cstdlib>
#include <string>

#include "front_ends.h"

namespace fernwatch {

// PRTG's own sensor ("EXEXML") or the designated front-end called `name`;
// a name of none is a broken test.
inline const FrontEnd& FrontEndNamed(const std::string& name) {
  if (name == PrtgSensor().Name) return PrtgSensor();
  for (const FrontEnd& front_end : DesignatedFrontEnds())
    if (name == front_end.Name) return front_end;
  std::abort();
}

}  // namespace fernwatch

#endif  // FERNWATCH_TESTS_SUPPORT_FRONT_END_NAMED_H_
