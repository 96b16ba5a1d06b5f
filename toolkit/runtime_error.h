// The one error type of the toolkit: a failed conversion or property write, named with the
// runtime's error number in its message; a handler with an error trap catches it there.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace toolkit {

enum class ErrorNumber : int16_t {
  Overflow = 6,
  TypeMismatch = 13,
  InvalidPropertyValue = 380,
};

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorNumber number);
};

}  // namespace toolkit
