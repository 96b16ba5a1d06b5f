// Where kolwe is built without Wayland's client libraries, no compositor offers its own picker.
#include "toolkit/wayland/wlr_picker.h"

namespace toolkit::wayland {

class PickSession {};

std::unique_ptr<WlrPicker> WlrPicker::Connect() { return nullptr; }
WlrPicker::~WlrPicker() = default;
void WlrPicker::Start(Keyboard, Done done) { done(std::nullopt); }
bool WlrPicker::Lost() const { return true; }
const std::string& WlrPicker::WhyNoColour() const {
  static const std::string kNoPicker = "no picker of kolwe's own in this build";
  return kNoPicker;
}

}  // namespace toolkit::wayland
