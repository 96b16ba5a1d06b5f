#include "toolkit/pick_keys.h"

namespace toolkit {
namespace {

constexpr int kShiftStep = 10;
enum : uint32_t {
  kKeySpace = 0x20,
  kKeyReturn = 0xff0d,
  kKeyEscape = 0xff1b,
  kKeyLeft = 0xff51,
  kKeyUp = 0xff52,
  kKeyRight = 0xff53,
  kKeyDown = 0xff54,
  kKeyPadEnter = 0xff8d,
};

}  // namespace

PickKey PickKeyFor(uint32_t keysym, bool shift) {
  const int step = shift ? kShiftStep : 1;
  switch (keysym) {
    case kKeyLeft:
      return {PickKey::kNudge, {-step, 0}};
    case kKeyRight:
      return {PickKey::kNudge, {step, 0}};
    case kKeyUp:
      return {PickKey::kNudge, {0, -step}};
    case kKeyDown:
      return {PickKey::kNudge, {0, step}};
    case kKeyReturn:
    case kKeyPadEnter:
    case kKeySpace:
      return {PickKey::kPick, {}};
    case kKeyEscape:
      return {PickKey::kCancel, {}};
    default:
      return {};
  }
}

}  // namespace toolkit
