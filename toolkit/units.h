// Layout units: the form's layout is given in twips and placed in pixels at the toolkit's
// dots-per-inch setting (96 unless told otherwise). Those pixels are Qt's device-independent
// pixels, the unit of every position the form's code reads.
#pragma once

#include <cstdint>

namespace toolkit {

constexpr int kTwipsPerInch = 1440;
constexpr int kDesignDotsPerInch = 96;

void SetDotsPerInch(int dots_per_inch);
int TwipsToPixels(int twips);

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

struct PointApi {
  int32_t x = 0;
  int32_t y = 0;
};

}  // namespace toolkit
