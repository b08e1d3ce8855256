// The window that shows alert frames, as a frame sees it: everything a frame asks of
// its host goes through these calls, and the host hands key presses to the frame's
// key handler. Where the product's tools rely on it the transport is a window
// message: the close request is posted to the host window, so the frame is freed
// only after the handler that asked has returned; a key is sent to the frame's
// window with its virtual-key code.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/form.h"

namespace kxua {

class AlertHost : public ui::Form {
 public:
  // Asks the host to finish the shown alert; the host frees the frame later.
  void RequestClose() const;
  // Fully opaque, blending off.
  void SetOpaque();
  // Translucent at `alpha` (0 transparent, 255 opaque), blending on.
  void SetFade(std::uint8_t alpha);
  // Makes the window as high as a frame of `frameHeight`; the host adds its edge.
  void FitHeight(int frameHeight);
  // Lets the user move the window with the mouse held down; returns when the
  // system's move loop ends. Messages are dispatched meanwhile: the caller may be
  // gone when this returns.
  void BeginUserMove();
  // Hands a key press to the frame in `frameWindow`, synchronously.
  static void ForwardKey(platform::WindowHandle frameWindow, std::uintptr_t virtualKey);

 protected:
  AlertHost(std::uint32_t exStyle, const std::wstring& title) : ui::Form(nullptr, exStyle, title) {}

  // Whether `message` is a frame's close request.
  static bool IsCloseRequest(const platform::Message& message);
};

// The virtual-key code of a key press the host forwarded; nothing for any other
// message.
std::optional<std::uintptr_t> ForwardedKey(const platform::Message& message);

}  // namespace kxua
