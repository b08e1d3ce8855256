// Frames and forms on the simulation: the mouse routed to windowless controls
// (enter, leave, down, click, cursor, hints), painting into the display list, the
// layout's timers, and a form's transparency.
#include <gtest/gtest.h>

#include "tests/unit/ui_test_support.h"
#include "ui/form.h"
#include "ui/kxua_controls.h"
#include "ui/panel.h"
#include "ui/timer_component.h"

namespace kxua {
namespace {

using platform::Rect;
using test::Get;

class MouseRoutingTest : public ::testing::Test {
 protected:
  MouseRoutingTest() {
    frame_.SetBounds(0, 0, 200, 100);
    panel_->SetParent(&frame_);
    panel_->SetBounds(0, 0, 200, 50);
    button_->SetParent(panel_);
    button_->SetBounds(10, 10, 40, 20);
    off_->SetParent(panel_);
    off_->SetBounds(100, 10, 40, 20);
    off_->SetEnabled(false);
    for (ui::Control* c : {static_cast<ui::Control*>(panel_), static_cast<ui::Control*>(button_),
                           static_cast<ui::Control*>(off_)}) {
      const std::wstring name = c == panel_ ? L"panel" : c == button_ ? L"button" : L"off";
      c->OnMouseEnter = [this, name](const ui::Event&) { seen_.push_back(L"enter " + name); };
      c->OnMouseLeave = [this, name](const ui::Event&) { seen_.push_back(L"leave " + name); };
      c->OnMouseDown = [this, name](const ui::Event& e) {
        seen_.push_back(L"down " + name + L" " + std::to_wstring(e.point.x) + L"," + std::to_wstring(e.point.y));
      };
      c->OnClick = [this, name](const ui::Event&) { seen_.push_back(L"click " + name); };
    }
    sim_->Show(frame_.Handle());
  }

  std::vector<std::wstring> Take() { return std::exchange(seen_, {}); }

  sim::ScopedSimPlatform sim_;
  test::LayoutFrame frame_{L"TFrame", 0};
  ui::Panel* panel_ = new ui::Panel(&frame_);
  ui::KXUAButtonLuxEx* button_ = new ui::KXUAButtonLuxEx(&frame_);
  ui::KXUAButtonLuxEx* off_ = new ui::KXUAButtonLuxEx(&frame_);
  std::vector<std::wstring> seen_;
};

using Seen = std::vector<std::wstring>;

TEST_F(MouseRoutingTest, EnterAndLeaveFollowTheDeepestControl) {
  const auto window = frame_.Handle();
  sim_->MouseMove(window, 5, 5);
  EXPECT_EQ(Take(), (Seen{L"enter panel"}));
  sim_->MouseMove(window, 15, 15);
  EXPECT_EQ(Take(), (Seen{L"leave panel", L"enter button"}));
  EXPECT_EQ(sim_->CurrentCursor(), platform::Cursor::Hand);
  EXPECT_EQ(button_->Face(), ui::ButtonFace::Over);
  sim_->MouseMove(window, 16, 16);
  EXPECT_EQ(Take(), Seen{}) << "moving within a control is no news";
  sim_->MouseMove(window, 5, 70);
  EXPECT_EQ(Take(), (Seen{L"leave button"})) << "the frame itself has no handler here";
  EXPECT_EQ(sim_->CurrentCursor(), platform::Cursor::Arrow);
  sim_->MouseMove(window, 15, 15);
  sim_->MouseMove(0, 0, 0);  // off the window
  EXPECT_EQ(Take(), (Seen{L"enter button", L"leave button"}));
  EXPECT_EQ(frame_.Hovered(), nullptr);
}

TEST_F(MouseRoutingTest, ClickIsPressAndReleaseOnTheSameControl) {
  const auto window = frame_.Handle();
  sim_->Click(window, 15, 15);
  EXPECT_EQ(Take(), (Seen{L"enter button", L"down button 5,5", L"click button"}));

  sim_->MouseDown(window, 15, 15);
  EXPECT_EQ(button_->Face(), ui::ButtonFace::Clicked);
  EXPECT_EQ(sim_->Captured(), window);
  sim_->MouseMove(window, 70, 15);
  sim_->MouseUp(window, 70, 15);
  EXPECT_EQ(Take(), (Seen{L"down button 5,5", L"leave button", L"enter panel"}))
      << "released elsewhere: no click; the button keeps the mouse until then";
  EXPECT_EQ(sim_->Captured(), 0u);
}

TEST_F(MouseRoutingTest, LosingTheMouseEndsThePress) {
  const auto window = frame_.Handle();
  button_->OnMouseDown = [this](const ui::Event&) {
    // What a drag does: give the mouse to the system's move loop.
    sim_->ReleaseCapture();
  };
  sim_->MouseMove(window, 15, 15);
  sim_->MouseDown(window, 15, 15);
  sim_->MouseMove(window, 5, 5);
  sim_->MouseUp(window, 15, 15);
  EXPECT_EQ(Take(), (Seen{L"enter button", L"leave button", L"enter panel"}))
      << "the mouse moves freely again and the release clicks nothing";
}

TEST_F(MouseRoutingTest, DisabledControlsLeaveTheMouseToTheirParent) {
  sim_->Click(frame_.Handle(), 110, 15);
  EXPECT_EQ(Take(), (Seen{L"enter panel", L"down panel 110,15", L"click panel"}));
  EXPECT_EQ(off_->Face(), ui::ButtonFace::Disabled);
}

TEST_F(MouseRoutingTest, HintsAppearAfterThePauseAndGoWithTheMouse) {
  button_->SetHint(L"Allow the program");
  button_->SetShowHint(true);
  const auto window = frame_.Handle();
  sim_->MouseMove(window, 15, 15);
  sim_->RunFor(ui::WindowedControl::kHintPauseMs - 1);
  EXPECT_EQ(frame_.ShownHint(), L"");
  sim_->RunFor(1);
  EXPECT_EQ(frame_.ShownHint(), L"Allow the program");

  button_->SetHint(L"Changed while shown");
  EXPECT_EQ(frame_.ShownHint(), L"Changed while shown");
  sim_->MouseMove(window, 5, 5);
  EXPECT_EQ(frame_.ShownHint(), L"") << "the panel has no hint";

  sim_->MouseMove(window, 15, 15);
  sim_->MouseDown(window, 15, 15);
  sim_->RunFor(ui::WindowedControl::kHintPauseMs);
  EXPECT_EQ(frame_.ShownHint(), L"") << "a press cancels the hint";
}

TEST_F(MouseRoutingTest, PaintsTheTreeDoubleBufferedInOrder) {
  panel_->SetColor(0x00112233);
  button_->SetCaption(L"Go");
  sim_->PaintPending();
  const auto& list = sim_->DisplayList(frame_.Handle());
  ASSERT_GE(list.size(), 3u);
  EXPECT_EQ(list[0].kind, sim::DisplayItem::Kind::Fill);
  EXPECT_EQ(list[0].rect, (Rect{0, 0, 200, 100})) << "the frame first, all of it";
  EXPECT_EQ(list[1].rect, (Rect{0, 0, 200, 50}));
  EXPECT_EQ(list[1].color, 0x00112233u);
  const sim::DisplayItem* caption = test::FindText(list, L"Go");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->clip, (Rect{10, 10, 50, 30}));

