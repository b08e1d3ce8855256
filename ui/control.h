// Visual components: placed in a parent, aligned and anchored like the runtime's
// controls, sized to their content when asked, painted through the canvas of the
// window that hosts them. Only the windowed controls (forms and frames) own a
// platform window; every other control lives inside one and is drawn and hit-tested
// by it.
//
// Setters do one predictable thing: return if unchanged, store, resize if the
// control sizes itself, repaint, and tell whoever listens (OnResize, OnMove, the
// parent's alignment).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/component.h"

namespace kxua::ui {

class WindowedControl;

using platform::Color;
using platform::Point;
using platform::Rect;
using platform::Size;

enum class Align { None, Top, Bottom, Left, Right, Client };

// Margins around a control or padding inside one, in pixels.
struct Spacing {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Spacing& a, const Spacing& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const Spacing& a, const Spacing& b) { return !(a == b); }
};

// Which parent edges a control that is not aligned keeps its distance to.
namespace anchor {
inline constexpr std::uint8_t Left = 1;
inline constexpr std::uint8_t Top = 2;
inline constexpr std::uint8_t Right = 4;
inline constexpr std::uint8_t Bottom = 8;
}  // namespace anchor

// Limits on the size; 0 is no limit.
struct SizeConstraints {
  int minWidth = 0;
  int minHeight = 0;
  int maxWidth = 0;
  int maxHeight = 0;
};

inline constexpr Color kWhite = 0x00FFFFFF;
inline constexpr Color kBlack = 0x00000000;

class Control : public Component {
 public:
  explicit Control(Component* owner);
  ~Control() override;

  // --- Place in the tree ---------------------------------------------------------
  Control* Parent() const { return parent_; }
  // Appends the control to the parent's controls (last in alignment and z order).
  void SetParent(Control* parent);
  const std::vector<Control*>& Controls() const { return controls_; }
  virtual bool IsWindowed() const { return false; }
  // The windowed control whose window shows this one (itself if windowed).
  WindowedControl* HostWindow();

  // --- Geometry (relative to the parent) -----------------------------------------
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  // The top-left corner in the client coordinates of the host window.
  Point OriginInWindow();

  Align GetAlign() const { return align_; }
  void SetAlign(Align align);
  bool AlignWithMargins() const { return alignWithMargins_; }
  void SetAlignWithMargins(bool on);
  // Kept around the control when it is aligned and AlignWithMargins is on.
  const Spacing& Margins() const { return margins_; }
  void SetMargins(const Spacing& margins);
  // Kept free inside the control when its children are aligned.
  const Spacing& Padding() const { return padding_; }
  void SetPadding(const Spacing& padding);
  std::uint8_t Anchors() const { return anchors_; }
  void SetAnchors(std::uint8_t anchors) { anchors_ = anchors; }
  const SizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const SizeConstraints& constraints);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  // Aligns the children again and, for a control that sizes itself, fits it anew.
  void Realign();
  // While suspended (the calls nest) the control does not size itself, so that a
  // layout being loaded is not fitted with half its properties in; resuming it the
  // last time fits it at once. Alignment goes on meanwhile.
  void SuspendAutoSize() { ++autoSizeSuspended_; }
  void ResumeAutoSize();

  // --- State and looks ------------------------------------------------------------
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible, and so are all its parents.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // The control's colour, or its parent's while ParentColor is on.
  Color GetColor() const;
  void SetColor(Color color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool on);
  // The control's font and font colour, or its parent's while ParentFont is on.
  platform::Font Font() const;
  Color FontColor() const;
  void SetFont(const platform::Font& font);
  void SetFontColor(Color color);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool on);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on) { showHint_ = on; }
  platform::Cursor GetCursor() const { return cursor_; }
  void SetCursor(platform::Cursor cursor) { cursor_ = cursor; }

  // Asks the host window to paint again.
  void Invalidate();

  // --- Events ---------------------------------------------------------------------
  EventHandler OnClick;
  EventHandler OnMouseDown;
  EventHandler OnMouseUp;
  EventHandler OnMouseEnter;
  EventHandler OnMouseLeave;
  EventHandler OnResize;  // after the size changed
  EventHandler OnMove;    // after the position in the parent changed

  // --- Used by the host window ------------------------------------------------------
  // The deepest visible, enabled, windowless control at `point` (in this control's
  // coordinates), this one if no child is there.
  Control* ControlAt(Point point);
  // Draws the control itself (not its children); `bounds` is where it is, in window
  // coordinates.
  virtual void Paint(platform::Canvas& canvas, const Rect& bounds) {}
  virtual platform::Cursor CursorAt(Point point) { return cursor_; }
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void MouseMove(Point point) {}
  virtual void MouseDown(const Event& event);
  virtual void MouseUp(const Event& event);
  virtual void Click(Point point);

 protected:
  // The size the control wants for its content, given the size it has; only asked
  // while AutoSize is on. The default fits the children.
  virtual Size PreferredSize(int width, int height);
  // After the size or position changed and the children were aligned.
  virtual void BoundsChanged(bool moved, bool resized) {}
  // The last word on a new size, before the constraints apply.
  virtual void CanResize(int& width, int& height) {}
  virtual void VisibleChanged() {}
  // The colour that shows behind the control: its own if it paints one.
  Color BackgroundColor() const;
  void Fire(const EventHandler& handler, Point point = {}, const std::wstring& anchor = {});

 private:
  Size Constrain(Size size) const;
  Size AutoSized(int width, int height);
  void AlignControls(int oldWidth, int oldHeight);
  void ChildChanged(Control& child);
  void Changed();  // repaint and let the parent align again
  // The font this control inherits is another one: fit again, and so do the
  // children that inherit it in turn.
  void ParentFontChanged();

  Control* parent_ = nullptr;
  std::vector<Control*> controls_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  Align align_ = Align::None;
  bool alignWithMargins_ = false;
  Spacing margins_{3, 3, 3, 3};
  Spacing padding_;
  std::uint8_t anchors_ = anchor::Left | anchor::Top;
  SizeConstraints constraints_;
  bool autoSize_ = false;
  bool aligning_ = false;
  int autoSizeSuspended_ = 0;
  bool fitting_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  Color color_ = kWhite;
  bool parentColor_ = false;
  platform::Font font_;
  Color fontColor_ = kBlack;
  bool parentFont_ = true;
  std::wstring caption_;
  std::wstring hint_;
  bool showHint_ = false;
  platform::Cursor cursor_ = platform::Cursor::Arrow;
};

}  // namespace kxua::ui

namespace kxua::ui {

// `over` laid on `under` with `opacity` (0: only `under`, 255: only `over`).
inline Color Mix(Color over, Color under, std::uint8_t opacity) {
  Color result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const Color o = (over >> shift) & 0xFF, u = (under >> shift) & 0xFF;
    result |= ((o * opacity + u * (255 - opacity) + 127) / 255) << shift;
  }
  return result;
}

}  // namespace kxua::ui
