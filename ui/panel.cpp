#include "ui/panel.h"

namespace kxua::ui {

void Panel::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  Invalidate();
}

void Panel::Paint(platform::Canvas& canvas, const Rect& bounds) {
  if (!transparent_) canvas.FillRect(bounds, GetColor());
  if (!Caption().empty())
    canvas.DrawText(bounds, Font(), FontColor(), Caption(),
                    platform::text_format::Center | platform::text_format::VCenter |
                        platform::text_format::SingleLine);
}

}  // namespace kxua::ui
