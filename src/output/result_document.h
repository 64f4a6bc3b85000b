// The result document: the one text through which everything reaches the
// caller, in the form of the run's output mode (PRTG XML, or the text
// reports of the Quorvane and Maltrex front-ends).
#ifndef FERNWATCH_OUTPUT_RESULT_DOCUMENT_H_
#define FERNWATCH_OUTPUT_RESULT_DOCUMENT_H_

namespace fernwatch {

// Replaces the content by the opening of the current mode.
void BeginDocument();
// Appends the closing of the current mode.
void EndDocument();
// Appends the opening of the status text; the caller appends the text
// with AppendStatusText.
void BeginText();
// Appends a piece of the status text: in the PRTG XML forms with "&", "<"
// and ">" written as entities, in the text forms as it is.
void AppendStatusText(const char* text);
// Appends the closing of the status text (Maltrex with a selected channel
// empties all).
void EndText();
// Writes one channel; counts it whatever the mode. In the XML form the
// name, value and unit are written as XML content (entities for "&", "<"
// and ">"), after each is cut to 123 characters.
void AddChannel(const char* name, const char* value, const char* unit);
// Replaces the content by the XML error document carrying `message` as
// XML content, in every mode; the message is cut, never inside an entity,
// so that the document keeps its closing.
void SetErrorDocument(const char* message);
// One aligned console line of the RFC error report, straight to output.
void PrintField(const char* label, int indent, int width, const char* value);

// Appends text to the document, cut at its capacity.
void AppendToDocument(const char* text);
// Writes the document to standard output unchanged and empties it.
void PrintDocument();
// Writes the document followed by a line feed and empties it.
void PrintDocumentLine();
void EmptyDocument();

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_RESULT_DOCUMENT_H_
