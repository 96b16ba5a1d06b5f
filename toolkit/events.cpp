#include "toolkit/events.h"

namespace toolkit {
namespace {

DispatchObserver observer;
int depth = 0;
bool stopped = false;

}  // namespace

void SetDispatchObserver(DispatchObserver new_observer) { observer = std::move(new_observer); }

void StopDispatching() { stopped = true; }

void Dispatch(const std::string& handler, const std::function<void()>& body) {
  if (stopped) return;
  if (observer) observer(handler, depth);
  ++depth;
  try {
    body();
  } catch (...) {
    // An error that reaches a handler's boundary abandons that handler, silently.
  }
  --depth;
}

}  // namespace toolkit
