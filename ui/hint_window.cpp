#include "ui/hint_window.h"

#include "platform/text_layout.h"

namespace kxua::ui {

HintWindow::HintWindow() {
  CreateHandle({0, platform::exstyle::TopMost | platform::exstyle::ToolWindow |
                       platform::exstyle::NoActivate,
                {0, 0, 1, 1},
                L"THintWindow"});
}

HintWindow::~HintWindow() { DestroyHandle(); }

void HintWindow::Show(const std::wstring& text, platform::Point screenPoint) {
  if (!HandleAllocated()) return;
  platform::Platform& system = platform::Get();
  text_ = text;
  auto measure = [&](const std::wstring& s) { return system.MeasureText(font_, s); };
  const platform::Size size = platform::TextBlockSize(measure, text_, 0, 0);
  const int left = screenPoint.x, top = screenPoint.y + kCursorOffset;
  system.SetBounds(Handle(), {left, top, left + size.width + 2 * kPadding + 2,
                              top + size.height + 2 * kPadding});
  system.Show(Handle());
  system.Invalidate(Handle());
}

void HintWindow::Hide() {
  if (HandleAllocated() && platform::Get().IsVisible(Handle())) platform::Get().Hide(Handle());
}

std::wstring HintWindow::Text() const {
  return HandleAllocated() && platform::Get().IsVisible(Handle()) ? text_ : std::wstring();
}

std::intptr_t HintWindow::WndProc(const platform::Message& message) {
  if (message.id == platform::msg::EraseBackground) return 1;
  if (message.id != platform::msg::Paint) return DefaultHandling(message);
  platform::Platform& system = platform::Get();
  const platform::Rect bounds = system.GetBounds(Handle());
  system.PaintWindow(Handle(), [&](platform::Canvas& canvas) {
    const platform::Rect whole{0, 0, bounds.Width(), bounds.Height()};
    canvas.FillRect(whole, kBackground);
    canvas.FrameRect(whole, 0x00000000, 1);
    canvas.DrawText({kPadding + 1, kPadding, whole.right - kPadding, whole.bottom - kPadding},
                    font_, 0x00000000, text_, 0);
  });
  return 0;
}

}  // namespace kxua::ui
