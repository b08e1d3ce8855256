// The timer as a component of a layout: enabled, interval and handler as
// properties, with ui::Timer's semantics.
#pragma once

#include "ui/component.h"
#include "ui/timer.h"

namespace kxua::ui {

class TimerComponent : public Component {
 public:
  explicit TimerComponent(Component* owner);

  std::wstring ClassName() const override { return L"TTimer"; }

  bool Enabled() const { return timer_.Enabled(); }
  void SetEnabled(bool enabled) { timer_.SetEnabled(enabled); }
  std::uint32_t Interval() const { return timer_.Interval(); }
  void SetInterval(std::uint32_t intervalMs) { timer_.SetInterval(intervalMs); }

  EventHandler OnTimer;

 private:
  Timer timer_;
};

// The application-wide message hook of a layout: its handler sees the thread's
// messages before they are dispatched, when the run loop offers them.
class ApplicationEvents : public Component {
 public:
  explicit ApplicationEvents(Component* owner) : Component(owner) {}

  std::wstring ClassName() const override { return L"TApplicationEvents"; }

  EventHandler OnMessage;
};

}  // namespace kxua::ui
