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
  // Layouts measure word by word: the fonts are shared and the device context kept.
  std::lock_guard<std::mutex> lock(measureMutex_);
  if (measureDc_ == nullptr) measureDc_ = CreateCompatibleDC(nullptr);
  if (measureDc_ == nullptr) return {};
  SelectObject(measureDc_, SharedGdiFont(font));
  SIZE extent{};
  TEXTMETRICW metrics{};
  GetTextMetricsW(measureDc_, &metrics);
  if (!text.empty())
    GetTextExtentPoint32W(measureDc_, text.data(), static_cast<int>(text.size()), &extent);
  return {static_cast<int>(extent.cx), static_cast<int>(metrics.tmHeight)};
}

}  // namespace kxua::win32
