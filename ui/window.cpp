#include "ui/window.h"

#include <exception>

#include "model/automation_error.h"

namespace kxua::ui {

Window::~Window() { DestroyHandle(); }

bool Window::CreateHandle(const platform::WindowSpec& params) {
  if (handle_ == 0) handle_ = platform::Get().CreateWindow(params, this);
  return handle_ != 0;
}

void Window::DestroyHandle() {
  if (handle_ != 0) platform::Get().DestroyWindow(handle_);
  handle_ = 0;
}

void Window::PostMessage(std::uint32_t id, std::uintptr_t wParam, std::intptr_t lParam) const {
  if (handle_ != 0) platform::Get().PostMessage(handle_, id, wParam, lParam);
}

std::intptr_t Window::WndProc(const platform::Message& message) { return DefaultHandling(message); }

std::intptr_t Window::DefaultHandling(const platform::Message& message) {
  return platform::Get().DefaultHandling(message);
}

std::intptr_t Window::HandleMessage(const platform::Message& message) noexcept {
  // The handle is known from the first message on, even inside creation.
  if (handle_ == 0) handle_ = message.window;
  std::intptr_t result = 0;
  try {
    result = WndProc(message);
  } catch (const AutomationError&) {
    // The user chose to abandon the operation in a failure report: this handler ends.
  } catch (const std::exception&) {
    // A handler's failure stays in the handler; the run goes on.
    platform::Get().DebugOutput(L"KXUAAlerts: a window handler failed");
  }
  if (message.id == platform::msg::Destroy) handle_ = 0;
  return result;
}

}  // namespace kxua::ui
