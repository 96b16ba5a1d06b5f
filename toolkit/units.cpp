#include "toolkit/units.h"

#include <cmath>

namespace toolkit {
namespace {
int dots_per_inch = kDesignDotsPerInch;
}

void SetDotsPerInch(int value) { dots_per_inch = value; }

int TwipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dots_per_inch / kTwipsPerInch));
}

}  // namespace toolkit
