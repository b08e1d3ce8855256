// Painting with GDI into an off-screen bitmap, layered-window transparency, the
// mouse, and pictures of windows on Win32.
#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "platform/text_layout.h"
#include "platform/win32/win32_platform.h"

namespace kxua::win32 {

namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

COLORREF ToColorRef(platform::Color color) { return static_cast<COLORREF>(color & 0x00FFFFFF); }

// A canvas on a memory device context. Clipping uses the DC's saved states.
class GdiCanvas final : public platform::Canvas {
 public:
  explicit GdiCanvas(HDC dc) : dc_(dc) {
    SetBkMode(dc_, TRANSPARENT);
    SelectObject(dc_, GetStockObject(DC_BRUSH));
    SelectObject(dc_, GetStockObject(DC_PEN));
  }

  void FillRect(const Rect& rect, platform::Color color) override {
    SetDCBrushColor(dc_, ToColorRef(color));
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ::FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }

  void FrameRect(const Rect& rect, platform::Color color, int width) override {
    FillRect({rect.left, rect.top, rect.right, rect.top + width}, color);
    FillRect({rect.left, rect.bottom - width, rect.right, rect.bottom}, color);
    FillRect({rect.left, rect.top + width, rect.left + width, rect.bottom - width}, color);
    FillRect({rect.right - width, rect.top + width, rect.right, rect.bottom - width}, color);
  }

  void Line(platform::Point from, platform::Point to, platform::Color color) override {
    SetDCPenColor(dc_, ToColorRef(color));
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
  }

  void DrawText(const Rect& rect, const platform::Font& font, platform::Color color,
                const std::wstring& text, std::uint32_t format) override {
    SelectObject(dc_, SharedGdiFont(font));
    SetTextColor(dc_, ToColorRef(color));
    auto measure = [this](const std::wstring& s) {
      SIZE extent{};
      if (!s.empty()) GetTextExtentPoint32W(dc_, s.data(), static_cast<int>(s.size()), &extent);
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc_, &metrics);
      return platform::Size{static_cast<int>(extent.cx), static_cast<int>(metrics.tmHeight)};
    };
    for (const platform::TextLine& line : platform::LayoutText(measure, text, rect, format))
      if (!line.text.empty())
        ExtTextOutW(dc_, line.origin.x, line.origin.y, 0, nullptr, line.text.data(),
                    static_cast<UINT>(line.text.size()), nullptr);
  }

  void DrawBitmap(const Rect& rect, const platform::Bitmap& bitmap,
                  std::uint8_t opacity) override {
    // Blended here rather than with AlphaBlend, which lives outside the DLLs every
    // Windows has loaded anyway: read the destination, mix, write it back.
    const int width = rect.Width(), height = rect.Height();
    if (width <= 0 || height <= 0 || bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() < static_cast<std::size_t>(bitmap.width) * bitmap.height)
      return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section == nullptr) return;
    HDC scratch = CreateCompatibleDC(dc_);
    HGDIOBJ previous = SelectObject(scratch, section);
    BitBlt(scratch, 0, 0, width, height, dc_, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
      const int sy = y * bitmap.height / height;
      for (int x = 0; x < width; ++x) {
        const int sx = x * bitmap.width / width;
        const std::uint32_t source = bitmap.pixels[static_cast<std::size_t>(sy) * bitmap.width + sx];
        const std::uint32_t alpha = ((source >> 24) * opacity + 127) / 255;
        if (alpha == 0) continue;
        std::uint32_t& target = pixels[static_cast<std::size_t>(y) * width + x];
        std::uint32_t mixed = 0;
        for (int shift = 0; shift < 24; shift += 8) {
          const std::uint32_t s = (source >> shift) & 0xFF, d = (target >> shift) & 0xFF;
          mixed |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
        }
        target = mixed;
      }
    }
    BitBlt(dc_, rect.left, rect.top, width, height, scratch, 0, 0, SRCCOPY);
    SelectObject(scratch, previous);
    DeleteDC(scratch);
    DeleteObject(section);
  }

  void PushClip(const Rect& rect) override {
    SaveDC(dc_);
    IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
  }

  void PopClip() override {
    RestoreDC(dc_, -1);
    // The restored state brings back the stock brush and pen selection as well.
  }

 private:
  HDC dc_;
};

}  // namespace

