#include "platform/text_layout.h"

#include <algorithm>

namespace kxua::platform {

namespace {

constexpr wchar_t kEllipsis[] = L"...";

bool Fits(const MeasureLine& measure, const std::wstring& text, int width) {
  return measure(text).width <= width;
}

// Splits at explicit line breaks (CR LF, CR or LF).
std::vector<std::wstring> SplitParagraphs(const std::wstring& text) {
  std::vector<std::wstring> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

// The longest prefix of `word` (at least one character) that fits `width`.
std::size_t FittingPrefix(const MeasureLine& measure, const std::wstring& word, int width) {
  std::size_t n = 1;
  while (n < word.size() && Fits(measure, word.substr(0, n + 1), width)) ++n;
  return n;
}

void WrapParagraph(const MeasureLine& measure, const std::wstring& paragraph, int width,
                   std::vector<std::wstring>& out) {
  std::wstring line;
  std::size_t i = 0;
  if (paragraph.empty()) {
    out.emplace_back();
    return;
  }
  while (i < paragraph.size()) {
    // The next word with the spaces before it.
    std::size_t end = i;
    while (end < paragraph.size() && paragraph[end] == L' ') ++end;
    while (end < paragraph.size() && paragraph[end] != L' ') ++end;
    std::wstring piece = paragraph.substr(i, end - i);
    if (Fits(measure, line + piece, width)) {
      line += piece;
      i = end;
      continue;
    }
    if (!line.empty()) {  // the word starts the next line, without its spaces
      out.push_back(line);
      line.clear();
      std::size_t start = piece.find_first_not_of(L' ');
      i += start == std::wstring::npos ? piece.size() : start;
      continue;
    }
    // A word wider than the line on its own is split where it must be.
    std::size_t start = piece.find_first_not_of(L' ');
    if (start == std::wstring::npos) start = piece.size();
    std::wstring word = piece.substr(start);
    if (word.empty()) {
      i = end;
      continue;
    }
    const std::size_t n = FittingPrefix(measure, word, width);
    out.push_back(word.substr(0, n));
    i += start + n;
  }
  if (!line.empty()) out.push_back(line);
}

std::vector<std::wstring> BreakLines(const MeasureLine& measure, const std::wstring& text,
                                     int width, std::uint32_t format) {
  if ((format & text_format::SingleLine) != 0) {
    std::wstring line = text;
    std::replace(line.begin(), line.end(), L'\r', L' ');
    std::replace(line.begin(), line.end(), L'\n', L' ');
    return {line};
  }
  std::vector<std::wstring> lines;
  for (const std::wstring& paragraph : SplitParagraphs(text)) {
    if ((format & text_format::WordBreak) != 0 && width > 0)
      WrapParagraph(measure, paragraph, width, lines);
    else
      lines.push_back(paragraph);
  }
  return lines;
}

}  // namespace

std::wstring EndEllipsis(const MeasureLine& measure, const std::wstring& text, int width) {
  if (Fits(measure, text, width)) return text;
  std::wstring cut = text;
  while (!cut.empty() && !Fits(measure, cut + kEllipsis, width)) cut.pop_back();
  return cut + kEllipsis;
}

std::wstring PathEllipsis(const MeasureLine& measure, const std::wstring& text, int width) {
  if (Fits(measure, text, width)) return text;
  const std::size_t slash = text.find_last_of(L"\\/");
  if (slash == std::wstring::npos || slash == 0) return EndEllipsis(measure, text, width);
  const std::wstring last = text.substr(slash);  // with its separator
  std::wstring head = text.substr(0, slash);
  while (!head.empty() && !Fits(measure, head + kEllipsis + last, width)) head.pop_back();
  if (head.empty()) return EndEllipsis(measure, kEllipsis + last, width);
  return head + kEllipsis + last;
}

std::vector<TextLine> LayoutText(const MeasureLine& measure, const std::wstring& text,
                                 const Rect& rect, std::uint32_t format) {
  const int width = rect.Width();
  std::vector<std::wstring> lines = BreakLines(measure, text, width, format);
  const int lineHeight = measure(L"").height;
  const bool single = lines.size() == 1;
  if (single && (format & text_format::PathEllipsis) != 0)
    lines[0] = PathEllipsis(measure, lines[0], width);
  if ((format & text_format::EndEllipsis) != 0) {
    // Lines that would fall below the rectangle go; the last one kept says so.
    const int room = lineHeight > 0 ? std::max(1, rect.Height() / lineHeight) : 1;
    bool cut = false;
    if (static_cast<int>(lines.size()) > room) {
      lines.resize(static_cast<std::size_t>(room));
      cut = true;
    }
    std::wstring& last = lines.back();
    if (cut) {
      std::wstring marked = last + kEllipsis;
      last = Fits(measure, marked, width) ? marked : EndEllipsis(measure, marked, width);
    } else {
      last = EndEllipsis(measure, last, width);
    }
  }

  const int blockHeight = lineHeight * static_cast<int>(lines.size());
  int y = rect.top;
  if ((format & text_format::VCenter) != 0)
    y += (rect.Height() - blockHeight) / 2;
  else if ((format & text_format::Bottom) != 0)
    y += rect.Height() - blockHeight;

  std::vector<TextLine> result;
  for (std::wstring& line : lines) {
    const int lineWidth = measure(line).width;
    int x = rect.left;
    if ((format & text_format::Center) != 0)
      x += (width - lineWidth) / 2;
    else if ((format & text_format::Right) != 0)
      x += width - lineWidth;
    result.push_back({std::move(line), {x, y}, lineWidth});
    y += lineHeight;
  }
  return result;
}

Size TextBlockSize(const MeasureLine& measure, const std::wstring& text, int width,
                   std::uint32_t format) {
  const int lineHeight = measure(L"").height;
  const auto lines = BreakLines(measure, text, width, format);
  int widest = 0;
  for (const std::wstring& line : lines) widest = std::max(widest, measure(line).width);
  return {widest, lineHeight * static_cast<int>(lines.size())};
}

}  // namespace kxua::platform
