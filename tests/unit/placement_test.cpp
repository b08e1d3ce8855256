// Where the toast goes: the work area, the bottom-right corner, and the guard that
// keeps it there or snaps it while the user drags.
#include <gtest/gtest.h>

#include <climits>

#include "host/placement.h"
#include "run_fixture.h"

namespace kxua {
namespace {

using platform::Rect;

TEST(Placement, WorkAreaTakesOffATaskbarThatSpansASide) {
  const platform::Size screen{1920, 1080};
  struct Case {
    const char* name;
    std::optional<Rect> taskbar;
    Rect area;
  } cases[] = {
      {"bottom", Rect{0, 1040, 1920, 1080}, {0, 0, 1920, 1040}},
      {"top", Rect{0, 0, 1920, 30}, {0, 30, 1920, 1080}},
      {"left", Rect{0, 0, 60, 1080}, {60, 0, 1920, 1080}},
      {"right", Rect{1860, 0, 1920, 1080}, {0, 0, 1860, 1080}},
      {"auto-hidden, 2 pixels showing", Rect{0, 1078, 1920, 1118}, {0, 0, 1920, 1078}},
      {"not spanning a side", Rect{100, 1040, 800, 1080}, {0, 0, 1920, 1080}},
      {"off the screen", Rect{0, 2000, 1920, 2040}, {0, 0, 1920, 1080}},
      {"no taskbar: the whole screen", std::nullopt, {0, 0, 1920, 1080}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.area, WorkArea(screen, c.taskbar)) << c.name;
}

TEST(Placement, ToastSitsFivePixelsInsideTheBottomRightCorner) {
  EXPECT_EQ((Rect{1649, 905, 1915, 1035}), PlaceToast({0, 0, 1920, 1040}, {266, 130}));
  // Taskbar at the left or top: 5 pixels from the screen's right and bottom edges.
  EXPECT_EQ((Rect{1649, 945, 1915, 1075}), PlaceToast({60, 0, 1920, 1080}, {266, 130}));
}

TEST(Placement, GuardKeepsTheMarginUnlessTheUserDragsOrACampaignShows) {
  const Rect area{0, 0, 1920, 1040};
  const Rect current{1649, 905, 1915, 1035};  // 266 x 130
  struct Case {
    const char* name;
    platform::WindowPos proposed;
    bool moving, campaign;
    int x, y;
    bool corrected;
  } cases[] = {
      {"system pushes it down", {0, 0, 1649, 1000, 266, 130, 0}, false, false, 1649, 905, true},
      {"grows taller in place", {0, 0, 0, 0, 266, 200, platform::swp::NoMove}, false, false, 1649, 835, true},
      {"inside the margin stays", {0, 0, 100, 100, 266, 130, 0}, false, false, 100, 100, false},
      {"exactly at the margin stays", {0, 0, 1649, 905, 266, 130, 0}, false, false, 1649, 905, false},
      {"campaign is left alone", {0, 0, 1800, 1000, 266, 130, 0}, false, true, 1800, 1000, false},
      {"drag near the left snaps", {0, 0, 10, 400, 266, 130, 0}, true, false, 0, 400, false},
      {"drag 16 away does not snap", {0, 0, 16, 400, 266, 130, 0}, true, false, 16, 400, false},
      {"drag near the bottom right", {0, 0, 1660, 905, 266, 130, 0}, true, false, 1654, 910, false},
      {"drag past the bottom is allowed", {0, 0, 500, 1000, 266, 130, 0}, true, false, 500, 1000, false},
  };
  for (const Case& c : cases) {
    platform::WindowPos pos = c.proposed;
    EXPECT_EQ(c.corrected, GuardPosition(pos, current, area, c.moving, c.campaign)) << c.name;
    EXPECT_EQ(c.x, pos.x) << c.name;
    EXPECT_EQ(c.y, pos.y) << c.name;
  }
}

TEST(Placement, AMoveEndsWithTheToastInsideTheWorkArea) {
  const Rect area{0, 0, 1920, 1040};
  const auto at = [](int left, int top) { return Rect{left, top, left + 266, top + 130}; };
  struct Case {
    const char* name;
    Rect moved, settled;
  } cases[] = {
      {"inside stays", at(300, 500), at(300, 500)},
      {"snapped to the right and bottom edges stays", at(1654, 910), at(1654, 910)},
      {"past the right: back to the margin", at(1700, 500), at(1649, 500)},
      {"past the bottom: back to the margin", at(500, 1000), at(500, 905)},
      {"past the left: onto the edge", at(-100, 500), at(0, 500)},
      {"past the top: onto the edge", at(500, -1), at(500, 0)},
      {"far off the bottom left", at(-32768, 32767), at(0, 905)},
      {"far off the top right", at(32767, -32768), at(1649, 0)},
      {"wider than the area: the left edge", Rect{-50, 0, 2000, 130}, Rect{0, 0, 2050, 130}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.settled, SettleAfterMove(c.moved, area)) << c.name;
  EXPECT_EQ(at(-5000, 500), SettleAfterMove(at(-5000, 500), Rect{})) << "no work area";
}

TEST(Placement, TheGuardTakesAnyCoordinateWithoutOverflow) {
  const Rect area{0, 0, 1920, 1040};
  const Rect current{1649, 905, 1915, 1035};
  for (int coordinate : {INT_MIN, INT_MIN + 1, INT_MAX - 100, INT_MAX}) {
    platform::WindowPos moving{0, 0, coordinate, coordinate, 266, 130, 0};
    EXPECT_FALSE(GuardPosition(moving, current, area, true, false));
    EXPECT_EQ(coordinate, moving.x) << "far from every edge: no snap";
    platform::WindowPos system{0, 0, coordinate, coordinate, 266, 130, 0};
    const bool past = coordinate > 0;
    EXPECT_EQ(past, GuardPosition(system, current, area, false, false)) << coordinate;
    EXPECT_EQ(past ? 1649 : coordinate, system.x) << coordinate;
    EXPECT_EQ(past ? 905 : coordinate, system.y) << coordinate;
  }
}

// On the simulation: the user drags the toast (302 x 102 here) through the system's
// move loop to each side of the screen and far beyond; it ends inside the work area.
class DragTest : public RunTest {
 protected:
  ScopedFrame frame{ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single};
};

TEST_F(DragTest, ADraggedToastEndsInsideTheWorkArea) {
  constexpr int kFar = 1000000000;
  struct Case {
    const char* name;
    std::optional<Rect> taskbar;
    std::vector<std::pair<int, int>> path;
    int left, top;
  } cases[] = {
      {"inside: where dropped", Rect{0, 1040, 1920, 1080}, {{300, 500}}, 300, 500},
      {"near the left edge: snapped", Rect{0, 1040, 1920, 1080}, {{10, 500}}, 0, 500},
      {"snapped to the right edge stays", Rect{0, 1040, 1920, 1080}, {{1610, 500}}, 1618, 500},
      {"left", Rect{0, 1040, 1920, 1080}, {{-32768, 500}}, 0, 500},
      {"right", Rect{0, 1040, 1920, 1080}, {{32767, 500}}, 1613, 500},
      {"top", Rect{0, 1040, 1920, 1080}, {{600, -32768}}, 600, 0},
      {"bottom", Rect{0, 1040, 1920, 1080}, {{600, 32767}}, 600, 933},
      {"partly past the bottom", Rect{0, 1040, 1920, 1080}, {{600, 1000}}, 600, 933},
      {"top left", Rect{0, 1040, 1920, 1080}, {{-32768, -32768}}, 0, 0},
      {"bottom right", Rect{0, 1040, 1920, 1080}, {{32767, 32767}}, 1613, 933},
      {"bottom left, beyond 16 bits", Rect{0, 1040, 1920, 1080}, {{-kFar, kFar}}, 0, 933},
      {"top right, beyond 16 bits", Rect{0, 1040, 1920, 1080}, {{kFar, -kFar}}, 1613, 0},
      {"out and back in", Rect{0, 1040, 1920, 1080}, {{-32768, 500}, {400, 300}}, 400, 300},
      {"taskbar on the left", Rect{0, 0, 60, 1080}, {{-32768, -32768}}, 60, 0},
      {"taskbar on top", Rect{0, 0, 1920, 30}, {{32767, -32768}}, 1613, 30},
      {"no taskbar", std::nullopt, {{32767, 32767}}, 1613, 973},
  };
  for (const Case& c : cases) {
    sim->SetTaskbar(c.taskbar);
    manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative));
    sim->At(20, [&] {
      sim->ScriptDrag(c.path);
      sim->SendMessage(Host().Handle(), platform::msg::SysCommand, platform::syscommand::DragMove, 0);
      const Rect bounds = sim->FindWindow(Host().Handle())->bounds;
      EXPECT_EQ(c.left, bounds.left) << c.name;
      EXPECT_EQ(c.top, bounds.top) << c.name;
      EXPECT_EQ(302, bounds.Width()) << c.name;
      KXUA_Finalize();
    });
    EXPECT_EQ(0, Run()) << c.name;  // the alert stays pending: each run shows the first
  }
}

}  // namespace
}  // namespace kxua
