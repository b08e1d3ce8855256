#include "ui/timer_component.h"

namespace kxua::ui {

TimerComponent::TimerComponent(Component* owner) : Component(owner) {
  // The handler is read at each tick, so a layout may wire it after the interval.
  timer_.SetOnTimer([this] {
    if (!OnTimer) return;
    Event event;
    event.sender = this;
    EventHandler handler = OnTimer;  // the handler may destroy the timer
    handler(event);
  });
}

}  // namespace kxua::ui
