#include "frames/common/path_label.h"

#include <cwctype>

#include "model/path_conversion.h"
#include "ui/control.h"

namespace kxua {

std::wstring DisplayPath(const std::wstring& path) {
  std::wstring display = ToWin32Path(path);
  for (wchar_t& c : display) c = static_cast<wchar_t>(std::towlower(c));
  return display;
}

void ShowPath(ui::Control* label, const std::wstring& text) {
  if (label == nullptr) return;
  label->SetCaption(text);
  label->SetHint(text);
  label->SetShowHint(true);
}

}  // namespace kxua
