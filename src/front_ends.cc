#include "front_ends.h"

namespace fernwatch {

class FrontEndTable {
 public:
  static constexpr FrontEnd kPrtg{"EXEXML", nullptr, "ZPRTG", DocumentForm::kPrtgXml};
  static constexpr FrontEnd kDesignated[] = {
      {"Brixtel", "Brixtel.Frontend", "ZBRIX", DocumentForm::kPrtgXml},
      {"Quorvane", "Quorvane.Frontend", "ZQUORV", DocumentForm::kQuorvane},
      {"Maltrex", "Maltrex.Frontend", "ZMALT", DocumentForm::kMaltrex},
      {"Tessiva", "Tessiva.Frontend", "ZPRTG", DocumentForm::kPrtgXml},
  };
};

const FrontEnd& PrtgSensor() { return FrontEndTable::kPrtg; }

FrontEndRange DesignatedFrontEnds() {
  return FrontEndRange{FrontEndTable::kDesignated,
                       sizeof FrontEndTable::kDesignated / sizeof FrontEndTable::kDesignated[0]};
}

}  // namespace fernwatch
