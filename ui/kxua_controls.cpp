#include "ui/kxua_controls.h"

namespace kxua::ui {

namespace tf = platform::text_format;

namespace {

std::uint32_t FormatOf(TextAlignment alignment, VerticalLayout layout) {
  std::uint32_t format = tf::SingleLine;
  if (alignment == TextAlignment::Center) format |= tf::Center;
  if (alignment == TextAlignment::Right) format |= tf::Right;
  if (layout == VerticalLayout::Center) format |= tf::VCenter;
  if (layout == VerticalLayout::Bottom) format |= tf::Bottom;
  return format;
}

// The picture centred in `bounds` at its own size.
Rect Centred(const Rect& bounds, const platform::Bitmap& picture) {
  const int left = bounds.left + (bounds.Width() - picture.width) / 2;
  const int top = bounds.top + (bounds.Height() - picture.height) / 2;
  return {left, top, left + picture.width, top + picture.height};
}

}  // namespace

// --- KXUAPaintBoxPngLux -----------------------------------------------------------

void KXUAPaintBoxPngLux::SetResourceID(int id) {
  if (id == resourceId_) return;
  resourceId_ = id;
  Invalidate();
}

void KXUAPaintBoxPngLux::SetPathModule(KXUAResourcePath* path) {
  pathModule_ = path;
  Invalidate();
}

void KXUAPaintBoxPngLux::SetBackColor(Color color) {
  backColor_ = color;
  Invalidate();
}

void KXUAPaintBoxPngLux::SetBackColors(KXUAColors* colors) {
  backColors_ = colors;
  Invalidate();
}

void KXUAPaintBoxPngLux::SetBorderVisible(bool on) {
  borderVisible_ = on;
  Invalidate();
}

void KXUAPaintBoxPngLux::SetBorderWidth(int width) {
  borderWidth_ = width < 0 ? 0 : width;
  Invalidate();
}

void KXUAPaintBoxPngLux::SetBorderOpacity(std::uint8_t opacity) {
  borderOpacity_ = opacity;
  Invalidate();
}

void KXUAPaintBoxPngLux::SetBorderColor(Color color) {
  borderColor_ = color;
  Invalidate();
}

std::shared_ptr<const platform::Bitmap> KXUAPaintBoxPngLux::Picture() const {
  return pathModule_ != nullptr ? pathModule_->Png(resourceId_) : nullptr;
}

void KXUAPaintBoxPngLux::Paint(platform::Canvas& canvas, const Rect& bounds) {
  Color background = Parent() != nullptr ? Parent()->GetColor() : kWhite;
  if (backColors_ != nullptr) {
    background = Mix(backColors_->ColorOf(ButtonFace::Up), background,
                     backColors_->OpacityOf(ButtonFace::Up));
    canvas.FillRect(bounds, background);
  } else if (backColor_) {
    background = *backColor_;
    canvas.FillRect(bounds, background);
  }
  if (auto picture = Picture()) canvas.DrawBitmap(Centred(bounds, *picture), *picture, 255);
  if (borderVisible_ && borderWidth_ > 0)
    canvas.FrameRect(bounds, Mix(borderColor_, background, borderOpacity_), borderWidth_);
}

// --- KXUAButtonSkin --------------------------------------------------------------

KXUAButtonSkin::KXUAButtonSkin(Component* owner) : Control(owner) {
  SetCursor(platform::Cursor::Hand);
}

void KXUAButtonSkin::SetBkGndColor(int selector, Color color) {
  if (selector < 0 || selector > 3) return;
  background_[static_cast<std::size_t>(selector)] = color;
  Invalidate();
}

void KXUAButtonSkin::SetFontColor(int selector, Color color) {
  if (selector < 0 || selector > 3) return;
  font_[static_cast<std::size_t>(selector)] = color;
  Invalidate();
}

void KXUAButtonSkin::SetFillColor(Color color) {
  fill_ = color;
  Invalidate();
}

void KXUAButtonSkin::SetBorderColor(Color color) {
  border_ = color;
  Invalidate();
}

void KXUAButtonSkin::SetAlignment(TextAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void KXUAButtonSkin::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

SkinState KXUAButtonSkin::State() const {
  if (!Enabled()) return SkinState::Disabled;
  if (down_ && over_) return SkinState::Down;
  if (over_) return SkinState::Over;
  return SkinState::Normal;
}

void KXUAButtonSkin::Paint(platform::Canvas& canvas, const Rect& bounds) {
  const auto state = static_cast<std::size_t>(State());
  const Color behind = Parent() != nullptr ? Parent()->GetColor() : kWhite;
  const Color background = background_[state].value_or(background_[0].value_or(behind));
  if (!transparent_) canvas.FillRect(bounds, background);
  // The fill and border mark the button while the mouse is on it.
  if (State() == SkinState::Over || State() == SkinState::Down) {
    if (fill_ && !transparent_) canvas.FillRect(bounds, *fill_);
    if (border_) canvas.FrameRect(bounds, *border_, 1);
  }
  const Color text = font_[state].value_or(font_[0].value_or(FontColor()));
  canvas.DrawText(bounds, Font(), text, Caption(), FormatOf(alignment_, VerticalLayout::Center));
}

void KXUAButtonSkin::MouseEnter() {
  over_ = true;
  Invalidate();
  Control::MouseEnter();
}

void KXUAButtonSkin::MouseLeave() {
  over_ = false;
  Invalidate();
  Control::MouseLeave();
}

void KXUAButtonSkin::MouseDown(const Event& event) {
  down_ = true;
  Invalidate();
  Control::MouseDown(event);
}

void KXUAButtonSkin::MouseUp(const Event& event) {
  down_ = false;
  Invalidate();
  Control::MouseUp(event);
}

// --- KXUAButtonLuxEx -------------------------------------------------------------

KXUAButtonLuxEx::KXUAButtonLuxEx(Component* owner) : Control(owner) {
  SetCursor(platform::Cursor::Hand);
  SetFontColor(kWhite);
}

void KXUAButtonLuxEx::SetBackColors(KXUAColors* colors) {
  backColors_ = colors;
  Invalidate();
}

void KXUAButtonLuxEx::SetFondo(KXUAImagesPngLuxEx* images) {
  fondo_ = images;
  Invalidate();
}

void KXUAButtonLuxEx::SetFontColorDisable(Color color) {
  fontColorDisable_ = color;
  Invalidate();
}

void KXUAButtonLuxEx::SetOuterBorder(const Border& border) {
  outer_ = border;
  Invalidate();
}

void KXUAButtonLuxEx::SetInnerBorder(const Border& border) {
  inner_ = border;
  Invalidate();
}

void KXUAButtonLuxEx::SetActiveAreaText(bool on) {
  activeAreaText_ = on;
  Invalidate();
}

void KXUAButtonLuxEx::SetAreaText(const TextArea& area) {
  area_ = area;
  Invalidate();
}

ButtonFace KXUAButtonLuxEx::Face() const {
  if (!Enabled()) return ButtonFace::Disabled;
  if (down_ && over_) return ButtonFace::Clicked;
  if (over_) return ButtonFace::Over;
  return ButtonFace::Up;
}

void KXUAButtonLuxEx::SetEnabled(bool enabled) {
  if (!enabled) over_ = down_ = false;
  Control::SetEnabled(enabled);
}

void KXUAButtonLuxEx::Paint(platform::Canvas& canvas, const Rect& bounds) {
  const ButtonFace face = Face();
  Color fill = Parent() != nullptr ? Parent()->GetColor() : kWhite;
  if (fondo_ != nullptr) {
    if (auto picture = fondo_->Face(face))
      canvas.DrawBitmap(Centred(bounds, *picture), *picture, 255);
  } else if (backColors_ != nullptr) {
    fill = Mix(backColors_->ColorOf(face), fill, backColors_->OpacityOf(face));
    canvas.FillRect(bounds, fill);
  }
  Rect inside = bounds;
  if (outer_.visible && outer_.width > 0) {
    canvas.FrameRect(inside, Mix(kBlack, fill, 64), outer_.width);
    inside = {inside.left + outer_.width, inside.top + outer_.width, inside.right - outer_.width,
              inside.bottom - outer_.width};
  }
  if (inner_.visible && inner_.width > 0) canvas.FrameRect(inside, Mix(kWhite, fill, 96), inner_.width);
  if (Caption().empty()) return;
  Rect area = bounds;
  TextAlignment alignment = TextAlignment::Center;
  VerticalLayout layout = VerticalLayout::Center;
  if (activeAreaText_) {
    if (area_.right > 0) area.right = bounds.left + area_.right;
    if (area_.bottom > 0) area.bottom = bounds.top + area_.bottom;
    alignment = area_.alignment;
    layout = area_.layout;
  }
  canvas.DrawText(area, Font(), Enabled() ? FontColor() : fontColorDisable_, Caption(),
                  FormatOf(alignment, layout) | tf::EndEllipsis);
}

void KXUAButtonLuxEx::MouseEnter() {
  over_ = true;
  Invalidate();
  Control::MouseEnter();
}

void KXUAButtonLuxEx::MouseLeave() {
  over_ = false;
  Invalidate();
  Control::MouseLeave();
}

void KXUAButtonLuxEx::MouseDown(const Event& event) {
  down_ = true;
  Invalidate();
  Control::MouseDown(event);
}

void KXUAButtonLuxEx::MouseUp(const Event& event) {
  down_ = false;
  Invalidate();
  Control::MouseUp(event);
}

// --- KXUATransPanel --------------------------------------------------------------

KXUATransPanel::KXUATransPanel(Component* owner) : Panel(owner) {
  SetTransparent(true);
  SetParentColor(true);
  SetAutoSize(true);
}

}  // namespace kxua::ui
