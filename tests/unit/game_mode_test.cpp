// Whether each kind of alert may appear while a program runs full-screen.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "host/game_mode.h"
#include "platform/sim/sim_platform.h"

namespace kxua {
namespace {

constexpr int kDirect3DFullScreen = 3;
constexpr int kAcceptsNotifications = 5;

class FakeSettings final : public GameModeSettings {
 public:
  std::map<std::wstring, bool> flags;
  std::map<std::int32_t, bool> config;
  bool modernDesktop = false;

  std::optional<bool> ProductFlag(const wchar_t* name) override {
    auto it = flags.find(name);
    return it == flags.end() ? std::nullopt : std::optional<bool>(it->second);
  }
  std::optional<bool> ConfigFlag(std::int32_t id) override {
    auto it = config.find(id);
    return it == config.end() ? std::nullopt : std::optional<bool>(it->second);
  }
  bool ModernDesktopInFront() override { return modernDesktop; }
};

TEST(GameMode, WhichKindsMayAppear) {
  struct Case {
    const char* name;
    std::map<std::wstring, bool> flags;
    std::map<std::int32_t, bool> config;
    int shellState;
    bool modernDesktop;
    bool ask, info, campaign, suppresses;
  } cases[] = {
      {"nothing set, no full screen", {}, {}, kAcceptsNotifications, false, true, true, true, false},
      {"full screen, nothing blocked", {}, {}, kDirect3DFullScreen, false, true, true, true, true},
      {"full screen, info blocked", {{L"InGameModeBlockInfoAlert", true}}, {}, kDirect3DFullScreen,
       false, true, false, true, true},
      {"full screen, all blocked",
       {{L"InGameModeBlockInfoAlert", true}, {L"InGameModeBlockAskAlert", true},
        {L"InGameModeBlockProactiveAlert", true}},
       {}, kDirect3DFullScreen, false, false, false, false, true},
      {"blocked but no full screen", {{L"InGameModeBlockAskAlert", true}}, {}, kAcceptsNotifications,
       false, true, true, true, false},
      {"quiet time is not full screen", {{L"InGameModeBlockAskAlert", true}}, {}, 6, false, true,
       true, true, false},
      {"game mode not available", {{L"IsGameModeEnabled", false}, {L"InGameModeBlockAskAlert", true}},
       {}, kDirect3DFullScreen, false, true, true, false, false},
      {"switched off in the configuration", {{L"InGameModeBlockAskAlert", true}},
       {{GameModeRules::kGameModeSwitchedOn, false}}, kDirect3DFullScreen, false, true, true, false,
       false},
      {"not active", {{L"InGameModeBlockAskAlert", true}}, {{GameModeRules::kGameModeActive, false}},
       kDirect3DFullScreen, false, true, true, true, false},
      {"modern desktop in front", {{L"InGameModeBlockAskAlert", true}, {L"HasMetroFunctionality", true}},
       {}, kDirect3DFullScreen, true, true, true, true, false},
      {"modern desktop flag without the desktop in front",
       {{L"InGameModeBlockAskAlert", true}, {L"HasMetroFunctionality", true}}, {}, kDirect3DFullScreen,
       false, false, true, true, true},
  };
  for (const Case& c : cases) {
    sim::ScopedSimPlatform sim;
    sim->SetNotificationState(c.shellState);
    FakeSettings settings;
    settings.flags = c.flags;
    settings.config = c.config;
    settings.modernDesktop = c.modernDesktop;
    GameModeRules rules(settings);
    EXPECT_EQ(c.ask, rules.MayShowAskAlert()) << c.name;
    EXPECT_EQ(c.info, rules.MayShowInfoAlert()) << c.name;
    EXPECT_EQ(c.campaign, rules.MayShowCampaignAlert()) << c.name;
    EXPECT_EQ(c.suppresses, rules.FullScreenSuppresses()) << c.name;
  }
}

TEST(GameMode, ShellStatesThatCountAsFullScreen) {
  const std::pair<std::optional<int>, bool> cases[] = {
      {1, true}, {2, true}, {3, true}, {4, true}, {5, false}, {6, false}, {7, true},
      {std::nullopt, false},  // the shell cannot say
  };
  for (const auto& [state, fullScreen] : cases) {
    sim::ScopedSimPlatform sim;
    sim->SetNotificationState(state);
    FakeSettings settings;
    EXPECT_EQ(fullScreen, GameModeRules(settings).IsFullScreenAppRunning()) << state.value_or(-1);
  }
}

TEST(GameMode, VersionClasses) {
  using V = platform::SystemVersion;
  const std::pair<V, WindowsVersionClass> cases[] = {
      {V{1, 4, 10, true, false, false}, WindowsNT4OrOlder},
      {V{2, 4, 0, true, false, false}, WindowsNT4OrOlder},
      {V{2, 5, 0, true, false, false}, Windows2000},
      {V{2, 5, 1, true, false, false}, WindowsXP},
      {V{2, 5, 2, true, true, false}, WindowsXP},  // XP x64
      {V{2, 5, 2, false, true, false}, WindowsServer2003},
      {V{2, 5, 2, true, true, true}, WindowsServer2003},
      {V{2, 6, 0, true, false, false}, WindowsVistaWorkstation},
      {V{2, 6, 0, false, false, false}, WindowsVistaServer},
      {V{2, 6, 1, true, false, false}, Windows7Workstation},
      {V{2, 6, 1, false, false, false}, Windows7Server},
      {V{2, 6, 2, true, false, false}, WindowsNewer},
      {V{2, 10, 0, true, true, false}, WindowsNewer},
  };
  for (const auto& [version, expected] : cases)
    EXPECT_EQ(expected, ClassifyWindowsVersion(version)) << version.major << "." << version.minor;
}

TEST(GameMode, OnWindowsXPTheForegroundWindowDecides) {
  const platform::Size screen{1024, 768};
  const platform::Rect full{0, 0, 1024, 768};
  platform::ForegroundWindow game{L"GameWindow", 1, 0, 0, 0, full, full};
  platform::ForegroundWindow bordered = game;
  bordered.borderWidth = bordered.borderHeight = 1;
  platform::ForegroundWindow inactive = game;
  inactive.windowStatus = 0;
  platform::ForegroundWindow excluded = game;
  excluded.exStyle = 0xC0000880;
  platform::ForegroundWindow smaller = game;
  smaller.window.right = smaller.client.right = 1000;
  platform::ForegroundWindow console{L"ConsoleWindowClass", 0, 4, 4, 0, full, {0, 0, 0, 700}};
  platform::ForegroundWindow windowedConsole = console;
  windowedConsole.client.right = 640;

  EXPECT_TRUE(CoversScreenLikeFullScreen(game, screen));
  EXPECT_FALSE(CoversScreenLikeFullScreen(bordered, screen)) << "a border: not full screen";
  EXPECT_FALSE(CoversScreenLikeFullScreen(inactive, screen));
  EXPECT_FALSE(CoversScreenLikeFullScreen(excluded, screen));
  EXPECT_FALSE(CoversScreenLikeFullScreen(smaller, screen));
  EXPECT_TRUE(CoversScreenLikeFullScreen(console, screen));
  EXPECT_FALSE(CoversScreenLikeFullScreen(windowedConsole, screen));

  // The window test is used on XP only; Windows 7 asks the shell alone.
  for (bool xp : {true, false}) {
    sim::ScopedSimPlatform sim;
    sim->SetScreen(screen);
    sim->SetForeground(console);
    sim->SetNotificationState(kAcceptsNotifications);
    if (xp) sim->SetSystemVersion({2, 5, 1, true, false, false});
    FakeSettings settings;
    EXPECT_EQ(xp, GameModeRules(settings).IsFullScreenAppRunning());
  }
}

}  // namespace
}  // namespace kxua
