// Layout units: the form's layout is given in twips and placed in Qt's logical pixels at the
// toolkit's dots-per-inch setting (96 unless told otherwise). Every position the form's code
// reads is in device pixels of the screen: the logical pixels times the screen's scale.
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
