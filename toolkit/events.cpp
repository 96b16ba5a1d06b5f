#include "toolkit/events.h"

#include <cstdio>
#include <exception>

namespace toolkit {
namespace {

DispatchObserver observer;
ErrorObserver error_observer;
int depth = 0;
bool stopped = false;

// Handlers trap the errors they expect; one that gets this far is a fault, so it leaves a trace.
void ReportUntrapped(const std::string& handler, const std::string& error) {
  std::fprintf(stderr, "kolwe: untrapped error in %s: %s\n", handler.c_str(), error.c_str());
  if (error_observer) error_observer(handler, error);
}

}  // namespace

void SetDispatchObserver(DispatchObserver new_observer) { observer = std::move(new_observer); }
void SetErrorObserver(ErrorObserver new_observer) { error_observer = std::move(new_observer); }

void StopDispatching() { stopped = true; }

void Dispatch(const std::string& handler, const std::function<void()>& body) {
  if (stopped) return;
  if (observer) observer(handler, depth);
  ++depth;
  // An error that reaches a handler's boundary abandons that handler, and only that one.
  try {
    body();
  } catch (const std::exception& error) {
    ReportUntrapped(handler, error.what());
  } catch (...) {
    ReportUntrapped(handler, "an error of unknown type");
  }
  --depth;
}

}  // namespace toolkit
