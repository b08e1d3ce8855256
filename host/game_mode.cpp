#include "host/game_mode.h"

namespace kxua {

namespace {
constexpr std::uint32_t kPlatformNT = 2;
constexpr std::uint32_t kActiveCaption = 1;  // WS_ACTIVECAPTION
// The extended style of windows that look full-screen but are not programs' own.
constexpr std::uint32_t kExcludedExStyle = 0xC0000880;
// The shell states in which the user does accept notifications.
constexpr int kAcceptsNotifications = 5;
constexpr int kQuietTime = 6;
}  // namespace

WindowsVersionClass ClassifyWindowsVersion(const platform::SystemVersion& v) {
  if (v.platformId != kPlatformNT || v.major < 5) return WindowsNT4OrOlder;
  if (v.major == 5) {
    if (v.minor == 0) return Windows2000;
    if (v.minor == 1) return WindowsXP;
    // The 64-bit edition of XP carries the server's version number.
    if (v.minor == 2 && v.workstation && v.x64 && !v.serverR2) return WindowsXP;
    return WindowsServer2003;
  }
  if (v.major == 6 && v.minor == 0) return v.workstation ? WindowsVistaWorkstation : WindowsVistaServer;
  if (v.major == 6 && v.minor == 1) return v.workstation ? Windows7Workstation : Windows7Server;
  return WindowsNewer;
}

bool CoversScreenLikeFullScreen(const platform::ForegroundWindow& w, platform::Size screen) {
  if (w.className == L"ConsoleWindowClass") return w.client.Width() == 0;
  return w.windowStatus == kActiveCaption && w.borderWidth == 0 && w.borderHeight == 0 &&
         w.exStyle != kExcludedExStyle && w.client == w.window && w.window.left == 0 &&
         w.window.top == 0 && w.window.right == screen.width && w.window.bottom == screen.height;
}

bool GameModeRules::IsGameModeEnabled() {
  if (settings_.ProductFlag(L"IsGameModeEnabled") == false) return false;
  return settings_.ConfigFlag(kGameModeSwitchedOn).value_or(true);
}

bool GameModeRules::IsGameModeActive() {
  if (!IsGameModeEnabled()) return false;
  return settings_.ConfigFlag(kGameModeActive).value_or(true);
}

bool GameModeRules::IsFullScreenAppRunning() {
  platform::Platform& system = platform::Get();
  if (ClassifyWindowsVersion(system.GetSystemVersion()) == WindowsXP) {
    std::optional<platform::ForegroundWindow> window = system.GetForegroundWindow();
    return window && CoversScreenLikeFullScreen(*window, system.ScreenSize());
  }
  std::optional<int> state = system.QueryUserNotificationState();
  return state && *state != kAcceptsNotifications && *state != kQuietTime;
}

bool GameModeRules::HasMetroFunctionality() {
  return settings_.ProductFlag(L"HasMetroFunctionality") == true && settings_.ModernDesktopInFront();
}

bool GameModeRules::MayShow(const wchar_t* blockFlag, bool withoutGameMode) {
  const bool enabled = IsGameModeEnabled();
  if (!enabled) return withoutGameMode;
  const bool metro = HasMetroFunctionality();
  if (IsGameModeActive() && IsFullScreenAppRunning() && !metro)
    return settings_.ProductFlag(blockFlag) != true;
  return true;
}

bool GameModeRules::FullScreenSuppresses() {
  return IsGameModeEnabled() && IsGameModeActive() && IsFullScreenAppRunning() &&
         !HasMetroFunctionality();
}

}  // namespace kxua
