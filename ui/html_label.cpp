#include "ui/html_label.h"

#include <algorithm>

namespace kxua::ui {

namespace {

struct Line {
  std::vector<HtmlFragment> fragments;
  int width = 0;
  int height = 0;
  HtmlAlign align = HtmlAlign::Left;
  bool rule = false;
};

Size Measure(const platform::Font& font, const std::wstring& text) {
  return platform::Get().MeasureText(font, text);
}

bool SameLook(const HtmlFragment& a, const platform::Font& font, Color color, int anchor) {
  return a.anchor == anchor && a.color == color && a.font.name == font.name &&
         a.font.height == font.height && a.font.bold == font.bold &&
         a.font.italic == font.italic && a.font.underline == font.underline;
}

// Shortens `line` until it and "..." fit `width`, then appends "...".
void EndWithEllipsis(Line& line, int width) {
  if (line.fragments.empty()) return;
  const platform::Font font = line.fragments.back().font;
  const int dots = Measure(font, HtmlLabel::kEllipsis).width;
  while (!line.fragments.empty() && line.width + dots > width) {
    HtmlFragment& last = line.fragments.back();
    if (last.text.empty()) {
      line.fragments.pop_back();
      continue;
    }
    last.text.pop_back();
    const int w = Measure(last.font, last.text).width;
    line.width -= last.rect.Width() - w;
    last.rect.right = last.rect.left + w;
  }
  // "..." follows the last word, not the space after it.
  while (!line.fragments.empty() && !line.fragments.back().text.empty() &&
         line.fragments.back().text.back() == L' ') {
    HtmlFragment& f = line.fragments.back();
    f.text.pop_back();
    const int w = Measure(f.font, f.text).width;
    line.width -= f.rect.Width() - w;
    f.rect.right = f.rect.left + w;
  }
  if (line.fragments.empty()) return;
  HtmlFragment& last = line.fragments.back();
  last.text += HtmlLabel::kEllipsis;
  last.rect.right += dots;
  line.width += dots;
}

}  // namespace

HtmlLabel::HtmlLabel(Component* owner) : Control(owner) { SetParentColor(true); }

void HtmlLabel::SetHTMLText(const std::wstring& html) {
  if (html == html_) return;
  html_ = html;
  doc_ = ParseHtml(html_);
  hoveredAnchor_ = -1;
  if (AutoSize()) SetBounds(Left(), Top(), Width(), Height());
  Invalidate();
}

void HtmlLabel::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  if (AutoSize()) SetBounds(Left(), Top(), Width(), Height());
  Invalidate();
}

void HtmlLabel::SetEllipsis(bool on) {
  if (on == ellipsis_) return;
  ellipsis_ = on;
  Invalidate();
}

void HtmlLabel::SetURLColor(Color color) {
  if (color == urlColor_) return;
  urlColor_ = color;
  Invalidate();
}

void HtmlLabel::SetHoverFontColor(Color color) {
  hoverFontColor_ = color;
  Invalidate();
}

void HtmlLabel::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  Invalidate();
}

void HtmlLabel::SetVAlignment(VAlign align) {
  if (align == valign_) return;
  valign_ = align;
  Invalidate();
}

HtmlLayout HtmlLabel::Layout() const { return LayOut(Width(), Height(), false); }

