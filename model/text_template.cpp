#include "model/text_template.h"

namespace kxua {

namespace {

enum class Kind { Text, Integer, None };

// The kind of argument the directive starting at `pattern[at]` (just after its
// "%") takes, and its length; None for anything this formatter does not fill.
Kind DirectiveAt(const std::wstring& pattern, std::size_t at, std::size_t& length) {
  length = 0;
  if (at < pattern.size() && pattern[at] == L'l') length = 1;  // "l" changes nothing for us
  if (at + length >= pattern.size()) return Kind::None;
  const wchar_t conversion = pattern[at + length];
  ++length;
  switch (conversion) {
    case L's': return Kind::Text;
    case L'd':
    case L'i':
    case L'u': return Kind::Integer;
    default: return Kind::None;
  }
}

}  // namespace

std::wstring TemplateArgument::ToText() const {
  if (const auto* text = std::get_if<std::wstring>(&value_)) return *text;
  if (const auto* number = std::get_if<std::int64_t>(&value_)) return std::to_wstring(*number);
  return std::to_wstring(std::get<std::uint64_t>(value_));
}

std::wstring FillTemplate(const std::wstring& pattern,
                          const std::vector<TemplateArgument>& arguments) {
  std::wstring out;
  out.reserve(pattern.size());
  auto next = arguments.begin();
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::size_t percent = pattern.find(L'%', at);
    if (percent == std::wstring::npos) {
      out.append(pattern, at, std::wstring::npos);
      break;
    }
    out.append(pattern, at, percent - at);
    at = percent + 1;
    if (at < pattern.size() && pattern[at] == L'%') {
      out += L'%';
      ++at;
      continue;
    }
    std::size_t length = 0;
    const Kind kind = DirectiveAt(pattern, at, length);
    const bool takes = next != arguments.end() && kind != Kind::None &&
                       (kind == Kind::Text) == next->IsText();
    if (!takes) {
      out += L'%';  // the rest of a directive we do not fill follows as plain text
      continue;
    }
    out += next->ToText();
    ++next;
    at += length;
  }
  return out;
}

std::wstring FillPositional(const std::wstring& pattern, const std::vector<std::wstring>& arguments) {
  // More digits than any argument count could need: read as plain text, not as a number.
  constexpr std::size_t kLongestPosition = 4;
  std::wstring out;
  out.reserve(pattern.size());
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::size_t percent = pattern.find(L'%', at);
    if (percent == std::wstring::npos) {
      out.append(pattern, at, std::wstring::npos);
      break;
    }
    out.append(pattern, at, percent - at);
    at = percent + 1;
    if (at < pattern.size() && pattern[at] == L'%') {
      out += L'%';
      ++at;
      continue;
    }
    std::size_t end = at;
    std::size_t position = 0;
    while (end < pattern.size() && end - at < kLongestPosition && pattern[end] >= L'0' &&
           pattern[end] <= L'9')
      position = position * 10 + static_cast<std::size_t>(pattern[end++] - L'0');
    if (end == at || end >= pattern.size() || pattern[end] != L'%' || position == 0) {
      out += L'%';  // not a positional directive: shown as it stands
      continue;
    }
    if (position <= arguments.size()) out += arguments[position - 1];
    at = end + 1;
  }
  return out;
}

}  // namespace kxua
