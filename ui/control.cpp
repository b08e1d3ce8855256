#include "ui/control.h"

#include <algorithm>

#include "ui/windowed_control.h"

namespace kxua::ui {

Control::Control(Component* owner) : Component(owner) {}

Control::~Control() {
  DestroyComponents();
  if (WindowedControl* host = parent_ != nullptr ? parent_->HostWindow() : nullptr)
    host->Forget(*this);
  for (Control* child : controls_) child->parent_ = nullptr;
  if (parent_ != nullptr) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    if (!parent_->aligning_ && !parent_->Destroying()) parent_->Realign();
  }
}

void Control::SetParent(Control* parent) {
  if (parent == parent_ || parent == this) return;
  if (parent_ != nullptr) {
    if (WindowedControl* host = parent_->HostWindow()) host->Forget(*this);
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_->Realign();
    parent_->Invalidate();
  }
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->controls_.push_back(this);
    // The parent's font may be a new one to fit.
    if (parentFont_) ParentFontChanged();
    parent_->Realign();
  }
  Invalidate();
}

WindowedControl* Control::HostWindow() {
  for (Control* c = this; c != nullptr; c = c->parent_)
    if (c->IsWindowed()) return static_cast<WindowedControl*>(c);
  return nullptr;
}

Point Control::OriginInWindow() {
  Point origin;
  for (Control* c = this; c != nullptr && !c->IsWindowed(); c = c->parent_) {
    origin.x += c->left_;
    origin.y += c->top_;
  }
  return origin;
}

Size Control::Constrain(Size size) const {
  const SizeConstraints& c = constraints_;
  if (c.maxWidth > 0) size.width = std::min(size.width, c.maxWidth);
  if (c.maxHeight > 0) size.height = std::min(size.height, c.maxHeight);
  size.width = std::max({size.width, c.minWidth, 0});
  size.height = std::max({size.height, c.minHeight, 0});
  return size;
}

Size Control::AutoSized(int width, int height) {
  if (!autoSize_ || autoSizeSuspended_ > 0) return {width, height};
  const Size wanted = PreferredSize(width, height);
  // The parent decides the dimensions the alignment stretches.
  switch (align_) {
    case Align::Top:
    case Align::Bottom: return {width, wanted.height};
    case Align::Left:
    case Align::Right: return {wanted.width, height};
    case Align::Client: return {width, height};
    case Align::None: break;
  }
  return wanted;
}

void Control::SetBounds(int left, int top, int width, int height) {
  CanResize(width, height);
  const Size size = Constrain(AutoSized(width, height));
  const bool moved = left != left_ || top != top_;
  const bool resized = size.width != width_ || size.height != height_;
  if (!moved && !resized) return;
  const int oldWidth = width_, oldHeight = height_;
  left_ = left;
  top_ = top;
  width_ = size.width;
  height_ = size.height;
  if (resized) {
    AlignControls(oldWidth, oldHeight);
    // Children laid out for the new size may want another: settle once more.
    if (autoSize_ && !fitting_) {
      fitting_ = true;
      const Size settled = Constrain(AutoSized(width_, height_));
      if (settled.width != width_ || settled.height != height_) {
        const int w = width_, h = height_;
        width_ = settled.width;
        height_ = settled.height;
        AlignControls(w, h);
      }
      fitting_ = false;
    }
  }
  BoundsChanged(moved, resized);
  Invalidate();
  if (resized) Fire(OnResize);
  if (moved) Fire(OnMove);
  if (parent_ != nullptr) parent_->ChildChanged(*this);
}

void Control::ChildChanged(Control& child) {
  if (aligning_) return;
  if (child.align_ != Align::None || autoSize_) Realign();
}

void Control::ResumeAutoSize() {
  if (autoSizeSuspended_ > 0 && --autoSizeSuspended_ == 0) Realign();
}

void Control::Realign() {
  if (aligning_) return;
  AlignControls(width_, height_);
  if (autoSize_) SetBounds(left_, top_, width_, height_);  // fits to the aligned children
}

