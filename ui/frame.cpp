#include "ui/frame.h"

namespace kxua::ui {

Frame::Frame(Component* owner, platform::WindowHandle parentWindow) : WindowedControl(owner) {
  CreateWindowHandle({parentWindow, 0, {}, {}});
}

Frame::Frame(Component* owner) : WindowedControl(owner) {}

}  // namespace kxua::ui
