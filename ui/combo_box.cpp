#include "ui/combo_box.h"

#include "ui/windowed_control.h"

namespace kxua::ui {

void ComboBox::SetItems(std::vector<std::wstring> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  Invalidate();
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Invalidate();
}

std::wstring ComboBox::Text() const {
  return itemIndex_ < 0 ? std::wstring() : items_[static_cast<std::size_t>(itemIndex_)];
}

void ComboBox::SetStyle(ComboStyle style) {
  if (style == style_) return;
  style_ = style;
  Invalidate();
}

void ComboBox::DropDown() {
  WindowedControl* host = HostWindow();
  if (host == nullptr || !host->HandleAllocated() || !Enabled()) return;
  if (!list_) list_ = std::make_unique<PopupList>();
  const Point origin = OriginInWindow();
  const Point below = platform::Get().ClientToScreen(host->Handle(), {origin.x, origin.y + Height()});
  PopupList::DrawItem draw;
  if (style_ == ComboStyle::OwnerDrawVariable)
    draw = [this](platform::Canvas& canvas, const Rect& rect, int index, bool selected) {
      DrawItem(canvas, rect, index, selected);
    };
  list_->Open(items_, below, Width(),
              [this](int index) {
                if (index == itemIndex_) return;
                SetItemIndex(index);
                Event event;
                event.sender = this;
                if (OnChange) OnChange(event);
              },
              std::move(draw));
}

void ComboBox::Click(Point point) {
  if (DroppedDown())
    list_->Close();
  else
    DropDown();
  Control::Click(point);
}

void ComboBox::DrawItem(platform::Canvas& canvas, const Rect& rect, int index, bool selected) {
  canvas.FillRect(rect, selected ? PopupList::kSelectedBackground : GetColor());
  canvas.DrawText(rect, Font(), selected ? PopupList::kSelectedText : FontColor(),
                  items_[static_cast<std::size_t>(index)], 0);
}

void ComboBox::Paint(platform::Canvas& canvas, const Rect& bounds) {
  canvas.FillRect(bounds, GetColor());
  canvas.FrameRect(bounds, 0x00A0A0A0, 1);
  const Rect text{bounds.left + 3, bounds.top + 2, bounds.right - kButtonWidth, bounds.bottom - 2};
  canvas.DrawText(text, Font(), FontColor(), Text(),
                  platform::text_format::SingleLine | platform::text_format::VCenter |
                      platform::text_format::EndEllipsis);
  // The drop button: a small triangle pointing down.
  const int cx = bounds.right - kButtonWidth / 2, cy = (bounds.top + bounds.bottom) / 2 - 1;
  for (int row = 0; row < 4; ++row)
    canvas.Line({cx - 3 + row, cy + row}, {cx + 4 - row, cy + row}, FontColor());
}

}  // namespace kxua::ui