void Control::AlignControls(int oldWidth, int oldHeight) {
  aligning_ = true;
  Rect free{padding_.left, padding_.top, width_ - padding_.right, height_ - padding_.bottom};
  for (Align kind : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
    for (Control* child : std::vector<Control*>(controls_)) {
      if (!child->visible_ || child->align_ != kind) continue;
      const Spacing m = child->alignWithMargins_ ? child->margins_ : Spacing{};
      const int across = std::max(0, free.Width() - m.left - m.right);
      const int down = std::max(0, free.Height() - m.top - m.bottom);
      switch (kind) {
        case Align::Top:
          child->SetBounds(free.left + m.left, free.top + m.top, across, child->height_);
          free.top = child->top_ + child->height_ + m.bottom;
          break;
        case Align::Bottom:
          child->SetBounds(free.left + m.left, free.bottom - m.bottom - child->height_, across,
                           child->height_);
          // A child that sized itself to the new width sits on the edge again.
          child->SetTop(free.bottom - m.bottom - child->height_);
          free.bottom = child->top_ - m.top;
          break;
        case Align::Left:
          child->SetBounds(free.left + m.left, free.top + m.top, child->width_, down);
          free.left = child->left_ + child->width_ + m.right;
          break;
        case Align::Right:
          child->SetBounds(free.right - m.right - child->width_, free.top + m.top, child->width_,
                           down);
          child->SetLeft(free.right - m.right - child->width_);
          free.right = child->left_ - m.left;
          break;
        case Align::Client:
          child->SetBounds(free.left + m.left, free.top + m.top, across, down);
          break;
        case Align::None: break;
      }
    }
  }
  // Controls that are not aligned follow the edges they are anchored to.
  const int dw = width_ - oldWidth, dh = height_ - oldHeight;
  if (dw != 0 || dh != 0) {
    for (Control* child : std::vector<Control*>(controls_)) {
      if (child->align_ != Align::None) continue;
      Rect r = child->BoundsRect();
      const std::uint8_t a = child->anchors_;
      if ((a & anchor::Right) != 0) {
        if ((a & anchor::Left) == 0) r.left += dw;
        r.right += dw;
      } else if ((a & anchor::Left) == 0) {
        r.left += dw / 2;
        r.right += dw / 2;
      }
      if ((a & anchor::Bottom) != 0) {
        if ((a & anchor::Top) == 0) r.top += dh;
        r.bottom += dh;
      } else if ((a & anchor::Top) == 0) {
        r.top += dh / 2;
        r.bottom += dh / 2;
      }
      child->SetBounds(r.left, r.top, r.Width(), r.Height());
    }
  }
  aligning_ = false;
}

Size Control::PreferredSize(int width, int height) {
  // The stacks of aligned children, the widest or tallest side-aligned child in the
  // band between them, and the far edges of the children placed by hand. Children
  // that fill the rest do not count: they take what is left.
  int stackedDown = 0, stackedAcross = 0, band = 0;
  int farRight = 0, farBottom = 0;
  bool stretchesAcross = false, decidesWidth = false, decidesHeight = false;
  for (Control* child : controls_) {
    if (!child->visible_) continue;
    const Spacing m = child->alignWithMargins_ ? child->margins_ : Spacing{};
    switch (child->align_) {
      case Align::Top:
      case Align::Bottom:
        stackedDown += child->height_ + m.top + m.bottom;
        stretchesAcross = decidesHeight = true;
        break;
      case Align::Left:
      case Align::Right:
        stackedAcross += child->width_ + m.left + m.right;
        band = std::max(band, child->height_ + m.top + m.bottom);
        decidesWidth = decidesHeight = true;
        break;
      case Align::Client: stretchesAcross = true; break;
      case Align::None:
        farRight = std::max(farRight, child->left_ + child->width_);
        farBottom = std::max(farBottom, child->top_ + child->height_);
        decidesWidth = decidesHeight = true;
        break;
    }
  }
  int wantedHeight = std::max(padding_.top + stackedDown + band + padding_.bottom,
                              farBottom + padding_.bottom);
  int wantedWidth = std::max(padding_.left + stackedAcross + padding_.right, farRight + padding_.right);
  // Children stretched across take the width they are given, so it stays; a side
  // no child decides keeps its size too.
  if (stretchesAcross) wantedWidth = std::max(wantedWidth, width);
  if (!decidesWidth && !stretchesAcross) wantedWidth = width;
  if (!decidesHeight) wantedHeight = height;
  return {wantedWidth, wantedHeight};
}

void Control::SetAlign(Align align) {
  if (align == align_) return;
  align_ = align;
  Changed();
  Realign();
}

void Control::SetAlignWithMargins(bool on) {
  if (on == alignWithMargins_) return;
  alignWithMargins_ = on;
  Changed();
}

