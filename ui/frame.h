// A frame: a child window that holds an alert's controls.
#pragma once

#include "ui/windowed_control.h"

namespace kxua::ui {

class Frame : public WindowedControl {
 public:
  // Creates the frame's window as a child of `parentWindow`, at (0, 0) and empty
  // until the layout or the code gives it a size.
  Frame(Component* owner, platform::WindowHandle parentWindow);

  std::wstring ClassName() const override { return L"TFrame"; }

 protected:
  // Leaves the window to the derived class, which creates it (CreateWindowHandle)
  // once it can name it.
  explicit Frame(Component* owner);
};

}  // namespace kxua::ui
