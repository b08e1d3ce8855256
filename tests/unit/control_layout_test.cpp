// Alignment, margins, padding, anchors, constraints and auto-size, exact on the
// simulation's fixed text metrics (Tahoma -11: 6 pixels a character, 14 a line).
#include <gtest/gtest.h>

#include <cwchar>

#include "tests/unit/ui_test_support.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace kxua {
namespace {

using platform::Rect;
using test::Get;

class GeometryTest : public ::testing::Test {
 protected:
  sim::ScopedSimPlatform sim_;
  test::HandlerLog log_;
  std::unique_ptr<test::LayoutFrame> frame_ = test::LoadSample("geometry.layout.json", log_);

  Rect At(const wchar_t* name) { return Get(*frame_, name).BoundsRect(); }
};

TEST_F(GeometryTest, EveryAlignmentTakesItsSideInOrder) {
  // Frame 300 x 200 with padding 2: top, then bottom, left, right, and the rest.
  EXPECT_EQ(At(L"Header"), (Rect{2, 2, 298, 42}));
  EXPECT_EQ(At(L"Footer"), (Rect{6, 173, 294, 195})) << "margins 4, 1, 4, 3";
  EXPECT_EQ(At(L"Side"), (Rect{2, 42, 52, 172})) << "between header and footer's top margin";
  EXPECT_EQ(At(L"Bar"), (Rect{263, 47, 293, 167})) << "margins 5 all round";
  EXPECT_EQ(At(L"Body"), (Rect{52, 42, 258, 172}));
}

TEST_F(GeometryTest, ChildrenSizeToTheirTextInsidePadding) {
  // Body padding 10 leaves 186 pixels: 31 characters, so "seven" wraps.
  EXPECT_EQ(At(L"Text"), (Rect{10, 10, 196, 38}));
  EXPECT_EQ(At(L"Caption1"), (Rect{0, 0, 30, 14}));
  EXPECT_EQ(At(L"Value1"), (Rect{60, 4, 84, 18}));
  EXPECT_EQ(At(L"Row"), (Rect{10, 44, 196, 62})) << "6 below the text, as tall as its lowest child";
}

TEST_F(GeometryTest, HidingAControlGivesItsRoomToTheOthers) {
  Get(*frame_, L"Side").SetVisible(false);
  EXPECT_EQ(At(L"Body"), (Rect{2, 42, 258, 172}));
  EXPECT_EQ(At(L"Text"), (Rect{10, 10, 246, 24})) << "one line at 236 pixels";
  EXPECT_EQ(At(L"Row"), (Rect{10, 30, 246, 48}));

  Get(*frame_, L"Side").SetVisible(true);
  EXPECT_EQ(At(L"Body"), (Rect{52, 42, 258, 172}));
  EXPECT_EQ(At(L"Row"), (Rect{10, 44, 196, 62}));
}

TEST_F(GeometryTest, AnchorsFollowTheEdgesTheyName) {
  frame_->SetWidth(340);
  EXPECT_EQ(At(L"Header"), (Rect{2, 2, 338, 42}));
  EXPECT_EQ(At(L"Close"), (Rect{314, 2, 334, 22})) << "anchored top and right";
  EXPECT_EQ(At(L"Footer"), (Rect{6, 173, 334, 195}));
  EXPECT_EQ(At(L"Bar"), (Rect{303, 47, 333, 167}));

  frame_->SetHeight(220);
  EXPECT_EQ(At(L"Footer"), (Rect{6, 193, 334, 215}));
  EXPECT_EQ(At(L"Close"), (Rect{314, 2, 334, 22})) << "not anchored to the bottom";
}

TEST_F(GeometryTest, ConstraintsLimitTheSize) {
  auto& side = Get(*frame_, L"Side");
  side.SetConstraints({0, 0, 40, 0});
  EXPECT_EQ(side.Width(), 40);
  side.SetWidth(70);
  EXPECT_EQ(side.Width(), 40);
  side.SetConstraints({60, 0, 0, 0});
  EXPECT_EQ(side.Width(), 60);
  EXPECT_EQ(At(L"Body").left, 62);
}

TEST_F(GeometryTest, ChangingTheAlignmentMovesTheControl) {
  auto& footer = Get(*frame_, L"Footer");
  footer.SetAlign(ui::Align::Top);
  EXPECT_EQ(footer.BoundsRect(), (Rect{6, 43, 294, 65})) << "below the header, margins kept";
  EXPECT_EQ(At(L"Side"), (Rect{2, 68, 52, 198}));
}

TEST(ControlSetters, DoOneThingAndTellWhoListens) {
  sim::ScopedSimPlatform sim;
  ui::Panel parent(nullptr);
  parent.SetBounds(0, 0, 100, 100);
  auto* label = new ui::Label(&parent);
  label->SetParent(&parent);
  int resized = 0, moved = 0;
  label->OnResize = [&](const ui::Event&) { ++resized; };
  label->OnMove = [&](const ui::Event&) { ++moved; };

  label->SetCaption(L"abc");  // auto-sized: 18 x 14
  EXPECT_EQ(label->BoundsRect(), (Rect{0, 0, 18, 14}));
  EXPECT_EQ(resized, 1);
  label->SetCaption(L"abc");
  EXPECT_EQ(resized, 1) << "unchanged: nothing happens";
  label->SetLeft(5);
  EXPECT_EQ(moved, 1);
  EXPECT_EQ(resized, 1);
  label->SetAutoSize(false);
  label->SetCaption(L"abcdef");
  EXPECT_EQ(label->Width(), 18) << "no longer sized to its text";
}

TEST(LabelCaption, AmpersandsShowAsTheRuntimeShowsThem) {
  sim::ScopedSimPlatform sim;
  ui::Panel parent(nullptr);
  auto* label = new ui::Label(&parent);
  label->SetParent(&parent);
  struct Case {
    const wchar_t* caption;
    const wchar_t* shown;
  } cases[] = {
      {L"Tom && Jerry", L"Tom & Jerry"},  // an address or reason doubled by its frame
      {L"&Save", L"Save"},                // an access key
      {L"&&&x", L"&x"},
      {L"a&", L"a&"},  // nothing follows: it stays
      {L"plain", L"plain"},
  };
  for (const Case& c : cases) {
    label->SetCaption(c.caption);
    EXPECT_EQ(c.shown, label->DisplayText()) << c.caption;
    EXPECT_EQ(6 * static_cast<int>(std::wcslen(c.shown)), label->Width()) << "sized to what it shows";
  }
  label->SetShowAccelChar(false);
  EXPECT_EQ(L"plain", label->DisplayText());
  label->SetCaption(L"Tom && Jerry");
  EXPECT_EQ(L"Tom && Jerry", label->DisplayText());
}

TEST(AutoSizedFrame, TakesTheHeightOfItsStackedPanels) {
  sim::ScopedSimPlatform sim;
  test::HandlerLog log;
  auto frame = test::LoadSample("autosize.layout.json", log);
  auto& body = Get(*frame, L"Panel5");
  // Label 5 + 14 + 5, button 27; header 60 and footer 22 around it.
  EXPECT_EQ(body.BoundsRect(), (Rect{0, 60, 327, 111}));
  EXPECT_EQ(frame->BoundsRect(), (Rect{0, 0, 327, 133}));
  EXPECT_EQ(Get(*frame, L"Panel6").Top(), 111);

  log.calls.clear();
  // 59 characters on 307 pixels (51 a line): two lines.
  Get(*frame, L"labelMainText")
      .SetCaption(L"abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd");
  EXPECT_EQ(Get(*frame, L"labelMainText").Height(), 28);
  EXPECT_EQ(body.Height(), 65);
  EXPECT_EQ(frame->Height(), 147);
  EXPECT_EQ(Get(*frame, L"Panel6").Top(), 125);
  ASSERT_FALSE(log.calls.empty());
  EXPECT_EQ(log.calls.back(), "PanelsResize");
  EXPECT_EQ(sim->GetBounds(frame->Handle()), (Rect{0, 0, 327, 147})) << "the window follows";
}

}  // namespace
}  // namespace kxua
