// A timer component with the runtime's semantics: it runs while enabled, with an
// interval and a handler; enabling it after a stop, or changing the interval,
// starts the interval afresh, while enabling a running timer changes nothing. It is
// created stopped; its owner says when it starts.
#pragma once

#include <cstdint>
#include <functional>

namespace kxua::ui {

class Timer {
 public:
  explicit Timer(std::uint32_t intervalMs = 1000, std::function<void()> onTimer = {});
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t intervalMs);
  // The handler may destroy the timer.
  void SetOnTimer(std::function<void()> onTimer);

 private:
  friend class TimerWindow;
  void Update();

  const std::uintptr_t id_;
  std::uint32_t interval_;
  bool enabled_ = false;
  std::function<void()> onTimer_;
};

}  // namespace kxua::ui
