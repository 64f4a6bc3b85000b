#include "config/listing_file.h"

namespace fernwatch {

void ReadSystemListing() {}

}  // namespace fernwatch
