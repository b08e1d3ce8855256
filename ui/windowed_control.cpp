#include "ui/windowed_control.h"

#include "ui/hint_window.h"

namespace kxua::ui {

namespace {
Point PointOf(std::intptr_t lParam) {
  const auto packed = static_cast<std::uint32_t>(lParam);
  return {static_cast<std::int16_t>(packed & 0xFFFF), static_cast<std::int16_t>(packed >> 16)};
}
}  // namespace

WindowedControl::WindowedControl(Component* owner) : Control(owner) {
  hintTimer_.SetOnTimer([this] { ShowHintNow(); });
}

WindowedControl::~WindowedControl() {
  *alive_ = false;
  // The children go while this control can still hear about them; then the window.
  DestroyComponents();
  hovered_ = pressed_ = nullptr;
  hint_.reset();
  DestroyHandle();
}

bool WindowedControl::CreateWindowHandle(platform::WindowSpec params) {
  params.bounds = WindowBounds();
  if (!CreateHandle(params)) return false;
  if (Visible()) platform::Get().Show(Handle());
  return true;
}

void WindowedControl::InvalidateWindow() {
  if (HandleAllocated()) platform::Get().Invalidate(Handle());
}

void WindowedControl::BoundsChanged(bool moved, bool resized) {
  if (HandleAllocated() && !following_) platform::Get().SetBounds(Handle(), WindowBounds());
}

void WindowedControl::FollowWindow() {
  // The system or the user moved the window (or the window changed the proposal):
  // the control takes the window's place, so that its next change starts from there.
  const Rect window = platform::Get().GetBounds(Handle());
  if (window == WindowBounds()) return;
  following_ = true;
  SetBounds(Left() + window.left - WindowBounds().left, Top() + window.top - WindowBounds().top,
            window.Width(), window.Height());
  following_ = false;
  // A size the control would not take (its constraints, say) goes back to the window.
  if (window != WindowBounds()) platform::Get().SetBounds(Handle(), WindowBounds());
}

void WindowedControl::VisibleChanged() {
  if (!HandleAllocated()) return;
  if (Visible()) {
    platform::Get().Show(Handle());
  } else {
    HideHint();
    platform::Get().Hide(Handle());
  }
}

std::wstring WindowedControl::ShownHint() const { return hint_ ? hint_->Text() : std::wstring(); }

void WindowedControl::Forget(Control& control) {
  for (Control* c = hovered_; c != nullptr; c = c->Parent())
    if (c == &control) {
      hovered_ = nullptr;
      HideHint();
      break;
    }
  for (Control* c = pressed_; c != nullptr; c = c->Parent())
    if (c == &control) {
      pressed_ = nullptr;
      break;
    }
}

void WindowedControl::HintChanged(Control& control) {
  if (&control != hovered_) return;
  if (!ShownHint().empty()) {
    if (control.ShowHint() && !control.Hint().empty())
      hint_->Show(control.Hint(), platform::Get().ClientToScreen(Handle(), lastMouse_));
    else
      HideHint();
  } else {
    RestartHint();
  }
}

std::intptr_t WindowedControl::WndProc(const platform::Message& message) {
  switch (message.id) {
    case platform::msg::Paint:
      platform::Get().PaintWindow(Handle(), [this](platform::Canvas& canvas) { PaintAll(canvas); });
      return 0;
    case platform::msg::EraseBackground: return 1;  // the paint covers everything
    case platform::msg::WindowPosChanged:
      FollowWindow();
      break;
    case platform::msg::SetCursor:
      if ((message.lParam & 0xFFFF) == 1 /* client area */) {
        platform::Get().SetCursor(hovered_ != nullptr
                                      ? hovered_->CursorAt(ToControl(*hovered_, lastMouse_))
                                      : platform::Cursor::Arrow);
        return 1;
      }
      break;
    case platform::msg::MouseMove: MouseMoved(PointOf(message.lParam)); return 0;
    case platform::msg::MouseLeave:
      tracking_ = false;
      MouseLeft();
      return 0;
    case platform::msg::CaptureChanged:
      // Someone else has the mouse now (a drag's move loop, for one): the press is over.
      pressed_ = nullptr;
      return 0;
    case platform::msg::LeftButtonDown: ButtonDown(PointOf(message.lParam), MouseButton::Left); return 0;
    case platform::msg::LeftButtonUp: ButtonUp(PointOf(message.lParam), MouseButton::Left); return 0;
    case platform::msg::RightButtonDown: ButtonDown(PointOf(message.lParam), MouseButton::Right); return 0;
    case platform::msg::RightButtonUp: ButtonUp(PointOf(message.lParam), MouseButton::Right); return 0;
    default: break;
  }
  return DefaultHandling(message);
}

void WindowedControl::PaintAll(platform::Canvas& canvas) {
  const Rect whole{0, 0, Width(), Height()};
  canvas.FillRect(whole, GetColor());
  Paint(canvas, whole);
  PaintChildren(canvas, *this, {0, 0});
}

void WindowedControl::PaintChildren(platform::Canvas& canvas, Control& control, Point origin) {
  for (Control* child : control.Controls()) {
    if (!child->Visible() || child->IsWindowed()) continue;
    const Rect bounds{origin.x + child->Left(), origin.y + child->Top(),
                      origin.x + child->Left() + child->Width(),
                      origin.y + child->Top() + child->Height()};
    canvas.PushClip(bounds);
    child->Paint(canvas, bounds);
    PaintChildren(canvas, *child, {bounds.left, bounds.top});
    canvas.PopClip();
  }
}

Point WindowedControl::ToControl(Control& control, Point point) {
  const Point origin = control.OriginInWindow();
  return {point.x - origin.x, point.y - origin.y};
}

void WindowedControl::MouseMoved(Point point) {
  lastMouse_ = point;
  if (!tracking_) {
    platform::Get().TrackMouseLeave(Handle());
    tracking_ = true;
  }
  // While a button is held the pressed control keeps the mouse.
  Control* under = pressed_ != nullptr ? pressed_ : ControlAt(point);
  const std::shared_ptr<bool> alive = alive_;
  if (under != hovered_) {
    Control* left = hovered_;
    hovered_ = under;
    if (left != nullptr) left->MouseLeave();
    if (!*alive) return;
    if (hovered_ == under && under != nullptr) under->MouseEnter();
    if (!*alive) return;
    RestartHint();
  }
  if (hovered_ != nullptr) hovered_->MouseMove(ToControl(*hovered_, point));
  if (!*alive) return;
  // The system asks for the cursor before it reports the move, so set it again here
  // for the place the mouse has reached.
  platform::Get().SetCursor(hovered_ != nullptr ? hovered_->CursorAt(ToControl(*hovered_, point))
                                                : platform::Cursor::Arrow);
}

void WindowedControl::MouseLeft() {
  Control* left = hovered_;
  hovered_ = nullptr;
  HideHint();
  if (left != nullptr) left->MouseLeave();
}

void WindowedControl::ButtonDown(Point point, MouseButton button) {
  lastMouse_ = point;
  HideHint();
  hintTimer_.SetEnabled(false);
  Control* target = ControlAt(point);
  pressed_ = target;
  platform::Get().SetCapture(Handle());
  Event event;
  event.sender = target;
  event.point = ToControl(*target, point);
  event.button = button;
  target->MouseDown(event);
}

void WindowedControl::ButtonUp(Point point, MouseButton button) {
  Control* target = pressed_;
  pressed_ = nullptr;
  platform::Get().ReleaseCapture();
  if (target == nullptr) return;
  Event event;
  event.sender = target;
  event.point = ToControl(*target, point);
  event.button = button;
  const std::shared_ptr<bool> alive = alive_;
  target->MouseUp(event);
  // A click is a press and release on the same control; the handlers above may have
  // hidden or removed it, or this window.
  if (!*alive) return;
  if (button == MouseButton::Left && target->Showing() && target->Enabled() &&
      ControlAt(point) == target)
    target->Click(ToControl(*target, point));
  if (*alive && ControlAt(point) != hovered_) MouseMoved(point);
}

void WindowedControl::RestartHint() {
  HideHint();
  hintTimer_.SetEnabled(false);
  if (hovered_ != nullptr && hovered_->ShowHint() && !hovered_->Hint().empty())
    hintTimer_.SetEnabled(true);
}

void WindowedControl::ShowHintNow() {
  hintTimer_.SetEnabled(false);
  if (hovered_ == nullptr || !hovered_->ShowHint() || hovered_->Hint().empty()) return;
  if (!hint_) hint_ = std::make_unique<HintWindow>();
  hint_->Show(hovered_->Hint(), platform::Get().ClientToScreen(Handle(), lastMouse_));
}

void WindowedControl::HideHint() {
  if (hint_) hint_->Hide();
}

}  // namespace kxua::ui
