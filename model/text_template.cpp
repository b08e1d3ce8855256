#include "model/text_template.h"

#include <optional>

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

// Copies `pattern`, "%%" as "%", and hands every other "%" to `fill` with the
// place just after it. `fill` appends what its directive gives and returns where
// the pattern goes on, or nothing when no directive of its kind starts there: the
// "%" then stands as it is, and what follows it is plain text.
template <class Fill>
std::wstring Expand(const std::wstring& pattern, Fill fill) {
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
    } else if (const std::optional<std::size_t> next = fill(at, out)) {
      at = *next;
    } else {
      out += L'%';
    }
  }
  return out;
}

}  // namespace

std::wstring TemplateArgument::ToText() const {
  if (const auto* text = std::get_if<std::wstring>(&value_)) return *text;
  if (const auto* number = std::get_if<std::int64_t>(&value_)) return std::to_wstring(*number);
  return std::to_wstring(std::get<std::uint64_t>(value_));
}

std::wstring FillTemplate(const std::wstring& pattern,
                          const std::vector<TemplateArgument>& arguments) {
  auto next = arguments.begin();
  return Expand(pattern, [&](std::size_t at, std::wstring& out) -> std::optional<std::size_t> {
    std::size_t length = 0;
    const Kind kind = DirectiveAt(pattern, at, length);
    if (next == arguments.end() || kind == Kind::None || (kind == Kind::Text) != next->IsText())
      return std::nullopt;
    out += next->ToText();
    ++next;
    return at + length;
  });
}

std::wstring FillPositional(const std::wstring& pattern, const std::vector<std::wstring>& arguments) {
  // More digits than any argument count could need: read as plain text, not as a number.
  constexpr std::size_t kLongestPosition = 4;
  return Expand(pattern, [&](std::size_t at, std::wstring& out) -> std::optional<std::size_t> {
    std::size_t end = at;
    std::size_t position = 0;
    while (end < pattern.size() && end - at < kLongestPosition && pattern[end] >= L'0' &&
           pattern[end] <= L'9')
      position = position * 10 + static_cast<std::size_t>(pattern[end++] - L'0');
    if (end == at || end >= pattern.size() || pattern[end] != L'%' || position == 0)
      return std::nullopt;
    if (position <= arguments.size()) out += arguments[position - 1];
    return end + 1;
  });
}

}  // namespace kxua
