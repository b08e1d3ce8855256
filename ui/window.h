// A platform window owned by a component: creates it, routes its messages to
// WndProc and keeps a handler's failure inside the handler, as the runtime does.
#pragma once

#include "platform/platform.h"

namespace kxua::ui {

class Window : private platform::WindowHandler {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  platform::WindowHandle Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != 0; }
  void PostMessage(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) const;

 protected:
  Window() = default;
  // Destroys the window if it still exists.
  virtual ~Window();

  // Creates the platform window; false when the platform refused.
  bool CreateHandle(const platform::WindowSpec& params);
  void DestroyHandle();

  // Everything not handled here goes to DefaultHandling.
  virtual std::intptr_t WndProc(const platform::Message& message);
  std::intptr_t DefaultHandling(const platform::Message& message);

 private:
  std::intptr_t HandleMessage(const platform::Message& message) noexcept final;

  platform::WindowHandle handle_ = 0;
};

}  // namespace kxua::ui
