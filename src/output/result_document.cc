#include "output/result_document.h"

#include <cstring>

#include "argument_keywords.h"
#include "output/output_mode.h"
#include "output/xml_content.h"
#include "run_state.h"

namespace fernwatch {

void AppendToDocument(const char* text) { g_run.ResultDocument.append(text); }

void EmptyDocument() { g_run.ResultDocument.clear(); }

void PrintDocument() {
  CurrentEnv().WriteOut(g_run.ResultDocument.c_str(), g_run.ResultDocument.size());
  EmptyDocument();
}

void PrintDocumentLine() {
  CurrentEnv().WriteOut(g_run.ResultDocument.c_str());
  CurrentEnv().WriteOut("\n");
  EmptyDocument();
}

void BeginDocument() {
  switch (CurrentForm()) {
    case DocumentForm::kPrtgXml:
      EmptyDocument();
      AppendToDocument("\n<Prtg>\n");
      break;
    case DocumentForm::kQuorvane:
    case DocumentForm::kMaltrex:
      EmptyDocument();
      break;
    case DocumentForm::kUnknown:
      break;
  }
}

void EndDocument() {
  switch (CurrentForm()) {
    case DocumentForm::kPrtgXml:
      AppendToDocument("\n</Prtg>\n");
      break;
    case DocumentForm::kQuorvane:
    case DocumentForm::kMaltrex:
      AppendToDocument("\n");
      break;
    case DocumentForm::kUnknown:
      break;
  }
}

void BeginText() {
  switch (CurrentForm()) {
    case DocumentForm::kPrtgXml:
      AppendToDocument("\n<Text>");
      break;
    case DocumentForm::kQuorvane:
    case DocumentForm::kMaltrex:
      AppendToDocument("\n# ");
      break;
    case DocumentForm::kUnknown:
      break;
  }
}

void AppendStatusText(const char* text) {
  if (CurrentForm() == DocumentForm::kPrtgXml) AppendXmlContent(&g_run.ResultDocument, text);
  else AppendToDocument(text);
}

void EndText() {
  DocumentForm form = CurrentForm();
  if (form == DocumentForm::kPrtgXml) AppendToDocument("</Text>\n");
  // Maltrex with a channel selection reports the bare value alone.
  if (form == DocumentForm::kMaltrex && SelectsChannel()) EmptyDocument();
}

void SetErrorDocument(const char* message) {
  static const char kOpening[] = "<Prtg>\n<Error>1</Error>\n<Text>";
  static const char kClosing[] = "</Text>\n</Prtg>\n";
  // The message may be the document's own text, and however long it is the
  // document keeps its closing, so the message is cut to what fits, never
  // inside an entity.
  const size_t room = DocumentText::kCapacity - (sizeof kOpening - 1) - (sizeof kClosing - 1);
  DocumentText document(kOpening);
  AppendXmlContent(&document, message, DocumentText::npos, room);
  document.append(kClosing);
  g_run.ResultDocument = document;
}

void PrintField(const char* label, int indent, int width, const char* value) {
  FixedText<2047> line;
  line.format("%*.0s", indent, label);
  CurrentEnv().WriteOut(line.c_str());
  // The value is written as it is: a report line is never cut short of
  // its line feed.
  line.format("%-*s : ", width, label);
  CurrentEnv().WriteOut(line.c_str());
  CurrentEnv().WriteOut(value);
  CurrentEnv().WriteOut("\n");
}

}  // namespace fernwatch
