#include "toolkit/runtime_error.h"

#include <string>

namespace toolkit {

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error("runtime error " + std::to_string(static_cast<int>(number))),
      number_(number) {}

}  // namespace toolkit