HFONT SharedGdiFont(const platform::Font& font) {
  using Key = std::tuple<std::wstring, int, bool, bool, bool>;
  static std::mutex mutex;
  static std::map<Key, HFONT> fonts;
  std::lock_guard<std::mutex> lock(mutex);
  const Key key{font.name, font.height, font.bold, font.italic, font.underline};
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  HFONT created = CreateGdiFont(font);
  fonts.emplace(key, created);
  return created;
}

void Win32Platform::Invalidate(WindowHandle window) {
  InvalidateRect(ToHwnd(window), nullptr, FALSE);
}

void Win32Platform::RedrawNow(WindowHandle window) {
  RedrawWindow(ToHwnd(window), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32Platform::PaintWindow(WindowHandle window,
                                const std::function<void(platform::Canvas&)>& paint) {
  HWND hwnd = ToHwnd(window);
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(hwnd, &ps);
  if (dc == nullptr) return;
  RECT client{};
  GetClientRect(hwnd, &client);
  const int width = std::max<LONG>(1, client.right), height = std::max<LONG>(1, client.bottom);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP buffer = CreateCompatibleBitmap(dc, width, height);
  if (memory != nullptr && buffer != nullptr) {
    HGDIOBJ previous = SelectObject(memory, buffer);
    HGDIOBJ previousFont = GetCurrentObject(memory, OBJ_FONT);
    {
      GdiCanvas canvas(memory);
      paint(canvas);
    }
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previousFont);
    SelectObject(memory, previous);
  }
  if (buffer != nullptr) DeleteObject(buffer);
  if (memory != nullptr) DeleteDC(memory);
  EndPaint(hwnd, &ps);
}

void Win32Platform::SetAlpha(WindowHandle window, bool enabled, std::uint8_t alpha) {
  HWND hwnd = ToHwnd(window);
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  if (enabled) {
    if ((style & WS_EX_LAYERED) == 0) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA);
  } else if ((style & WS_EX_LAYERED) != 0) {
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void Win32Platform::TrackMouseLeave(WindowHandle window) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = ToHwnd(window);
  TrackMouseEvent(&track);
}

void Win32Platform::SetCursor(platform::Cursor cursor) {
  const wchar_t* shape = cursor == platform::Cursor::Hand        ? IDC_HAND
                         : cursor == platform::Cursor::HourGlass ? IDC_WAIT
                                                                 : IDC_ARROW;
  ::SetCursor(LoadCursorW(nullptr, shape));
}

void Win32Platform::SetCapture(WindowHandle window) { ::SetCapture(ToHwnd(window)); }

void Win32Platform::ReleaseCapture() { ::ReleaseCapture(); }

platform::Point Win32Platform::ClientToScreen(WindowHandle window, platform::Point point) {
  POINT p{point.x, point.y};
  ::ClientToScreen(ToHwnd(window), &p);
  return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

std::optional<platform::Bitmap> Win32Platform::CaptureWindow(WindowHandle window) {
  HWND hwnd = ToHwnd(window);
  if (!::IsWindow(hwnd) || !IsWindowVisible(hwnd)) return std::nullopt;
  // The system paints lazily, when the queue has nothing else; a window shown just
  // now may not have painted yet.
  RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT bounds{};
  GetWindowRect(hwnd, &bounds);
  platform::Bitmap bitmap;
  bitmap.width = bounds.right - bounds.left;
  bitmap.height = bounds.bottom - bounds.top;
  if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > Images::kLargestSide ||
      bitmap.height > Images::kLargestSide)
    return std::nullopt;

  // The window's own device context reads what the window drew, children included,
  // whatever lies above it on the screen.
  HDC source = GetWindowDC(hwnd);
  if (source == nullptr) return std::nullopt;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = bitmap.width;
  info.bmiHeader.biHeight = -bitmap.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = section != nullptr ? CreateCompatibleDC(source) : nullptr;
  bool copied = false;
  if (memory != nullptr) {
    HGDIOBJ previous = SelectObject(memory, section);
    copied = BitBlt(memory, 0, 0, bitmap.width, bitmap.height, source, 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
    if (copied) {
      const auto* pixels = static_cast<const std::uint32_t*>(bits);
      bitmap.pixels.assign(pixels, pixels + static_cast<std::size_t>(bitmap.width) * bitmap.height);
      // GDI leaves the fourth byte undefined (mostly 0); a window on the screen is opaque.
      for (std::uint32_t& pixel : bitmap.pixels) pixel |= 0xFF000000u;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
  }
  if (section != nullptr) DeleteObject(section);
  ReleaseDC(hwnd, source);
  if (!copied) return std::nullopt;
  return bitmap;
}

}  // namespace kxua::win32
