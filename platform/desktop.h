// The desktop around the toast: screen and taskbar, what runs in front, and what
// kind of Windows this is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kxua::platform {

struct SystemVersion {
  std::uint32_t platformId = 2;  // VER_PLATFORM_WIN32_NT
  std::uint32_t major = 6;
  std::uint32_t minor = 1;
  bool workstation = true;
  bool x64 = false;       // an AMD64 processor
  bool serverR2 = false;  // GetSystemMetrics(SM_SERVERR2) != 0
};

// What the window test for full-screen programs looks at in the foreground window.
struct ForegroundWindow {
  std::wstring className;
  std::uint32_t windowStatus = 0;  // WS_ACTIVECAPTION when active
  std::uint32_t borderWidth = 0;
  std::uint32_t borderHeight = 0;
  std::uint32_t exStyle = 0;
  Rect window;  // screen coordinates
  Rect client;  // screen coordinates
};

class Desktop {
 public:
  // The primary screen's size.
  virtual Size ScreenSize() = 0;
  // The rectangle of the taskbar window ("Shell_TrayWnd"), if there is one.
  virtual std::optional<Rect> TaskbarRect() = 0;
  virtual std::optional<ForegroundWindow> GetForegroundWindow() = 0;
  // The shell's user notification state; nothing when the shell cannot say.
  virtual std::optional<int> QueryUserNotificationState() = 0;
  virtual SystemVersion GetSystemVersion() = 0;

 protected:
  ~Desktop() = default;
};

}  // namespace kxua::platform
