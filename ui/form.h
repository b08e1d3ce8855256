// A form: a top-level, borderless window whose position is on the screen. Created
// hidden; alpha blending makes the whole window translucent.
#pragma once

#include <cstdint>

#include "ui/windowed_control.h"

namespace kxua::ui {

class Form : public WindowedControl {
 public:
  // `title` names the window, so tools can find it.
  explicit Form(Component* owner, std::uint32_t exStyle = 0, const std::wstring& title = {});

  std::wstring ClassName() const override { return L"TForm"; }

  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool on);
  std::uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(std::uint8_t value);
  // The form has no border: its client area is the whole window.
  void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

 private:
  void ApplyAlpha();

  bool alphaBlend_ = false;
  std::uint8_t alphaBlendValue_ = 255;
};

}  // namespace kxua::ui
