// Text measurement on Win32, with GDI fonts on a memory device context.
#include "platform/win32/win32_platform.h"

namespace kxua::win32 {

HFONT CreateGdiFont(const platform::Font& font) {
  return CreateFontW(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                     font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     font.name.c_str());
}

platform::Size Win32Platform::MeasureText(const platform::Font& font, const std::wstring& text) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return {};
  HFONT gdiFont = CreateGdiFont(font);
  HGDIOBJ previous = SelectObject(dc, gdiFont);
  SIZE extent{};
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  if (!text.empty()) GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, previous);
  DeleteObject(gdiFont);
  DeleteDC(dc);
  return {static_cast<int>(extent.cx), static_cast<int>(metrics.tmHeight)};
}

}  // namespace kxua::win32