  panel_->SetVisible(false);
  sim_->PaintPending();
  EXPECT_EQ(test::FindText(sim_->DisplayList(frame_.Handle()), L"Go"), nullptr)
      << "nothing of a hidden panel";
}

TEST(LayoutTimers, RunTheirHandlerWhileEnabled) {
  sim::ScopedSimPlatform sim;
  test::HandlerLog log;
  auto frame = test::LoadSample("sample_toast.layout.json", log);
  auto& timer = Get<ui::TimerComponent>(*frame, L"TimerClose");
  EXPECT_FALSE(timer.Enabled()) << "created stopped";
  EXPECT_EQ(timer.Interval(), 100u);
  timer.SetEnabled(true);
  sim->RunFor(250);
  EXPECT_EQ(log.calls, (std::vector<std::string>{"TimerCloseTimer", "TimerCloseTimer"}));
  sim->RunFor(40);
  timer.SetEnabled(false);
  timer.SetEnabled(true);  // starts the interval afresh
  sim->RunFor(99);
  EXPECT_EQ(log.calls.size(), 2u);
  sim->RunFor(1);
  EXPECT_EQ(log.calls.size(), 3u);
}

TEST(FormAlpha, BlendsTheWholeWindow) {
  sim::ScopedSimPlatform sim;
  ui::Form form(nullptr, platform::exstyle::TopMost);
  form.SetClientSize(264, 52);
  const sim::SimWindow* window = sim->FindWindow(form.Handle());
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->visible) << "forms start hidden";
  EXPECT_EQ(window->bounds, (Rect{0, 0, 264, 52}));
  form.SetAlphaBlendValue(127);
  EXPECT_FALSE(window->alphaEnabled) << "the value waits for blending to be on";
  form.SetAlphaBlend(true);
  EXPECT_TRUE(window->alphaEnabled);
  EXPECT_EQ(window->alpha, 127);
  EXPECT_NE(window->exStyle & platform::exstyle::Layered, 0u);
  form.SetAlphaBlend(false);
  EXPECT_FALSE(window->alphaEnabled);
  EXPECT_EQ(window->exStyle & platform::exstyle::Layered, 0u);
}

}  // namespace
}  // namespace kxua
