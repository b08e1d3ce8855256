// The small markup language of the HTML label: bold, italic and underline, line
// breaks, paragraphs with an alignment, fonts with a size (in points) and a colour,
// horizontal rules and anchors. Tag names and attribute names ignore case. Anything
// that is not a well-formed tag ("a < b", a "<" never closed) is text; tags it does
// not know are dropped; closing tags without an opening one change nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kxua::ui {

enum class HtmlAlign { Left, Center, Right };

struct HtmlStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int pointSize = 0;  // 0: the label's own size
  std::optional<platform::Color> color;
  int anchor = -1;  // index into HtmlDocument::anchors
};

struct HtmlItem {
  enum class Kind { Text, LineBreak, Rule };
  Kind kind = Kind::Text;
  std::wstring text;
  HtmlStyle style;
  HtmlAlign align = HtmlAlign::Left;
};

struct HtmlDocument {
  std::vector<HtmlItem> items;
  std::vector<std::wstring> anchors;  // the targets, in order of appearance
};

HtmlDocument ParseHtml(const std::wstring& markup);

}  // namespace kxua::ui
