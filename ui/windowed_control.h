// A control with a platform window of its own, which shows the windowless controls
// inside it: it paints them double-buffered through the canvas and routes the mouse
// to them (enter and leave, down, up and click, cursor, hints).
#pragma once

#include <memory>

#include "ui/control.h"
#include "ui/timer.h"
#include "ui/window.h"

namespace kxua::ui {

class HintWindow;

class WindowedControl : public Control, public Window {
 public:
  ~WindowedControl() override;

  bool IsWindowed() const override { return true; }

  // The control under the mouse, if the mouse is over the window.
  Control* Hovered() const { return hovered_; }
  // The hint on screen; empty when none is shown.
  std::wstring ShownHint() const;
  // How long the mouse rests on a control before its hint appears.
  static constexpr std::uint32_t kHintPauseMs = 500;

  // Called by controls of this window.
  void InvalidateWindow();
  void HintChanged(Control& control);
  // The control is going away or hiding: nothing may refer to it any more.
  void Forget(Control& control);

 protected:
  explicit WindowedControl(Component* owner);
  // Creates the window; `params.bounds` comes from the control's bounds.
  bool CreateWindowHandle(platform::WindowSpec params);

  std::intptr_t WndProc(const platform::Message& message) override;
  void BoundsChanged(bool moved, bool resized) override;
  void VisibleChanged() override;
  // Where the window goes within its parent window (or on screen).
  virtual Rect WindowBounds() { return BoundsRect(); }

 private:
  void FollowWindow();
  void PaintAll(platform::Canvas& canvas);
  void PaintChildren(platform::Canvas& canvas, Control& control, Point origin);
  void MouseMoved(Point point);
  void MouseLeft();
  void ButtonDown(Point point, MouseButton button);
  void ButtonUp(Point point, MouseButton button);
  // Starts the hint pause for the hovered control, or hides the hint.
  void RestartHint();
  void ShowHintNow();
  void HideHint();
  Point ToControl(Control& control, Point point);

  // Cleared when the control goes, so that input handling can tell when a handler
  // destroyed it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  Control* hovered_ = nullptr;
  Control* pressed_ = nullptr;
  bool tracking_ = false;
  Point lastMouse_;
  bool following_ = false;  // taking the bounds the system gave the window
  Timer hintTimer_{kHintPauseMs};
  std::unique_ptr<HintWindow> hint_;
};

}  // namespace kxua::ui
