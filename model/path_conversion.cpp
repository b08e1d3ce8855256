#include "model/path_conversion.h"

#include <cwctype>

#include "platform/platform.h"

namespace kxua {

namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
  return text.compare(0, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

bool StartsWithIgnoringCase(const std::wstring& text, std::size_t at, const wchar_t* prefix) {
  const std::size_t length = std::char_traits<wchar_t>::length(prefix);
  if (text.size() < at + length) return false;
  for (std::size_t i = 0; i < length; ++i)
    if (std::towlower(text[at + i]) != std::towlower(prefix[i])) return false;
  return true;
}

// "\SystemRoot": everything after these characters follows the Windows directory.
constexpr std::size_t kSystemRootPrefixLength = 11;

}  // namespace

std::wstring ToWin32Path(const std::wstring& text) {
  // The order matters: each rule only sees texts that no earlier rule took.
  for (const wchar_t* prefix : {L"\\\\?\\UNC\\", L"\\??\\UNC\\"})
    if (StartsWith(text, prefix)) return L"\\\\" + text.substr(8);
  for (const wchar_t* prefix : {L"\\\\?\\", L"\\??\\", L"\\\\.\\"})
    if (StartsWith(text, prefix)) return text.substr(4);
  // What is left of those native prefixes is malformed.
  if (StartsWith(text, L"\\\\?") || StartsWith(text, L"\\\\.") || StartsWith(text, L"\\?"))
    return {};
  if (StartsWith(text, L"\\\\")) return text;

  if (StartsWith(text, L"\\")) {
    if (StartsWithIgnoringCase(text, 1, L"SystemRoot")) {
      // Without the Windows directory the rest would pass for a path on the
      // current drive, which it is not.
      const std::wstring windows = platform::Get().WindowsDirectory();
      if (windows.empty()) return {};
      return windows + text.substr(kSystemRootPrefixLength);
    }
    // A device-relative path: taken to be on the current directory's drive. A
    // current directory without a drive letter (a UNC one) names no drive.
    const std::wstring current = platform::Get().CurrentDirectory();
    if (current.size() < 2 || current[1] != L':' || !std::iswalpha(current[0])) return {};
    return std::wstring{current[0], L':'} + text;
  }

  if (StartsWithIgnoringCase(text, 0, L"System32")) {
    const std::wstring windows = platform::Get().WindowsDirectory();
    if (windows.empty()) return {};
    return windows + L"\\" + text;
  }
  return text;
}

}  // namespace kxua
