// The list that drops down under a combo box or pops up for a menu: a top-level
// window that never takes the focus, holds the mouse while open, and reports the
// item picked. A press outside it closes it without a pick.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/window.h"

namespace kxua::ui {

class PopupList final : public Window {
 public:
  static constexpr int kItemPadding = 2;
  static constexpr platform::Color kBackground = 0x00FFFFFF;
  static constexpr platform::Color kText = 0x00000000;
  static constexpr platform::Color kSelectedBackground = 0x00D77800;  // the system's highlight
  static constexpr platform::Color kSelectedText = 0x00FFFFFF;

  // Draws one item in its rectangle; the plain drawing when not set.
  using DrawItem = std::function<void(platform::Canvas&, const platform::Rect&, int index,
                                      bool selected)>;

  PopupList();
  ~PopupList() override;

  // Opens with `items` below `screenPoint`, at least `width` wide; `picked` hears the
  // index chosen. Reopening replaces the previous list.
  void Open(std::vector<std::wstring> items, platform::Point screenPoint, int width,
            std::function<void(int)> picked, DrawItem draw = nullptr);
  void Close();
  bool IsOpen() const;
  int ItemHeight() const;

 private:
  std::intptr_t WndProc(const platform::Message& message) override;
  int ItemAt(int y) const;

  std::vector<std::wstring> items_;
  std::function<void(int)> picked_;
  DrawItem draw_;
  platform::Font font_;
  int hot_ = -1;
};

}  // namespace kxua::ui
