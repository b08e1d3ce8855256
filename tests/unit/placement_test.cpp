// Where the toast goes: the work area, the bottom-right corner, and the guard that
// keeps it there or snaps it while the user drags.
#include <gtest/gtest.h>

#include "host/placement.h"

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

}  // namespace
}  // namespace kxua
