// A rectangle of colour that groups controls; a transparent panel shows what is
// behind it.
#pragma once

#include "ui/control.h"

namespace kxua::ui {

class Panel : public Control {
 public:
  explicit Panel(Component* owner) : Control(owner) {}

  std::wstring ClassName() const override { return L"TPanel"; }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

  void Paint(platform::Canvas& canvas, const Rect& bounds) override;

 private:
  bool transparent_ = false;
};

}  // namespace kxua::ui
