#include "host/placement.h"

#include <algorithm>
#include <cstdlib>

namespace kxua {

using platform::Rect;

platform::Rect WorkArea(platform::Size screen, const std::optional<Rect>& taskbar) {
  Rect area{0, 0, screen.width, screen.height};
  if (!taskbar) return area;
  const Rect cut{std::max(area.left, taskbar->left), std::max(area.top, taskbar->top),
                 std::min(area.right, taskbar->right), std::min(area.bottom, taskbar->bottom)};
  if (cut.left >= cut.right || cut.top >= cut.bottom) return area;
  if (cut == area) return Rect{};
  if (cut.top == area.top && cut.bottom == area.bottom) {
    if (cut.left == area.left)
      area.left = cut.right;
    else if (cut.right == area.right)
      area.right = cut.left;
  } else if (cut.left == area.left && cut.right == area.right) {
    if (cut.top == area.top)
      area.top = cut.bottom;
    else if (cut.bottom == area.bottom)
      area.bottom = cut.top;
  }
  return area;
}

platform::Rect PlaceToast(const Rect& workArea, platform::Size size) {
  const int left = workArea.right - size.width - kToastMarginPx;
  const int top = workArea.bottom - size.height - kToastMarginPx;
  return {left, top, left + size.width, top + size.height};
}

bool GuardPosition(platform::WindowPos& pos, const Rect& current, const Rect& area, bool moving,
                   bool campaign) {
  const int width = current.Width(), height = current.Height();
  if (moving) {
    // Each test sees what the previous one left.
    if (std::abs(pos.x - area.left) < kSnapDistancePx) pos.x = area.left;
    if (std::abs(pos.y - area.top) < kSnapDistancePx) pos.y = area.top;
    if (std::abs(pos.x + width - area.right) < kSnapDistancePx) pos.x = area.right - width;
    if (std::abs(pos.y + height - area.bottom) < kSnapDistancePx) pos.y = area.bottom - height;
    return false;
  }
  if (campaign) return false;
  const bool keepSize = (pos.flags & platform::swp::NoSize) != 0;
  const bool keepPlace = (pos.flags & platform::swp::NoMove) != 0;
  const int cx = keepSize ? width : pos.cx, cy = keepSize ? height : pos.cy;
  int x = keepPlace ? current.left : pos.x, y = keepPlace ? current.top : pos.y;
  bool corrected = false;
  if (area.right - kToastMarginPx < x + cx) {
    x = area.right - cx - kToastMarginPx;
    corrected = true;
  }
  if (area.bottom - kToastMarginPx < y + cy) {
    y = area.bottom - cy - kToastMarginPx;
    corrected = true;
  }
  if (corrected) {
    pos.x = x;
    pos.y = y;
    pos.flags &= ~platform::swp::NoMove;
  }
  return corrected;
}

}  // namespace kxua
