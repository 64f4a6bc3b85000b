// The writers of the forms a result can take, one each; WriterFor chooses.
#ifndef FERNWATCH_OUTPUT_FORM_WRITERS_H_
#define FERNWATCH_OUTPUT_FORM_WRITERS_H_

#include <memory>

#include "output/result_writer.h"

namespace fernwatch {

std::unique_ptr<ResultWriter> NewPrtgXmlWriter();
std::unique_ptr<ResultWriter> NewQuorvaneWriter();
std::unique_ptr<ResultWriter> NewMaltrexWriter();
std::unique_ptr<ResultWriter> NewNativeWriter();

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_FORM_WRITERS_H_
