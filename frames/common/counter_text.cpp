#include "frames/common/counter_text.h"

#include <cwchar>
#include <cwctype>

#include <boost/format.hpp>

namespace kxua {

namespace {

constexpr std::uint32_t kPlainFrom = 100;
constexpr std::uint32_t kPositionOnlyFrom = 10000;
// Boost.Format pads to whatever width a directive names; a counter needs two digits.
constexpr std::size_t kLongestNumberInDirective = 2;

// True when a directive's width or precision runs to more digits than a counter
// could use. Positional "%N%" and "%%" are read past; any other directive is
// scanned up to its conversion letter.
bool AsksForHugeField(const std::wstring& format) {
  std::size_t i = 0;
  while ((i = format.find(L'%', i)) != std::wstring::npos) {
    std::size_t j = i + 1;
    std::size_t digits = 0;
    while (j < format.size() && std::iswdigit(format[j])) ++j, ++digits;
    if (j < format.size() && format[j] == L'%') {  // "%%" or "%N%"
      i = j + 1;
      continue;
    }
    std::size_t run = digits;
    for (; j < format.size(); ++j) {
      const wchar_t c = format[j];
      if (std::iswdigit(c)) {
        if (++run > kLongestNumberInDirective) return true;
      } else if (std::wcschr(L"$.-+# '|*lhLqjzt", c) != nullptr) {
        run = 0;
      } else {
        break;
      }
    }
    if (digits > kLongestNumberInDirective) return true;
    i = j;
  }
  return false;
}

std::wstring Format(const std::wstring& format, std::uint32_t position, std::uint32_t count,
                    bool withCount) {
  boost::wformat text(format);
  // Argument-count errors are off; a malformed format still throws.
  text.exceptions(boost::io::all_error_bits ^
                  (boost::io::too_many_args_bit | boost::io::too_few_args_bit));
  text % position;
  if (withCount) text % count;
  return text.str();
}

}  // namespace

std::wstring CounterText(const std::wstring& format, std::uint32_t position, std::uint32_t count) {
  if (count >= kPositionOnlyFrom) return Format(L"%1%", position, count, false);
  if (count >= kPlainFrom || format.empty() || AsksForHugeField(format))
    return Format(kPlainCounterFormat, position, count, true);
  try {
    return Format(format, position, count, true);
  } catch (const boost::io::format_error&) {
    return Format(kPlainCounterFormat, position, count, true);
  }
}

}  // namespace kxua
