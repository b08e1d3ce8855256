#include "ui/popup_list.h"

#include <algorithm>

namespace kxua::ui {

namespace {
platform::Point PointOf(std::intptr_t lParam) {
  return {static_cast<short>(lParam & 0xFFFF), static_cast<short>((lParam >> 16) & 0xFFFF)};
}
}  // namespace

PopupList::PopupList() {
  CreateHandle({0,
                platform::exstyle::TopMost | platform::exstyle::ToolWindow |
                    platform::exstyle::NoActivate,
                {0, 0, 1, 1},
                L"TPopupList"});
}

PopupList::~PopupList() {
  Close();
  DestroyHandle();
}

int PopupList::ItemHeight() const {
  return platform::Get().MeasureText(font_, L"Wg").height + 2 * kItemPadding;
}

void PopupList::Open(std::vector<std::wstring> items, platform::Point screenPoint, int width,
                     std::function<void(int)> picked, DrawItem draw) {
  if (!HandleAllocated()) return;
  items_ = std::move(items);
  picked_ = std::move(picked);
  draw_ = std::move(draw);
  hot_ = -1;
  platform::Platform& system = platform::Get();
  int widest = width;
  for (const std::wstring& item : items_)
    widest = std::max(widest, system.MeasureText(font_, item).width + 4 * kItemPadding + 2);
  const int height = std::max<int>(1, static_cast<int>(items_.size())) * ItemHeight() + 2;
  system.SetBounds(Handle(), {screenPoint.x, screenPoint.y, screenPoint.x + widest,
                              screenPoint.y + height});
  system.Show(Handle());
  system.Invalidate(Handle());
  // Holding the mouse lets a press anywhere else close the list.
  system.SetCapture(Handle());
}

void PopupList::Close() {
  if (!IsOpen()) return;
  platform::Get().ReleaseCapture();
  platform::Get().Hide(Handle());
}

bool PopupList::IsOpen() const { return HandleAllocated() && platform::Get().IsVisible(Handle()); }

int PopupList::ItemAt(int y) const {
  if (y < 1) return -1;
  const int index = (y - 1) / ItemHeight();
  return index < static_cast<int>(items_.size()) ? index : -1;
}

std::intptr_t PopupList::WndProc(const platform::Message& message) {
  platform::Platform& system = platform::Get();
  switch (message.id) {
    case platform::msg::EraseBackground: return 1;
    case platform::msg::MouseMove: {
      const platform::Rect bounds = system.GetBounds(Handle());
      const platform::Point p = PointOf(message.lParam);
      const int hot = p.x >= 0 && p.x < bounds.Width() ? ItemAt(p.y) : -1;
      if (hot != hot_) {
        hot_ = hot;
        system.Invalidate(Handle());
      }
      return 0;
    }
    case platform::msg::LeftButtonUp: {
      const platform::Rect bounds = system.GetBounds(Handle());
      const platform::Point p = PointOf(message.lParam);
      const int index = p.x >= 0 && p.x < bounds.Width() ? ItemAt(p.y) : -1;
      std::function<void(int)> picked = picked_;  // the pick may reopen or destroy us
      Close();
      if (index >= 0 && picked) picked(index);
      return 0;
    }
    case platform::msg::CaptureChanged:
      if (IsOpen() && static_cast<platform::WindowHandle>(message.lParam) != Handle())
        platform::Get().Hide(Handle());
      return 0;
    case platform::msg::Paint: {
      const platform::Rect bounds = system.GetBounds(Handle());
      system.PaintWindow(Handle(), [&](platform::Canvas& canvas) {
        const platform::Rect whole{0, 0, bounds.Width(), bounds.Height()};
        canvas.FillRect(whole, kBackground);
        canvas.FrameRect(whole, 0x00A0A0A0, 1);
        const int height = ItemHeight();
        for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
          const platform::Rect item{1, 1 + i * height, whole.right - 1, 1 + (i + 1) * height};
          if (draw_) {
            draw_(canvas, item, i, i == hot_);
            continue;
          }
          canvas.FillRect(item, i == hot_ ? kSelectedBackground : kBackground);
          canvas.DrawText({item.left + 2 * kItemPadding, item.top + kItemPadding, item.right,
                           item.bottom},
                          font_, i == hot_ ? kSelectedText : kText, items_[static_cast<std::size_t>(i)],
                          platform::text_format::SingleLine);
        }
      });
      return 0;
    }
    default: return DefaultHandling(message);
  }
}

}  // namespace kxua::ui
