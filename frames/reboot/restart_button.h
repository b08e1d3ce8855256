// The restart button of the restart alerts: it asks the product to restart the
// system once. A second click, while the close request is on its way, asks nothing.
#pragma once

#include "kxua/services.h"
#include "model/actions.h"

namespace kxua {

class RestartButton {
 public:
  // True when this press asked for the restart; the frame then asks to close, also
  // when the product had no action manager to hear it.
  bool Press(IZYMApplicationContext* context) {
    if (pressed_) return false;
    pressed_ = true;
    RestartSystem(context, RestartArgument::Zero);
    return true;
  }

 private:
  bool pressed_ = false;
};

}  // namespace kxua
