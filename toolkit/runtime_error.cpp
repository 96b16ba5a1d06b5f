#include "toolkit/runtime_error.h"

#include <string>

namespace toolkit {
namespace {

const char* Name(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::Overflow:
      return "overflow";
    case ErrorNumber::TypeMismatch:
      return "type mismatch";
    case ErrorNumber::InvalidPropertyValue:
      return "invalid property value";
  }
  return "unknown";
}

}  // namespace

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error("runtime error " + std::to_string(static_cast<int>(number)) + " (" +
                         Name(number) + ")") {}

}  // namespace toolkit
