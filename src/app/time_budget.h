// The run's time budget (",TIMEOUT=" whole seconds, counted from the start
// of the process). A monitor kills a probe at its own timeout and then
// shows nothing of it; with a budget a little below that timeout the run
// ends by itself: the system that did not answer costs its own part of the
// document, not the whole of it. The watch runs on a thread of its own, so
// it ends the run whatever the main thread waits for: a logon, a call, the
// close.
#ifndef FERNWATCH_APP_TIME_BUDGET_H_
#define FERNWATCH_APP_TIME_BUDGET_H_

#include <memory>

#include "config/config_fault.h"
#include "output/result_writer.h"
#include "platform/env.h"
#include "run_state.h"

namespace fernwatch {

// The budget's bounds in seconds.
constexpr int kShortestBudget = 1;
constexpr int kLongestBudget = 3600;

// Reads ",TIMEOUT=" from `text` into `seconds`, which stays as it was when
// the text has no such keyword. The message of Error 1051, empty for none,
// when the value is not whole seconds from 1 to 3600.
FaultMessage ReadTimeout(const ArgumentLine& text, int* seconds);

// "Error 1052: Destination <destination> did not answer within <n> seconds...".
FaultMessage NoAnswerMessage(const char* destination, int seconds);

// What a flow does when its budget is spent. It is called on the watch's
// thread while the writer is held, so the main thread cannot write
// meanwhile; what it reads of the flow's state the flow changes only
// while it holds the writer too.
class DeadlineEnd {
 public:
  virtual ~DeadlineEnd() = default;
  // Writes the end of the document that the flow's form needs and returns
  // the exit status.
  virtual int WriteEnd(ResultWriter& writer) = 0;
  // Whether the flow has ended by itself: the watch then lets it go.
  // Set while holding the writer.
  bool Finished = false;
};

// With a budget (the run's TimeoutSeconds), watches it: once it is spent,
// `end` writes through `writer`, and the process ends at once with the
// status it returns (2 rather than 0 when the output could not be
// written), without waiting for a hung library call. Null without a
// budget. The watch stops when the value returned is destroyed.
std::unique_ptr<Watchdog> WatchTimeBudget(ResultWriter& writer, DeadlineEnd& end);

}  // namespace fernwatch

#endif  // FERNWATCH_APP_TIME_BUDGET_H_
