// The writer of standard output. Every byte the probe prints passes through
// the one writer of its run: the result document in the form its
// front-end reads, the progress lines, the line of a destination file and
// the RFC error report. The writer holds the document, prints it piece by
// piece, and knows how much of it the caller has already read, so that it
// can close the document well-formed from any point of the run. One lock
// guards it, so that the watch of the time budget may close the document
// from its own thread; no library is ever called while it is held.
#ifndef FERNWATCH_OUTPUT_RESULT_WRITER_H_
#define FERNWATCH_OUTPUT_RESULT_WRITER_H_

#include <cstdint>
#include <memory>

#include "front_ends.h"
#include "platform/run_lock.h"
#include "run_state.h"

namespace fernwatch {

// One channel of the result. Name, value and unit are written as passed
// (in the XML form as XML content), each cut to 123 characters.
struct Channel {
  const char* Name;
  const char* Value;  // the text read, never formatted here
  const char* Unit;   // may be empty
  // The system's label in a listing run, null otherwise: the Quorvane
  // front-end keys a listing's channels by their system.
  const char* System = nullptr;
  // The row the channel comes from, for a form that names and judges its
  // channels itself: the row's text (in the overview "<sensor>, <text>"),
  // its state character (empty when blank) and its marker.
  const char* Text = "";
  const char* State = "";
  const char* Marker = "";
};

// What the rows of the requested sensor came to, after the last row.
struct SensorRows {
  bool HeaderMet;  // its title row
  int DataRows;    // its rows of values
};

// What became of one system of a listing run.
enum class SystemResult {
  kProcessed,   // its table holds the item's sensor
  kNotFound,    // its table does not
  kFailed,      // its profile, logon or a call failed, or its profile is missing
  kNotReached,  // never taken from the list: the time budget was spent
};

// What the library knows of its last error, for the RFC error report.
struct RfcErrorReport {
  const char* Operation;
  const char* Key;
  const char* Status;
  const char* Message;
  const char* InternalStatus;
};

class ResultWriter {
 public:
  virtual ~ResultWriter() = default;

  // The document. Every writer appends at the end of the content, cut at
  // its capacity, except BeginDocument and SetErrorDocument, which replace
  // it.

  // Replaces the content by the opening of the form.
  void BeginDocument();
  // Appends the closing of the form.
  void EndDocument();
  // Appends the opening of the status text; its pieces follow with
  // AppendStatusText, then EndText.
  void BeginText();
  // A piece of the status text: in the XML form as XML content, in the
  // text forms as it is.
  void AppendStatusText(const char* text);
  // Appends the closing of the status text; the Maltrex report of one
  // selected channel empties the whole content instead.
  void EndText();
  // Writes one channel in the form, and counts it whatever the form.
  void AddChannel(const Channel& channel);
  // Notes what the requested sensor's rows came to, before its status
  // text; a form that judges the sensor as a whole takes it into account.
  void NoteSensorRows(const SensorRows& rows);
  // Notes what became of the system `name` of a listing run; a form that
  // counts the systems itself takes it into account.
  void NoteSystem(const char* name, SystemResult result);
  // Replaces the content by the XML error document carrying `message` as
  // XML content, in every form; the message is cut, never inside an
  // entity, so that the document keeps its closing.
  void SetErrorDocument(const char* message);
  // Appends `text` as content, as a piece of the status text is written:
  // the error text of a failed call that a listing run leaves ahead of its
  // summary.
  void Append(const char* text);
  void Empty();
  // What the content holds; for tests, on the run's only thread.
  const DocumentText& Content() const { return content_; }
  // Channels written in this run, over all its systems.
  int32_t ChannelCount();

  // Printing. The content goes to standard output unchanged and is emptied.
  void Print();
  // The same, followed by a line feed.
  void PrintLine();

  // Lines beside the document, straight to standard output.
  // A progress line, as it is.
  void PrintConsole(const char* text);
  // "* SapRfc.Ini.......: <destination><": the logon goes through the
  // destination's own library configuration. A note for a person: the
  // text forms print it with their lines, the XML form on standard error,
  // where it cannot break the document.
  void PrintDestinationFile(const char* destination);
  // The RFC error report: "RFC error", the fields, the end lines; in the
  // PRTG-native form its error document.
  void PrintRfcErrorReport(const RfcErrorReport& report);
  // One aligned line: `indent` blanks, `label` left-aligned in `width`
  // columns (a longer one is not cut), " : ", `value`, a line feed.
  void PrintField(const char* label, int indent, int width, const char* value);

  // Whether any of the document has been printed: its opening, a channel.
  bool PrintedPartOfDocument();
  // Whether the document has been printed up to its closing.
  bool PrintedWholeDocument();

  // Hands all that was printed to the caller. False when any of it could
  // not be written: the caller did not get the document.
  bool Flush();

  // Ends the document wherever the run stands, well-formed, with `message`
  // for the caller: as the error document when none of the document has
  // been printed, otherwise as the status text and the closing after what
  // was; what the content held unprinted is dropped. Once the closing has
  // been handed over, the document is printed as it stands instead, and
  // nothing once the whole document has been: a document is closed once.
  void CloseEarly(const char* message);

  // Holds the writer for as long as it lives, so that a sequence of calls
  // is not broken into by the watch of the time budget. Never held across
  // a library call.
  class Hold {
   public:
    explicit Hold(ResultWriter& writer) : holder_(writer.lock_) {}

   private:
    RunLockHolder holder_;
  };

 protected:
  // What each form writes.
  virtual void AppendOpening() = 0;
  virtual void AppendClosing() = 0;
  virtual void AppendTextOpening() = 0;
  virtual void AppendTextPiece(const char* text) = 0;
  virtual void AppendTextClosing() = 0;
  // `number` counts this channel among all of the run's, from 1.
  virtual void AppendChannel(const Channel& channel, int32_t number) = 0;
  // A line beside the document, not part of any form: with the other
  // lines on standard output, unless the form says otherwise.
  virtual void PrintNote(const char* line);
  // Writes `text` to standard error.
  void PrintToStandardError(const char* text);
  // Hands what the form holds to the caller and empties it: by default the
  // content as it stands. True when the document's bytes went out; a form
  // that holds its document to the end prints nothing before.
  virtual bool PrintPending();
  // Replaces the content by the error document carrying `message`.
  virtual void ComposeErrorDocument(const char* message);
  virtual void TakeSensorRows(const SensorRows& rows) {}
  virtual void TakeSystem(const char* name, SystemResult result) {}
  // Prints the RFC error report: by default its lines.
  virtual void WriteReport(const RfcErrorReport& report);

  DocumentText& content() { return content_; }
  void WriteOut(const char* text, size_t length);

 private:
  // Print, and whether the document's bytes went out.
  bool PrintDocumentPart();

  RunLock lock_;
  DocumentText content_;
  int32_t channel_count_ = 0;
  bool begun_ = false;  // the opening is in the content or printed
  bool ended_ = false;  // the closing is in the content or printed
  bool printed_part_ = false;
  bool printed_whole_ = false;
};

// The writer of the form that `front_end` reads; with `native`, the
// PRTG-native form where that is XML (the text forms have none).
std::unique_ptr<ResultWriter> WriterFor(const FrontEnd& front_end, bool native = false);

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_RESULT_WRITER_H_
