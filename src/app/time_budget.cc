#include "app/time_budget.h"

#include "app/run_faults.h"
#include "argument_keywords.h"

namespace fernwatch {
namespace {

// A number of more digits than this is out of range, whatever they are.
constexpr size_t kMostDigits = 4;

// The whole seconds of `value`, or 0 when it is none from 1 to 3600.
int SecondsOf(const ArgumentLine& value) {
  size_t first = 0;
  while (first < value.size() && value[first] == '0') ++first;
  if (value.empty() || value.size() - first > kMostDigits) return 0;
  int seconds = 0;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] < '0' || value[i] > '9') return 0;
    seconds = seconds * 10 + (value[i] - '0');
  }
  return seconds >= kShortestBudget && seconds <= kLongestBudget ? seconds : 0;
}

// Watches the budget for one flow; the watch of the platform stops first
// when this goes, so the flow's writer and end outlive every expiry.
class BudgetWatch : public Watchdog {
 public:
  BudgetWatch(ResultWriter& writer, DeadlineEnd& end) : writer_(writer), end_(end) {}

  bool Start(int64_t milliseconds) {
    watch_ = CurrentEnv().StartWatchdog(milliseconds, &BudgetWatch::Expire, this);
    return watch_ != nullptr;
  }

 private:
  static void Expire(void* self) { static_cast<BudgetWatch*>(self)->EndTheRun(); }

  // Holds the writer to the end of the process, so that the main thread
  // writes nothing after the end written here.
  void EndTheRun() {
    ResultWriter::Hold hold(writer_);
    if (end_.Finished) return;
    int status = end_.WriteEnd(writer_);
    if (!writer_.Flush() && status == 0) status = kErrorDocumentStatus;
    CurrentEnv().EndAtOnce(status);
  }

  ResultWriter& writer_;
  DeadlineEnd& end_;
  std::unique_ptr<Watchdog> watch_;
};

}  // namespace

FaultMessage ReadTimeout(const ArgumentLine& text, int* seconds) {
  ArgumentLine value;
  if (!TimeoutValue(text, &value)) return FaultMessage();
  int read = SecondsOf(value);
  FaultMessage message;
  if (read == 0) {
    static_assert(kShortestBudget == 1 && kLongestBudget == 3600, "the message names the range");
    message.format("%s%s%s", "Error 1051: ,TIMEOUT=", value.c_str(),
                   " is not a whole number of seconds from 1 to 3600...");
    return message;
  }
  *seconds = read;
  return message;
}

FaultMessage NoAnswerMessage(const char* destination, int seconds) {
  FaultMessage message;
  message.format("%s%s%s%d%s", "Error 1052: Destination ", destination, " did not answer within ",
                 seconds, " seconds...");
  return message;
}

std::unique_ptr<Watchdog> WatchTimeBudget(ResultWriter& writer, DeadlineEnd& end) {
  if (g_run.TimeoutSeconds <= 0) return nullptr;
  std::unique_ptr<BudgetWatch> watch(new BudgetWatch(writer, end));
  const int64_t left =
      static_cast<int64_t>(g_run.TimeoutSeconds) * 1000 - CurrentEnv().ProcessMilliseconds();
  if (!watch->Start(left)) return nullptr;
  return watch;
}

}  // namespace fernwatch
