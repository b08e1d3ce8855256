#include "host/placement.h"

#include <algorithm>
#include <cstdint>
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

namespace {
// Whether `a` and `b` are less than the snapping distance apart; in 64 bits, as the
// user may propose any coordinate.
bool Near(std::int64_t a, std::int64_t b) { return std::llabs(a - b) < kSnapDistancePx; }
}  // namespace

bool GuardPosition(platform::WindowPos& pos, const Rect& current, const Rect& area, bool moving,
                   bool campaign) {
  const int width = current.Width(), height = current.Height();
  if (moving) {
    // Each test sees what the previous one left.
    if (Near(pos.x, area.left)) pos.x = area.left;
    if (Near(pos.y, area.top)) pos.y = area.top;
    if (Near(std::int64_t{pos.x} + width, area.right)) pos.x = area.right - width;
    if (Near(std::int64_t{pos.y} + height, area.bottom)) pos.y = area.bottom - height;
    return false;
  }
  if (campaign) return false;
  const bool keepSize = (pos.flags & platform::swp::NoSize) != 0;
  const bool keepPlace = (pos.flags & platform::swp::NoMove) != 0;
  const int cx = keepSize ? width : pos.cx, cy = keepSize ? height : pos.cy;
  int x = keepPlace ? current.left : pos.x, y = keepPlace ? current.top : pos.y;
  bool corrected = false;
  if (area.right - kToastMarginPx < std::int64_t{x} + cx) {
    x = area.right - cx - kToastMarginPx;
    corrected = true;
  }
  if (area.bottom - kToastMarginPx < std::int64_t{y} + cy) {
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

Rect SettleAfterMove(const Rect& bounds, const Rect& area) {
  if (area.Width() <= 0 || area.Height() <= 0) return bounds;
  const int width = bounds.Width(), height = bounds.Height();
  // One axis: past the far edge back to the margin, past the near edge onto it.
  const auto settle = [](int at, int size, int nearEdge, int farEdge) {
    if (std::int64_t{at} + size > farEdge) at = farEdge - size - kToastMarginPx;
    return at < nearEdge ? nearEdge : at;
  };
  const int left = settle(bounds.left, width, area.left, area.right);
  const int top = settle(bounds.top, height, area.top, area.bottom);
  return {left, top, left + width, top + height};
}

}  // namespace kxua
