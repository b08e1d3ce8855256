// Alert frames: a hidden child window of the host named after the frame class, and
// the answer that tells tools where a named control of the frame is.
#include <gtest/gtest.h>

#include "frames/common/alert_frame.h"
#include "frames/common/find_control.h"
#include "platform/sim/sim_platform.h"
#include "ui/panel.h"

namespace kxua {
namespace {

class PanelFrame final : public AlertFrame {
 public:
  explicit PanelFrame(AlertHost* host) : AlertFrame(host, 300, 100) {
    auto* header = new ui::Panel(this);
    header->SetName(L"Header");
    header->SetParent(this);
    header->SetBounds(0, 0, 300, 30);
    auto* close = new ui::Panel(this);
    close->SetName(L"CloseButton");
    close->SetParent(header);
    close->SetBounds(270, 6, 20, 18);
    auto* hidden = new ui::Panel(this);
    hidden->SetName(L"Hidden");
    hidden->SetParent(this);
    hidden->SetBounds(0, 40, 50, 20);
    hidden->SetVisible(false);
    auto* outside = new ui::Panel(this);
    outside->SetName(L"Outside");
    outside->SetParent(this);
    outside->SetBounds(400, 40, 50, 20);
    CreateFrameWindow();
  }
  void InitAlert() override {}
  void RefreshAlerts() override {}
  std::wstring ClassName() const override { return L"TfrPanelTest"; }
};

class TestHost final : public AlertHost {
 public:
  TestHost() : AlertHost(0, L"Host") {
    SetBounds(0, 0, 400, 200);
    SetVisible(true);
  }
};

TEST(AlertFrame, IsAHiddenChildOfTheHostNamedAfterItsClass) {
  sim::ScopedSimPlatform sim;
  TestHost host;
  PanelFrame frame(&host);
  const sim::SimWindow* window = sim->FindWindow(frame.Handle());
  ASSERT_NE(nullptr, window);
  EXPECT_EQ(host.Handle(), window->parent);
  EXPECT_EQ(&host, frame.Parent());
  EXPECT_FALSE(window->visible);  // until the host has placed it
  EXPECT_EQ(L"TfrPanelTest", window->title);
  EXPECT_EQ((platform::Rect{0, 0, 300, 100}), window->bounds);
  EXPECT_EQ(300, frame.Width());
  EXPECT_EQ(100, frame.Height());
}

TEST(AlertFrame, TellsWhereANamedControlIs) {
  sim::ScopedSimPlatform sim;
  TestHost host;
  PanelFrame frame(&host);
  const std::uint32_t findControl = sim->RegisterMessage(kFindControlMessage);
  const auto ask = [&](std::uintptr_t atom) {
    return UnpackControlCentre(sim->SendMessage(frame.Handle(), findControl, atom, 0));
  };
  const auto askFor = [&](const std::wstring& name) {
    const std::uint16_t atom = sim->AddGlobalAtom(name);
    auto answer = ask(atom);
    sim->DeleteGlobalAtom(atom);
    return answer;
  };
  // In the window's coordinates, through the parent it sits in; case ignored.
  EXPECT_EQ((platform::Point{280, 15}), askFor(L"closebutton"));
  EXPECT_EQ((platform::Point{150, 15}), askFor(L"Header"));
  // Nothing a click could reach: unknown, hidden, outside the window, not an atom.
  EXPECT_EQ(std::nullopt, askFor(L"Footer"));
  EXPECT_EQ(std::nullopt, askFor(L"Hidden"));
  EXPECT_EQ(std::nullopt, askFor(L"Outside"));
  EXPECT_EQ(std::nullopt, ask(0));
  EXPECT_EQ(std::nullopt, ask(0xC123));
}

}  // namespace
}  // namespace kxua
