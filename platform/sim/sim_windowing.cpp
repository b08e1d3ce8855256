// Windows, messages, timers and the message loop of the simulation.
#include <algorithm>
#include <utility>
#include <cwctype>

#include "platform/sim/sim_platform.h"

namespace kxua::sim {

namespace {
// Registered message ids live in the range the system reserves for them.
constexpr std::uint32_t kFirstRegisteredMessage = 0xC000;
// The system raises shorter timer intervals to this.
constexpr std::uint32_t kMinimumTimerInterval = 10;
}  // namespace

SimPlatform::SimPlatform() = default;

SimPlatform::~SimPlatform() {
  for (ClassEntry& entry : classes_)
    if (entry.factory != nullptr) entry.factory->Release();
}

SimWindow* SimPlatform::Live(WindowHandle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const SimWindow* SimPlatform::FindWindow(WindowHandle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowHandle SimPlatform::CreateWindow(const platform::WindowSpec& params,
                                       platform::WindowHandler* handler) {
  if (handler == nullptr || (params.parent != 0 && Live(params.parent) == nullptr)) return 0;
  SimWindow window;
  window.handle = nextHandle_++;
  window.parent = params.parent;
  window.handler = handler;
  window.exStyle = params.exStyle;
  window.bounds = params.bounds;
  window.title = params.title;
  window.className = kWindowClassName;
  window.processId = kProcessId;
  windows_.emplace(window.handle, window);
  return window.handle;
}

WindowHandle SimPlatform::AddExternalWindow(const std::wstring& className,
                                            std::uint32_t processId) {
  SimWindow window;
  window.handle = nextHandle_++;
  window.className = className;
  window.processId = processId;
  window.visible = true;
  windows_.emplace(window.handle, window);
  return window.handle;
}

void SimPlatform::DestroyWindow(WindowHandle window) {
  SimWindow* w = Live(window);
  // A window hearing of its destruction may ask for it again: once is enough.
  if (w != nullptr && !w->destroying) DestroyTree(window);
}

void SimPlatform::DestroyTree(WindowHandle window) {
  // Like the system: the window hears of it first, then its children go.
  if (SimWindow* w = Live(window)) {
    w->destroying = true;
    if (w->handler != nullptr) w->handler->HandleMessage({window, platform::msg::Destroy, 0, 0});
  }
  std::vector<WindowHandle> children;
  for (const auto& [handle, w] : windows_)
    if (w.parent == window) children.push_back(handle);
  for (WindowHandle child : children) DestroyTree(child);
  for (auto timer = timers_.lower_bound({window, 0});
       timer != timers_.end() && timer->first.first == window;)
    RemoveTimer(timer++);
  windows_.erase(window);
}

bool SimPlatform::IsWindow(WindowHandle window) { return Live(window) != nullptr; }

std::intptr_t SimPlatform::DefaultHandling(const Message& message) {
  if (message.id == platform::msg::Close) DestroyWindow(message.window);
  if (message.id == platform::msg::SysCommand &&
      (message.wParam & 0xFFF0) == platform::syscommand::Move) {
    // The system's move loop: the window is proposed each position the user drags
    // it through, and the handler that sent the command is still on the stack.
    for (const auto& [x, y] : std::exchange(drag_, {})) {
      const Rect bounds = GetBounds(message.window);
      SetBounds(message.window, {x, y, x + bounds.Width(), y + bounds.Height()});
    }
  }
  return 0;
}

std::uint32_t SimPlatform::GetExStyle(WindowHandle window) {
  const SimWindow* w = Live(window);
  return w ? w->exStyle : 0;
}

void SimPlatform::SetExStyle(WindowHandle window, std::uint32_t exStyle) {
  if (SimWindow* w = Live(window)) w->exStyle = exStyle;
}

Rect SimPlatform::GetBounds(WindowHandle window) {
  const SimWindow* w = Live(window);
  return w ? w->bounds : Rect{};
}

void SimPlatform::SetBounds(WindowHandle window, const Rect& bounds) {
  SimWindow* w = Live(window);
  if (w == nullptr) return;
  // As the system does, the window may change the proposal first.
  platform::WindowPos pos{window, 0, bounds.left, bounds.top, bounds.Width(), bounds.Height(), 0};
  w->handler->HandleMessage(
      {window, platform::msg::WindowPosChanging, 0, reinterpret_cast<std::intptr_t>(&pos)});
  if ((w = Live(window)) == nullptr) return;
  const Rect old = w->bounds;
  // A window that grows needs painting in what it gained; here, as a whole.
  if (pos.cx > old.Width() || pos.cy > old.Height()) w->invalid = true;
  w->bounds = {pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
  if (w->bounds == old) return;
  w->handler->HandleMessage(
      {window, platform::msg::WindowPosChanged, 0, reinterpret_cast<std::intptr_t>(&pos)});
}

bool SimPlatform::IsVisible(WindowHandle window) {
  const SimWindow* w = Live(window);
  return w != nullptr && w->visible;
}

void SimPlatform::Show(WindowHandle window) {
  SimWindow* w = Live(window);
  if (w == nullptr || w->visible) return;
  w->visible = true;
  // As on the system, what comes into view needs painting: the window and all it
  // holds (windows inside hidden ones wait for their paint until they show).
  std::vector<WindowHandle> exposed{window};
  while (!exposed.empty()) {
    const WindowHandle handle = exposed.back();
    exposed.pop_back();
    windows_[handle].invalid = true;
    for (const auto& [child, c] : windows_)
      if (c.parent == handle) exposed.push_back(child);
  }
}

void SimPlatform::Hide(WindowHandle window) {
  if (SimWindow* w = Live(window)) w->visible = false;
}

bool SimPlatform::PostMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                              std::intptr_t lParam) {
  // Other threads may post; the window table belongs to the loop's thread, so the
  // window is checked when the message is dispatched, as on a real system.
  std::lock_guard<std::mutex> lock(queueMutex_);
  posted_.push_back({window, id, wParam, lParam});
  return true;
}

std::intptr_t SimPlatform::SendMessage(WindowHandle window, std::uint32_t id,
                                       std::uintptr_t wParam, std::intptr_t lParam) {
  return DispatchMessage({window, id, wParam, lParam});
}

std::uint32_t SimPlatform::RegisterMessage(const std::wstring& name) {
  if (name.empty()) return 0;
  // The system ignores case in these names.
  std::wstring folded = name;
  for (wchar_t& c : folded) c = static_cast<wchar_t>(std::towlower(c));
  auto [it, added] = registeredMessages_.emplace(
      folded, kFirstRegisteredMessage + static_cast<std::uint32_t>(registeredMessages_.size()));
  return it->second;
}

void SimPlatform::PostQuit(int exitCode) {
  std::lock_guard<std::mutex> lock(queueMutex_);
  quitCode_ = exitCode;
}

std::size_t SimPlatform::PendingMessageCount() {
  std::lock_guard<std::mutex> lock(queueMutex_);
  return posted_.size();
}

bool SimPlatform::TakePosted(Message& message) {
  std::lock_guard<std::mutex> lock(queueMutex_);
  if (!posted_.empty()) {
    message = posted_.front();
    posted_.pop_front();
    return true;
  }
  if (quitCode_) {
    message = {0, platform::msg::Quit, static_cast<std::uintptr_t>(*quitCode_), 0};
    quitCode_.reset();
    return true;
  }
  return false;
}

bool SimPlatform::TakeDue(std::uint64_t limit, Message& message) {
  const bool haveTimer = !timerQueue_.empty() && timerQueue_.begin()->first.due <= limit;
  const bool haveAction = !actions_.empty() && actions_.begin()->first.due <= limit;
  if (haveAction && (!haveTimer || actions_.begin()->first < timerQueue_.begin()->first)) {
    // Delivered as a thread message, so the action runs where a product's own
    // handler would: inside DispatchMessage of the loop that is running.
    const auto action = actions_.begin();
    now_ = std::max(now_, action->first.due);
    ready_.push_back(std::move(action->second));
    actions_.erase(action);
    message = {0, kActionMessage, 0, 0};
    return true;
  }
  if (haveTimer) {
    const TimerKey key = timerQueue_.begin()->second;
    Timer& timer = timers_.at(key);
    now_ = std::max(now_, timer.due.due);
    timerQueue_.erase(timerQueue_.begin());
    timer.due = {now_ + timer.interval, nextOrder_++};
    timerQueue_.emplace(timer.due, key);
    message = {key.first, platform::msg::Timer, key.second, 0};
    return true;
  }
  return false;
}

int SimPlatform::GetMessage(Message& message) {
  for (;;) {
    if (TakePosted(message)) return message.id == platform::msg::Quit ? 0 : 1;
    if (TakePaint(message)) return 1;
    if (TakeDue(UINT64_MAX, message)) return 1;
    deadlocked_ = true;
    message = {0, platform::msg::Quit, 0, 0};
    return 0;
  }
}

std::intptr_t SimPlatform::DispatchMessage(const Message& message) {
  if (message.window == 0 && message.id == kActionMessage && !ready_.empty()) {
    std::function<void()> action = std::move(ready_.front());
    ready_.pop_front();
    action();
    return 0;
  }
  SimWindow* w = Live(message.window);
  if (w == nullptr) return 0;
  if (w->handler == nullptr) return DefaultHandling(message);  // an external window
  return w->handler->HandleMessage(message);
}

void SimPlatform::RunFor(std::uint64_t ms) {
  const std::uint64_t end = now_ + ms;
  Message message;
  for (;;) {
    if (TakePosted(message)) {
      if (message.id == platform::msg::Quit) {  // leave it for the loop that owns it
        PostQuit(static_cast<int>(message.wParam));
        break;
      }
      DispatchMessage(message);
      continue;
    }
    if (TakePaint(message)) {
      DispatchMessage(message);
      continue;
    }
    if (!TakeDue(end, message)) break;
    DispatchMessage(message);
  }
  now_ = std::max(now_, end);
}

void SimPlatform::At(std::uint64_t delayMs, std::function<void()> action) {
  actions_.emplace(Due{now_ + delayMs, nextOrder_++}, std::move(action));
}

bool SimPlatform::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t intervalMs) {
  if (Live(window) == nullptr) return false;
  KillTimer(window, id);
  const std::uint32_t interval = std::max(intervalMs, kMinimumTimerInterval);
  const Timer timer{interval, {now_ + interval, nextOrder_++}};
  timers_.emplace(TimerKey{window, id}, timer);
  timerQueue_.emplace(timer.due, TimerKey{window, id});
  return true;
}

void SimPlatform::KillTimer(WindowHandle window, std::uintptr_t id) {
  const auto timer = timers_.find({window, id});
  if (timer != timers_.end()) RemoveTimer(timer);
}

void SimPlatform::RemoveTimer(std::map<TimerKey, Timer>::iterator timer) {
  timerQueue_.erase(timer->second.due);
  timers_.erase(timer);
}

std::vector<platform::TopLevelWindow> SimPlatform::TopLevelWindows() {
  std::vector<platform::TopLevelWindow> result;
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
    if (it->second.parent == 0)
      result.push_back({it->first, it->second.className, it->second.processId});
  return result;
}

void SimPlatform::MakeTopMost(WindowHandle window) {
  if (SimWindow* w = Live(window)) w->exStyle |= platform::exstyle::TopMost;
}

void SimPlatform::Sleep(std::uint32_t ms) {
  const std::uint64_t end = now_ + ms;
  while (!actions_.empty() && actions_.begin()->first.due <= end) {
    const auto action = actions_.begin();
    now_ = std::max(now_, action->first.due);
    std::function<void()> run = std::move(action->second);
    actions_.erase(action);
    run();
  }
  now_ = std::max(now_, end);
}

std::wstring SimPlatform::GlobalAtomName(std::uint16_t atom) {
  auto it = globalAtoms_.find(atom);
  return it == globalAtoms_.end() ? std::wstring() : it->second.name;
}

std::uint16_t SimPlatform::AddGlobalAtom(const std::wstring& name) {
  const auto fold = [](std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
  };
  for (auto& [atom, entry] : globalAtoms_)
    if (fold(entry.name) == fold(name)) {
      ++entry.references;
      return atom;
    }
  // String atoms live above the integer atoms, as on the system.
  const auto atom = static_cast<std::uint16_t>(
      globalAtoms_.empty() ? 0xC000 : globalAtoms_.rbegin()->first + 1);
  globalAtoms_[atom] = {name, 1};
  return atom;
}

void SimPlatform::DeleteGlobalAtom(std::uint16_t atom) {
  auto it = globalAtoms_.find(atom);
  if (it != globalAtoms_.end() && --it->second.references == 0) globalAtoms_.erase(it);
}

}  // namespace kxua::sim
