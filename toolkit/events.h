// Events and their dispatch. Every handler runs through Dispatch, which stops whatever
// error reaches the handler's boundary (an error never ends the program) and writes one line
// about it to standard error, and can report each handler run, with its nesting depth, to an
// observer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace toolkit {

enum class MouseButton : int16_t { Left = 1, Right = 2, Middle = 4 };

// Called before each handler runs; depth 0 is a handler raised by the event loop.
using DispatchObserver = std::function<void(const std::string& handler, int depth)>;
void SetDispatchObserver(DispatchObserver observer);

// Called for each error that reached a handler's boundary, after its line was written.
using ErrorObserver = std::function<void(const std::string& handler, const std::string& error)>;
void SetErrorObserver(ErrorObserver observer);

// Once the program has ended, no further handler runs.
void StopDispatching();

void Dispatch(const std::string& handler, const std::function<void()>& body);

template <typename... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  void Connect(std::string name, Handler handler) {
    name_ = std::move(name);
    handler_ = std::move(handler);
  }

  void Raise(Args... args) const {
    if (!handler_) return;
    Dispatch(name_, [&] { handler_(std::forward<Args>(args)...); });
  }

 private:
  std::string name_;
  Handler handler_;
};

// button, shift state, x, y
using MouseEvent = Event<MouseButton, int16_t, float, float>;

}  // namespace toolkit