void Control::SetMargins(const Spacing& margins) {
  if (margins == margins_) return;
  margins_ = margins;
  if (alignWithMargins_) Changed();
}

void Control::SetPadding(const Spacing& padding) {
  if (padding == padding_) return;
  padding_ = padding;
  Realign();
  Invalidate();
}

void Control::SetConstraints(const SizeConstraints& constraints) {
  constraints_ = constraints;
  SetBounds(left_, top_, width_, height_);
}

void Control::SetAutoSize(bool on) {
  if (on == autoSize_) return;
  autoSize_ = on;
  if (autoSize_) Realign();
}

void Control::Changed() {
  Invalidate();
  if (parent_ != nullptr) parent_->Realign();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();  // the area it covered
  visible_ = visible;
  VisibleChanged();
  if (!visible_) {
    if (WindowedControl* host = parent_ != nullptr ? parent_->HostWindow() : nullptr)
      host->Forget(*this);
  }
  Changed();
}

bool Control::Showing() const {
  for (const Control* c = this; c != nullptr; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
}

Color Control::GetColor() const {
  return parentColor_ && parent_ != nullptr ? parent_->GetColor() : color_;
}

void Control::SetColor(Color color) {
  if (color == color_ && !parentColor_) return;
  color_ = color;
  parentColor_ = false;
  Invalidate();
}

void Control::SetParentColor(bool on) {
  if (on == parentColor_) return;
  parentColor_ = on;
  Invalidate();
}

Color Control::BackgroundColor() const { return GetColor(); }

platform::Font Control::Font() const {
  return parentFont_ && parent_ != nullptr ? parent_->Font() : font_;
}

Color Control::FontColor() const {
  return parentFont_ && parent_ != nullptr ? parent_->FontColor() : fontColor_;
}

void Control::SetFont(const platform::Font& font) {
  // The colour comes along from the parent the first time the font becomes its own.
  if (parentFont_) fontColor_ = FontColor();
  font_ = font;
  parentFont_ = false;
  if (autoSize_) SetBounds(left_, top_, width_, height_);
  for (Control* child : std::vector<Control*>(controls_))
    if (child->parentFont_) child->ParentFontChanged();
  Invalidate();
}

void Control::ParentFontChanged() {
  if (autoSize_) SetBounds(left_, top_, width_, height_);
  for (Control* child : std::vector<Control*>(controls_))
    if (child->parentFont_) child->ParentFontChanged();
}

void Control::SetFontColor(Color color) {
  if (parentFont_) font_ = Font();
  fontColor_ = color;
  parentFont_ = false;
  Invalidate();
}

void Control::SetParentFont(bool on) {
  if (on == parentFont_) return;
  parentFont_ = on;
  ParentFontChanged();
  Invalidate();
}

void Control::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (autoSize_) SetBounds(left_, top_, width_, height_);
  Invalidate();
}

void Control::SetHint(const std::wstring& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (WindowedControl* host = HostWindow()) host->HintChanged(*this);
}

void Control::Invalidate() {
  if (WindowedControl* host = HostWindow()) host->InvalidateWindow();
}

Control* Control::ControlAt(Point point) {
  // The last child drawn is on top.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* child = *it;
    if (!child->visible_ || !child->enabled_ || child->IsWindowed()) continue;
    if (point.x >= child->left_ && point.x < child->left_ + child->width_ &&
        point.y >= child->top_ && point.y < child->top_ + child->height_)
      return child->ControlAt({point.x - child->left_, point.y - child->top_});
  }
  return this;
}

void Control::Fire(const EventHandler& handler, Point point, const std::wstring& anchor) {
  if (!handler) return;
  Event event;
  event.sender = this;
  event.point = point;
  event.anchor = anchor;
  EventHandler copy = handler;  // the handler may replace itself
  copy(event);
}

void Control::MouseEnter() { Fire(OnMouseEnter); }

void Control::MouseLeave() { Fire(OnMouseLeave); }

void Control::MouseDown(const Event& event) {
  if (!OnMouseDown) return;
  EventHandler copy = OnMouseDown;
  copy(event);
}

void Control::MouseUp(const Event& event) {
  if (!OnMouseUp) return;
  EventHandler copy = OnMouseUp;
  copy(event);
}

void Control::Click(Point point) { Fire(OnClick, point); }

}  // namespace kxua::ui
