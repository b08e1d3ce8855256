// Text placement shared by every canvas and by the controls that size themselves to
// their text, so that what is measured is exactly what is drawn on each platform.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kxua::platform {

struct TextLine {
  std::wstring text;
  Point origin;  // top-left of the line
  int width = 0;
};

// The single-line extent of a text in the font being laid out.
using MeasureLine = std::function<Size(const std::wstring& text)>;

// Breaks `text` into the lines text_format asks for within `rect`: explicit line
// breaks unless SingleLine; with WordBreak, lines wrap at spaces and a word wider
// than the rectangle is split; EndEllipsis ends the last line that fits (or an
// over-wide single line) with "..."; PathEllipsis keeps the last path segment of a
// single line and replaces what comes before it, from the middle, with "...".
// Alignment is applied horizontally (Center, Right) and vertically (VCenter,
// Bottom; on the whole block).
std::vector<TextLine> LayoutText(const MeasureLine& measure, const std::wstring& text,
                                 const Rect& rect, std::uint32_t format);

// The size the laid-out text covers: widest line, lines times line height.
Size TextBlockSize(const MeasureLine& measure, const std::wstring& text, int width,
                   std::uint32_t format);

// `text` cut to fit `width` with "..." at its end; unchanged when it fits.
std::wstring EndEllipsis(const MeasureLine& measure, const std::wstring& text, int width);
// `text` with the middle of its folders replaced by "..." so that it fits `width`,
// keeping the last segment (and as much of the start as fits).
std::wstring PathEllipsis(const MeasureLine& measure, const std::wstring& text, int width);

}  // namespace kxua::platform
