#include "ui/timer.h"

#include <atomic>
#include <map>

#include "ui/window.h"

namespace kxua::ui {

// The hidden window that receives the ticks of every timer of the thread. It exists
// while any timer does, so a run leaves no window behind.
class TimerWindow final : public Window {
 public:
  static TimerWindow& Acquire() {
    if (instance_ == nullptr) instance_ = new TimerWindow;
    ++instance_->users_;
    return *instance_;
  }
  static void Release() {
    if (--instance_->users_ == 0) {
      delete instance_;
      instance_ = nullptr;
    }
  }
  static TimerWindow& Current() { return *instance_; }

  void Start(Timer& timer) {
    timers_[timer.id_] = &timer;
    if (!platform::Get().SetTimer(Handle(), timer.id_, timer.interval_)) timers_.erase(timer.id_);
  }
  void Stop(Timer& timer) {
    timers_.erase(timer.id_);
    platform::Get().KillTimer(Handle(), timer.id_);
  }

 private:
  TimerWindow() { CreateHandle({}); }

  std::intptr_t WndProc(const platform::Message& message) override {
    if (message.id != platform::msg::Timer) return DefaultHandling(message);
    // A tick that was queued before its timer stopped finds nothing and is dropped.
    auto it = timers_.find(message.wParam);
    if (it != timers_.end()) {
      std::function<void()> handler = it->second->onTimer_;  // the timer may go in it
      handler();
    }
    return 0;
  }

  // Per thread: a window, and so its timers, belong to the thread that made it.
  static inline thread_local TimerWindow* instance_ = nullptr;
  int users_ = 0;
  std::map<std::uintptr_t, Timer*> timers_;
};

namespace {
std::atomic<std::uintptr_t> nextTimerId{1};
}  // namespace

Timer::Timer(std::uint32_t intervalMs, std::function<void()> onTimer)
    : id_(nextTimerId++), interval_(intervalMs), onTimer_(std::move(onTimer)) {
  TimerWindow::Acquire();
}

Timer::~Timer() {
  TimerWindow::Current().Stop(*this);
  TimerWindow::Release();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void Timer::SetInterval(std::uint32_t intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  Update();
}

void Timer::SetOnTimer(std::function<void()> onTimer) {
  onTimer_ = std::move(onTimer);
  Update();
}

void Timer::Update() {
  TimerWindow& window = TimerWindow::Current();
  window.Stop(*this);
  if (enabled_ && interval_ != 0 && onTimer_) window.Start(*this);
}

}  // namespace kxua::ui
