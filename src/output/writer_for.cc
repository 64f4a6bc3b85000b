#include "output/form_writers.h"
#include "output/result_writer.h"

namespace fernwatch {

std::unique_ptr<ResultWriter> WriterFor(const FrontEnd& front_end, bool native) {
  switch (front_end.Form) {
    case DocumentForm::kPrtgXml:
      return native ? NewNativeWriter() : NewPrtgXmlWriter();
    case DocumentForm::kQuorvane:
      return NewQuorvaneWriter();
    case DocumentForm::kMaltrex:
      return NewMaltrexWriter();
  }
  return NewPrtgXmlWriter();  // not reached: every form has its writer
}

}  // namespace fernwatch
