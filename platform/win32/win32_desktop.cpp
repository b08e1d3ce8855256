// The desktop on Win32: screen, taskbar, the foreground window, the shell's
// notification state and the system version.
#include <cstddef>

#include "platform/win32/win32_platform.h"

namespace kxua::win32 {

// The core reads and changes the system's WINDOWPOS through its own declaration.
static_assert(sizeof(platform::WindowPos) == sizeof(WINDOWPOS));
static_assert(offsetof(platform::WindowPos, x) == offsetof(WINDOWPOS, x));
static_assert(offsetof(platform::WindowPos, cy) == offsetof(WINDOWPOS, cy));
static_assert(offsetof(platform::WindowPos, flags) == offsetof(WINDOWPOS, flags));

namespace {
Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

platform::Size Win32Platform::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::optional<Rect> Win32Platform::TaskbarRect() {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  RECT rect{};
  if (taskbar == nullptr || !GetWindowRect(taskbar, &rect)) return std::nullopt;
  return FromRECT(rect);
}

std::optional<platform::ForegroundWindow> Win32Platform::GetForegroundWindow() {
  HWND window = ::GetForegroundWindow();
  if (window == nullptr) return std::nullopt;
  WINDOWINFO info{};
  info.cbSize = sizeof(info);
  if (!GetWindowInfo(window, &info)) return std::nullopt;
  wchar_t name[260] = {};
  GetClassNameW(window, name, 260);
  platform::ForegroundWindow result;
  result.className = name;
  result.windowStatus = info.dwWindowStatus;
  result.borderWidth = info.cxWindowBorders;
  result.borderHeight = info.cyWindowBorders;
  result.exStyle = info.dwExStyle;
  result.window = FromRECT(info.rcWindow);
  result.client = FromRECT(info.rcClient);
  return result;
}

std::optional<int> Win32Platform::QueryUserNotificationState() {
  // Looked up by name: systems before Vista do not have it.
  HMODULE shell = LoadLibraryW(L"shell32.dll");
  if (shell == nullptr) return std::nullopt;
  using Query = HRESULT(WINAPI*)(int*);
  auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(shell, "SHQueryUserNotificationState")));
  std::optional<int> result;
  if (query != nullptr) {
    int state = 5;  // QUNS_ACCEPTS_NOTIFICATIONS
    query(&state);
    result = state;
  }
  FreeLibrary(shell);
  return result;
}

platform::SystemVersion Win32Platform::GetSystemVersion() {
  OSVERSIONINFOEXW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
  SYSTEM_INFO system{};
  GetNativeSystemInfo(&system);
  platform::SystemVersion version;
  version.platformId = info.dwPlatformId;
  version.major = info.dwMajorVersion;
  version.minor = info.dwMinorVersion;
  version.workstation = info.wProductType == VER_NT_WORKSTATION;
  version.x64 = system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
  version.serverR2 = GetSystemMetrics(SM_SERVERR2) != 0;
  return version;
}

}  // namespace kxua::win32
