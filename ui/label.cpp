#include "ui/label.h"

#include "platform/text_layout.h"

namespace kxua::ui {

namespace tf = platform::text_format;

Label::Label(Component* owner) : Control(owner) {
  SetParentColor(true);
  SetAutoSize(true);
}

void Label::Refit() {
  if (AutoSize()) SetBounds(Left(), Top(), Width(), Height());
  Invalidate();
}

void Label::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  Refit();
}

void Label::SetEllipsis(EllipsisPosition position) {
  if (position == ellipsis_) return;
  ellipsis_ = position;
  Invalidate();
}

void Label::SetAlignment(TextAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void Label::SetLayout(VerticalLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void Label::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  Invalidate();
}

void Label::SetShowAccelChar(bool on) {
  if (on == showAccelChar_) return;
  showAccelChar_ = on;
  Refit();
}

std::wstring Label::DisplayText() const {
  const std::wstring& caption = Caption();
  if (!showAccelChar_ || caption.find(L'&') == std::wstring::npos) return caption;
  std::wstring shown;
  shown.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    // The access key is not underlined: toasts take no keyboard focus to use it.
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

std::uint32_t Label::Format() const {
  std::uint32_t format = 0;
  if (alignment_ == TextAlignment::Center) format |= tf::Center;
  if (alignment_ == TextAlignment::Right) format |= tf::Right;
  if (layout_ == VerticalLayout::Center) format |= tf::VCenter;
  if (layout_ == VerticalLayout::Bottom) format |= tf::Bottom;
  if (wordWrap_) format |= tf::WordBreak;
  if (ellipsis_ == EllipsisPosition::End) format |= tf::EndEllipsis;
  if (ellipsis_ == EllipsisPosition::Path) format |= tf::PathEllipsis;
  return format;
}

Size Label::PreferredSize(int width, int height) {
  const platform::Font font = Font();
  auto measure = [&](const std::wstring& s) { return platform::Get().MeasureText(font, s); };
  const Size text = platform::TextBlockSize(measure, DisplayText(), width, Format());
  // A wrapping label keeps its width and grows downwards.
  return {wordWrap_ ? width : text.width, text.height};
}

void Label::Paint(platform::Canvas& canvas, const Rect& bounds) {
  if (!transparent_) canvas.FillRect(bounds, GetColor());
  canvas.DrawText(bounds, Font(), FontColor(), DisplayText(), Format());
}

}  // namespace kxua::ui
