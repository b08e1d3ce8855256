// Pictures of simulated windows, drawn from the display lists of their latest
// paints.
#include <algorithm>
#include <cstdlib>

#include "platform/sim/sim_platform.h"

namespace kxua::sim {

namespace {

using platform::Bitmap;

constexpr std::uint32_t kWhite = 0xFFFFFFFF;

Rect Offset(const Rect& r, int x, int y) {
  return {r.left + x, r.top + y, r.right + x, r.bottom + y};
}

// A layout colour (0x00BBGGRR) as an opaque pixel (0xAARRGGBB).
std::uint32_t Pixel(platform::Color color) {
  return 0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

// Draws into a bitmap; every operation is clipped to the rectangle it is given,
// which the callers keep inside the bitmap.
class Raster {
 public:
  explicit Raster(Bitmap& bitmap) : bitmap_(bitmap) {}

  void Fill(const Rect& rect, const Rect& clip, std::uint32_t pixel) {
    const Rect r = Intersect(rect, clip);
    for (int y = r.top; y < r.bottom; ++y)
      std::fill_n(&At(r.left, y), r.Width(), pixel);
  }

  void Line(const Rect& ends, const Rect& clip, std::uint32_t pixel) {
    const int dx = ends.right - ends.left, dy = ends.bottom - ends.top;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < steps; ++i) {  // the end point is not drawn
      const int x = ends.left + dx * i / steps, y = ends.top + dy * i / steps;
      if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom) At(x, y) = pixel;
    }
  }

  // `picture` scaled to `rect` (nearest pixel), mixed by its alpha times `opacity`.
  void Picture(const Rect& rect, const Rect& clip, const Bitmap& picture, std::uint8_t opacity) {
    if (rect.Width() <= 0 || rect.Height() <= 0 || picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height)
      return;
    const Rect r = Intersect(rect, clip);
    for (int y = r.top; y < r.bottom; ++y) {
      const int sy = (y - rect.top) * picture.height / rect.Height();
      for (int x = r.left; x < r.right; ++x) {
        const int sx = (x - rect.left) * picture.width / rect.Width();
        const std::uint32_t source = picture.pixels[static_cast<std::size_t>(sy) * picture.width + sx];
        const std::uint32_t alpha = ((source >> 24) * opacity + 127) / 255;
        std::uint32_t& target = At(x, y);
        std::uint32_t mixed = 0xFF000000;
        for (int shift = 0; shift < 24; shift += 8) {
          const std::uint32_t s = (source >> shift) & 0xFF, d = (target >> shift) & 0xFF;
          mixed |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
        }
        target = mixed;
      }
    }
  }

 private:
  std::uint32_t& At(int x, int y) {
    return bitmap_.pixels[static_cast<std::size_t>(y) * bitmap_.width + x];
  }

  Bitmap& bitmap_;
};

void Draw(const std::map<WindowHandle, SimWindow>& windows, const SimWindow& window, int x,
          int y, const Rect& visible, Raster& raster) {
  const Rect area = Intersect(visible, {x, y, x + window.bounds.Width(), y + window.bounds.Height()});
  for (const DisplayItem& item : window.displayList) {
    const Rect clip = Intersect(area, Offset(item.clip, x, y));
    const Rect rect = Offset(item.rect, x, y);
    const std::uint32_t pixel = Pixel(item.color);
    switch (item.kind) {
      case DisplayItem::Kind::Fill: raster.Fill(rect, clip, pixel); break;
      case DisplayItem::Kind::Frame: {
        const int w = item.penWidth;
        raster.Fill({rect.left, rect.top, rect.right, rect.top + w}, clip, pixel);
        raster.Fill({rect.left, rect.bottom - w, rect.right, rect.bottom}, clip, pixel);
        raster.Fill({rect.left, rect.top + w, rect.left + w, rect.bottom - w}, clip, pixel);
        raster.Fill({rect.right - w, rect.top + w, rect.right, rect.bottom - w}, clip, pixel);
        break;
      }
      case DisplayItem::Kind::Line: raster.Line(rect, clip, pixel); break;
      case DisplayItem::Kind::Text: {
        // A block in the middle half of each character's cell; spaces stay empty.
        const int cell = SimPlatform::CharWidth(item.font);
        const int quarter = rect.Height() / 4;
        for (std::size_t i = 0; i < item.text.size(); ++i) {
          if (item.text[i] == L' ') continue;
          const int left = rect.left + static_cast<int>(i) * cell;
          raster.Fill({left, rect.top + quarter, left + cell - 1, rect.bottom - quarter}, clip, pixel);
        }
        break;
      }
      case DisplayItem::Kind::Picture:
        if (item.bitmap != nullptr) raster.Picture(rect, clip, *item.bitmap, item.opacity);
        break;
    }
  }
  for (const auto& [handle, child] : windows)
    if (child.parent == window.handle && child.visible)
      Draw(windows, child, x + child.bounds.left, y + child.bounds.top, area, raster);
}

}  // namespace

std::optional<platform::Bitmap> SimPlatform::CaptureWindow(WindowHandle window) {
  PaintPending();
  const SimWindow* w = FindWindow(window);
  for (const SimWindow* v = w; v != nullptr; v = v->parent != 0 ? FindWindow(v->parent) : nullptr)
    if (!v->visible || v->destroying) return std::nullopt;
  if (w == nullptr) return std::nullopt;
  Bitmap bitmap;
  bitmap.width = w->bounds.Width();
  bitmap.height = w->bounds.Height();
  if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > Images::kLargestSide ||
      bitmap.height > Images::kLargestSide)
    return std::nullopt;
  bitmap.pixels.assign(static_cast<std::size_t>(bitmap.width) * bitmap.height, kWhite);
  Raster raster(bitmap);
  Draw(windows_, *w, 0, 0, {0, 0, bitmap.width, bitmap.height}, raster);
  return bitmap;
}

}  // namespace kxua::sim
