// The small pop-up that shows a control's hint near the mouse.
#pragma once

#include <string>

#include "platform/platform.h"
#include "ui/window.h"

namespace kxua::ui {

class HintWindow final : public Window {
 public:
  static constexpr platform::Color kBackground = 0x00E1FFFF;  // the system's info colour
  static constexpr int kPadding = 3;
  // Below the pointer, clear of the cursor.
  static constexpr int kCursorOffset = 20;

  HintWindow();
  ~HintWindow() override;

  // Shows `text` with its top-left corner near `screenPoint`.
  void Show(const std::wstring& text, platform::Point screenPoint);
  void Hide();
  // The text while shown; empty when hidden.
  std::wstring Text() const;

 private:
  std::intptr_t WndProc(const platform::Message& message) override;

  std::wstring text_;
  platform::Font font_;
};

}  // namespace kxua::ui
