#include "model/failure_report.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <cwchar>
#include <string>

#include "model/automation_error.h"
#include "platform/platform.h"

namespace kxua {

namespace {

std::wstring Widen(const char* text) { return std::wstring(text, text + std::strlen(text)); }

// printf into a wide string of any length.
template <class... Args>
std::wstring Format(const wchar_t* format, Args... args) {
  std::wstring text(256, L'\0');
  for (;;) {
    int n = std::swprintf(text.data(), text.size(), format, args...);
    if (n >= 0 && static_cast<std::size_t>(n) < text.size()) {
      text.resize(static_cast<std::size_t>(n));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

platform::Answer Ask(const wchar_t* title, const std::wstring& message) {
  std::wstring body = message + L"\nPress [Y]es to terminate,[N]o to continue and [C]ancel to Debug";
  platform::Answer answer = platform::Get().AskQuestion(title, body);
  if (answer == platform::Answer::Cancel) platform::Get().BreakIntoDebugger();
  return answer;
}

}  // namespace

HRESULT CheckResult(HRESULT code, const char* expression, const char* file, int line) {
  if (SUCCEEDED(code)) return code;
  // %ls keeps the wide/narrow meaning the same on every C library.
  std::wstring where = Widen(file), what = Widen(expression);
  std::optional<std::wstring> text = platform::Get().DescribeError(code);
  std::wstring message =
      text ? Format(L"'%ls': %ls @ %ls/%d", what.c_str(), text->c_str(), where.c_str(), line)
           : Format(L"(%ls) Error: %lX (%ld) @ %ls/%d", what.c_str(),
                    static_cast<unsigned long>(static_cast<std::uint32_t>(code)), static_cast<long>(code), where.c_str(), line);
  if (Ask(L"HRCHECK: ", message) == platform::Answer::Yes) throw AutomationError(code, message);
  return code;
}

void ReportAssertion(const char* expression, const char* file, int line) {
  std::wstring where = Widen(file), what = Widen(expression);
  if (Ask(L"_ASSERTE: ", Format(L"%ls @ %ls/%d", what.c_str(), where.c_str(), line)) ==
      platform::Answer::Yes)
    throw AutomationError(E_FAIL, Format(L"%ls failed - %ls/%d", what.c_str(), where.c_str(), line));
}

}  // namespace kxua
