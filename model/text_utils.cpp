#include "model/text_utils.h"

#include "model/zym_utils.h"

namespace kxua {

namespace {

constexpr wchar_t kEllipsis[] = L"...";
constexpr std::size_t kEllipsisLength = 3;

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

wchar_t UpperAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? c - (L'a' - L'A') : c; }

// "<BR>" or "<HR>" in any letter case at `at`.
bool IsLineBreakTag(const std::wstring& text, std::size_t at) {
  if (text.size() - at < 4 || text[at] != L'<' || text[at + 3] != L'>') return false;
  const wchar_t first = UpperAscii(text[at + 1]);
  return (first == L'B' || first == L'H') && UpperAscii(text[at + 2]) == L'R';
}

// Removes every section from `start` to the next `end`, markers included, as if the
// first remaining one were removed again and again: a section's removal may join a
// new start marker out of the text on both sides of it, and that one counts too.
std::wstring RemoveSections(const std::wstring& text, const std::wstring& start,
                            const std::wstring& end) {
  std::wstring out;
  out.reserve(text.size());
  std::size_t read = 0;
  while (read < text.size()) {
    out += text[read++];
    if (out.size() < start.size() || out.compare(out.size() - start.size(), start.size(), start) != 0)
      continue;
    const std::size_t close = text.find(end, read);
    if (close == std::wstring::npos) {  // nothing closes it: the step ends here
      out.append(text, read, std::wstring::npos);
      return out;
    }
    out.resize(out.size() - start.size());
    read = close + end.size();
  }
  return out;
}

}  // namespace

std::wstring TranslateMultiline(CZYMUtils& utils, const std::wstring& text) {
  const std::size_t last = text.find_last_not_of(L"\r\n");
  if (last == std::wstring::npos) return {};
  if (last + 1 == text.size()) return utils.Translate(text);
  return utils.Translate(text.substr(0, last + 1)) + text.substr(last + 1);
}

std::wstring FitTextToWidth(const std::wstring& text, const platform::Font& font, int width) {
  if (width <= 0) return text;
  platform::TextMetrics& metrics = platform::Get();
  const auto fits = [&](std::size_t length) {
    return metrics.MeasureText(font, text.substr(0, length)).width < width;
  };
  if (fits(text.size())) return text;
  // The longest beginning that fits, found by halving rather than by dropping one
  // character at a time: notification texts run to tens of thousands of characters
  // and every measurement is a system call. The empty beginning always fits.
  std::size_t fitting = 0, tooWide = text.size();
  while (tooWide - fitting > 1) {
    const std::size_t middle = fitting + (tooWide - fitting) / 2;
    (fits(middle) ? fitting : tooWide) = middle;
  }
  // The ellipsis takes the room of the last three characters that fitted.
  std::size_t kept = fitting > kEllipsisLength ? fitting - kEllipsisLength : 0;
  if (kept > 0 && IsHighSurrogate(text[kept - 1])) --kept;  // never half a character
  return text.substr(0, kept) + kEllipsis;
}

std::wstring StripMarkup(const std::wstring& text) {
  std::wstring lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLineBreakTag(text, i)) {
      lines += L'\n';
      i += 3;
    } else {
      lines += text[i];
    }
  }
  const std::wstring shown = RemoveSections(RemoveSections(lines, L"<z>", L"</z>"), L"<Z>", L"</Z>");

  std::wstring plain;
  plain.reserve(shown.size());
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] != L'<') {
      plain += shown[i];
      continue;
    }
    const std::size_t close = shown.find(L'>', i + 1);
    if (close == std::wstring::npos) {  // not a tag: kept, with what follows
      plain.append(shown, i, std::wstring::npos);
      break;
    }
    i = close;
  }
  return plain;
}

std::wstring EscapeMarkup(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    switch (c) {
      case L'&': out += L"&amp;"; break;
      case L'<': out += L"&lt;"; break;
      case L'>': out += L"&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace kxua