HtmlLayout HtmlLabel::LayOut(int width, int height, bool forSize) const {
  const platform::Font base = Font();
  const Color baseColor = FontColor();
  const bool wrap = wordWrap_ && width > 0;
  const int baseHeight = Measure(base, L"").height;

  std::vector<Line> lines(1);
  int x = 0;
  auto endLine = [&] {
    lines.emplace_back();
    x = 0;
  };
  for (const HtmlItem& item : doc_.items) {
    if (item.kind == HtmlItem::Kind::LineBreak) {
      endLine();
      continue;
    }
    if (item.kind == HtmlItem::Kind::Rule) {
      if (!lines.back().fragments.empty()) endLine();
      lines.back().rule = true;
      endLine();
      continue;
    }
    platform::Font font = base;
    font.bold = font.bold || item.style.bold;
    font.italic = font.italic || item.style.italic;
    font.underline = font.underline || item.style.underline || item.style.anchor >= 0;
    if (item.style.pointSize > 0) font.height = -(item.style.pointSize * 96 + 36) / 72;
    Color color = item.style.color.value_or(baseColor);
    if (item.style.anchor >= 0)
      color = hover_ && item.style.anchor == hoveredAnchor_ ? HoverFontColor() : urlColor_;

    // Words and the spaces between them, so that lines break between words.
    const std::wstring& text = item.text;
    std::size_t i = 0;
    while (i < text.size()) {
      const bool space = text[i] == L' ';
      std::size_t end = i;
      while (end < text.size() && (text[end] == L' ') == space) ++end;
      const std::wstring piece = text.substr(i, end - i);
      i = end;
      const int w = Measure(font, piece).width;
      if (wrap && x > 0 && x + w > width) {
        endLine();
        if (space) continue;  // a line does not start with the spaces that broke it
      }
      Line& line = lines.back();
      line.align = item.align;
      if (!line.fragments.empty() && SameLook(line.fragments.back(), font, color, item.style.anchor)) {
        line.fragments.back().text += piece;
        line.fragments.back().rect.right += w;
      } else {
        HtmlFragment fragment;
        fragment.text = piece;
        fragment.rect = {x, 0, x + w, Measure(font, L"").height};
        fragment.font = font;
        fragment.color = color;
        fragment.anchor = item.style.anchor;
        line.fragments.push_back(std::move(fragment));
      }
      x += w;
      line.width = x;
    }
  }
  if (lines.size() > 1 && lines.back().fragments.empty() && !lines.back().rule) lines.pop_back();

  for (Line& line : lines) {
    line.height = line.rule ? kRuleHeight : baseHeight;
    for (const HtmlFragment& f : line.fragments) line.height = std::max(line.height, f.rect.Height());
  }

  if (!forSize && ellipsis_ && width > 0) {
    if (wrap && height > 0) {
      int used = 0;
      std::size_t keep = 0;
      while (keep < lines.size() && (keep == 0 || used + lines[keep].height <= height))
        used += lines[keep++].height;
      if (keep < lines.size()) {
        // The last line kept says that more was there.
        lines.resize(keep);
        Line& last = lines.back();
        const int dots =
            last.fragments.empty() ? 0 : Measure(last.fragments.back().font, kEllipsis).width;
        EndWithEllipsis(last, std::min(width, last.width + dots));
      }
    }
    for (Line& line : lines)
      if (line.width > width) EndWithEllipsis(line, width);
  }

  HtmlLayout layout;
  int total = 0, widest = 0;
  for (const Line& line : lines) {
    total += line.height;
    widest = std::max(widest, line.width);
  }
  int y = 0;
  if (!forSize && valign_ == VAlign::Center) y = (height - total) / 2;
  if (!forSize && valign_ == VAlign::Bottom) y = height - total;
  const int room = forSize || width <= 0 ? widest : width;
  for (Line& line : lines) {
    if (line.rule) layout.rules.push_back({y + line.height / 2, 0, room});
    int dx = 0;
    if (line.align == HtmlAlign::Center) dx = (room - line.width) / 2;
    if (line.align == HtmlAlign::Right) dx = room - line.width;
    for (HtmlFragment& f : line.fragments) {
      // Runs of different sizes share the line's bottom.
      const int h = f.rect.Height();
      f.rect = {f.rect.left + dx, y + line.height - h, f.rect.right + dx, y + line.height};
      layout.fragments.push_back(std::move(f));
    }
    y += line.height;
  }
  layout.size = {widest, total};
  return layout;
}

Size HtmlLabel::PreferredSize(int width, int height) {
  const Size text = LayOut(wordWrap_ ? width : 0, height, true).size;
  return {wordWrap_ ? width : text.width, text.height};
}

int HtmlLabel::AnchorIndexAt(Point point) const {
  for (const HtmlFragment& f : Layout().fragments)
    if (f.anchor >= 0 && point.x >= f.rect.left && point.x < f.rect.right &&
        point.y >= f.rect.top && point.y < f.rect.bottom)
      return f.anchor;
  return -1;
}

std::optional<std::wstring> HtmlLabel::AnchorAt(Point point) const {
  const int index = AnchorIndexAt(point);
  if (index < 0) return std::nullopt;
  return doc_.anchors[static_cast<std::size_t>(index)];
}

void HtmlLabel::Paint(platform::Canvas& canvas, const Rect& bounds) {
  if (!transparent_) canvas.FillRect(bounds, GetColor());
  const HtmlLayout layout = Layout();
  for (const HtmlFragment& f : layout.fragments)
    canvas.DrawText({bounds.left + f.rect.left, bounds.top + f.rect.top, bounds.left + f.rect.right,
                     bounds.top + f.rect.bottom},
                    f.font, f.color, f.text, platform::text_format::SingleLine);
  for (const HtmlRule& rule : layout.rules)
    canvas.Line({bounds.left + rule.left, bounds.top + rule.top},
                {bounds.left + rule.right, bounds.top + rule.top}, FontColor());
}

platform::Cursor HtmlLabel::CursorAt(Point point) {
  return AnchorIndexAt(point) >= 0 ? platform::Cursor::Hand : GetCursor();
}

void HtmlLabel::MouseMove(Point point) {
  const int index = AnchorIndexAt(point);
  if (index == hoveredAnchor_) return;
  const int left = hoveredAnchor_;
  hoveredAnchor_ = index;
  if (hover_) Invalidate();
  if (left >= 0) Fire(OnAnchorExit, point, doc_.anchors[static_cast<std::size_t>(left)]);
  if (index >= 0 && index == hoveredAnchor_)
    Fire(OnAnchorEnter, point, doc_.anchors[static_cast<std::size_t>(index)]);
}

void HtmlLabel::MouseLeave() {
  if (hoveredAnchor_ >= 0) {
    const int left = hoveredAnchor_;
    hoveredAnchor_ = -1;
    if (hover_) Invalidate();
    Fire(OnAnchorExit, {}, doc_.anchors[static_cast<std::size_t>(left)]);
  }
  Control::MouseLeave();
}

void HtmlLabel::Click(Point point) {
  const int index = AnchorIndexAt(point);
  if (index >= 0) Fire(OnAnchorClick, point, doc_.anchors[static_cast<std::size_t>(index)]);
  Control::Click(point);
}

}  // namespace kxua::ui
