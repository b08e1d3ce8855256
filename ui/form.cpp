#include "ui/form.h"

namespace kxua::ui {

Form::Form(Component* owner, std::uint32_t exStyle, const std::wstring& title)
    : WindowedControl(owner) {
  SetVisible(false);
  CreateWindowHandle({0, exStyle, {}, title});
}

void Form::SetAlphaBlend(bool on) {
  if (on == alphaBlend_) return;
  alphaBlend_ = on;
  ApplyAlpha();
}

void Form::SetAlphaBlendValue(std::uint8_t value) {
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (alphaBlend_) ApplyAlpha();
}

void Form::ApplyAlpha() {
  if (HandleAllocated()) platform::Get().SetAlpha(Handle(), alphaBlend_, alphaBlendValue_);
}

}  // namespace kxua::ui
