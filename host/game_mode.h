// Whether an alert of a kind may appear while a program runs full-screen in the
// product's game mode. Every input is read afresh at every check.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"

namespace kxua {

// Where the rules read the product's settings.
class GameModeSettings {
 public:
  // A product-information flag: a value only when it is a boolean.
  virtual std::optional<bool> ProductFlag(const wchar_t* name) = 0;
  // A configuration value of the product, as a boolean; nothing when unreadable.
  virtual std::optional<bool> ConfigFlag(std::int32_t id) = 0;
  // Whether the modern desktop's information object says it is in front.
  virtual bool ModernDesktopInFront() = 0;

 protected:
  ~GameModeSettings() = default;
};

// The system classes of the version detection; the window test for full-screen
// programs is used on Windows XP only.
enum WindowsVersionClass : std::uint32_t {
  WindowsNT4OrOlder = 0x10,
  Windows2000 = 0x20,
  WindowsXP = 0x40,
  WindowsServer2003 = 0x80,
  WindowsVistaWorkstation = 0x100,
  WindowsVistaServer = 0x200,
  Windows7Workstation = 0x400,
  Windows7Server = 0x800,
  WindowsNewer = 0xFC00,
};
WindowsVersionClass ClassifyWindowsVersion(const platform::SystemVersion& version);

// The window test for full-screen programs, on the foreground window.
bool CoversScreenLikeFullScreen(const platform::ForegroundWindow& window, platform::Size screen);

class GameModeRules {
 public:
  static constexpr std::int32_t kGameModeSwitchedOn = 0;
  static constexpr std::int32_t kGameModeActive = 0x0400995C;

  explicit GameModeRules(GameModeSettings& settings) : settings_(settings) {}

  bool IsGameModeEnabled();
  bool IsGameModeActive();
  bool IsFullScreenAppRunning();
  bool HasMetroFunctionality();

  bool MayShowAskAlert() { return MayShow(L"InGameModeBlockAskAlert", true); }
  bool MayShowInfoAlert() { return MayShow(L"InGameModeBlockInfoAlert", true); }
  bool MayShowCampaignAlert() { return MayShow(L"InGameModeBlockProactiveAlert", false); }
  // Whether single alerts not meant for full-screen programs are answered unshown.
  bool FullScreenSuppresses();

 private:
  bool MayShow(const wchar_t* blockFlag, bool withoutGameMode);

  GameModeSettings& settings_;
};

}  // namespace kxua
