// Alert frames: a hidden child window of the host named after the frame class, the
// answer that tells tools where a named control is, and the behaviour every frame
// shares (fade and close, hover, drag, paging and the counter, colours, texts,
// fitting the host).
#include <gtest/gtest.h>

#include "frames/common/alert_frame.h"
#include "frames/common/counter_text.h"
#include "frames/common/find_control.h"
#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/product_folders.h"
#include "model/white_label_catalogue.h"
#include "platform/sim/sim_platform.h"
#include "testbed/demo_brand.h"
#include "testbed/product.h"
#include "tests/layouts/layouts.h"
#include "tests/layouts/paging_frame.h"
#include "tests/unit/frame_test_host.h"
#include "tests/unit/ui_test_support.h"
#include "ui/html_label.h"
#include "ui/kxua_controls.h"
#include "ui/panel.h"

namespace kxua {
namespace {

using TestHost = test::FrameTestHost;

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
  // A wider first parameter is no atom, even where its low 16 bits would name one.
  const std::uint16_t atom = sim->AddGlobalAtom(L"closebutton");
  EXPECT_EQ(std::nullopt, ask(std::uintptr_t{0x10000} | atom));
  sim->DeleteGlobalAtom(atom);
}

// ---------------------------------------------------------------------------
// The shared behaviour, on a frame that pages through a list with every shared
// control (tests/layouts/paging_frame.layout.json).

using test::PagingFrame;

// A source that counts notifications it does not have.
class GappySource final : public IUIAlertSource {
 public:
  explicit GappySource(IUINotification* first) : first_(first) {}
  std::uint32_t KXUA_PRODUCT_CALL Count() override { return 3; }
  std::int32_t KXUA_PRODUCT_CALL Reserved1() override { return -1; }
  IUINotification* KXUA_PRODUCT_CALL Item(const std::uint32_t& index) override {
    return index == 0 ? first_ : nullptr;
  }

 private:
  IUINotification* first_;
};

class FrameTest : public ::testing::Test {
 protected:
  static constexpr std::uintptr_t kLeft = 37, kRight = 39;

  // Notifications titled "title-<n>", which the translator knows as "Title <n>".
  void AddNotifications(std::size_t count, const std::wstring& counter = L"%1% de %2%") {
    for (std::size_t i = 0; i < count; ++i) {
      const std::wstring n = std::to_wstring(source.Count());
      auto notification = std::make_shared<testbed::Notification>();
      notification->SetText(key::TitleText, L"title-" + n).SetText(key::ElementsCounter, counter);
      product.Texts().Add(L"title-" + n, L"Title " + n);
      source.Add(notification);
    }
  }
  PagingFrame& Make(IUIAlertSource* from = nullptr, IZYMApplicationContext* context = nullptr,
                    bool keysPage = true) {
    frame = std::make_unique<PagingFrame>(
        FrameInput{&host, from != nullptr ? from : &source, nullptr,
                   context != nullptr ? context : product.Context()},
        keysPage);
    frame->InitAlert();
    sim->Show(frame->Handle());
    return *frame;
  }
  template <typename T = ui::Control>
  T& Get(const wchar_t* name) {
    return test::Get<T>(*frame, name);
  }
  platform::Point CentreOf(const wchar_t* name) {
    ui::Control& control = Get(name);
    const platform::Point origin = control.OriginInWindow();
    return {origin.x + control.Width() / 2, origin.y + control.Height() / 2};
  }
  void HoverOver(const wchar_t* name) {
    const platform::Point at = CentreOf(name);
    sim->MouseMove(frame->Handle(), at.x, at.y);
  }
  void Key(std::uintptr_t key) { AlertHost::ForwardKey(frame->Handle(), key); }
  const sim::SimWindow& HostWindow() { return *sim->FindWindow(host.Handle()); }
  const std::wstring& Caption(const wchar_t* name) { return Get(name).Caption(); }
  bool Enabled(const wchar_t* name) { return Get(name).Enabled(); }

  sim::ScopedSimPlatform sim;
  testbed::Product product;
  TestHost host;
  testbed::AlertSource source;
  std::unique_ptr<PagingFrame> frame;
};

TEST_F(FrameTest, OpaqueForFiveSecondsThenFadesAndAsksToCloseOnce) {
  AddNotifications(1);
  Make();
  EXPECT_EQ(8000u, frame->Remaining());
  EXPECT_TRUE(frame->TimerRunning());
  sim->RunFor(5000);
  EXPECT_EQ(3000u, frame->Remaining());
  EXPECT_FALSE(HostWindow().alphaEnabled);
  sim->RunFor(1500);
  EXPECT_EQ(1500u, frame->Remaining());
  EXPECT_TRUE(HostWindow().alphaEnabled);
  EXPECT_EQ(127, HostWindow().alpha);
  sim->RunFor(1499);
  EXPECT_EQ(0, host.closeRequests);
  sim->RunFor(1);
  EXPECT_EQ(1, host.closeRequests);
  EXPECT_EQ(0, HostWindow().alpha);
  sim->RunFor(5000);
  EXPECT_EQ(1, host.closeRequests) << "one request, however long the host takes";
}

// A frame that stays until answered unless it starts its close timer itself, and
// that keeps the host blended even when opaque.
class SelfTimedFrame final : public AlertFrame {
 public:
  explicit SelfTimedFrame(const FrameInput& input) : AlertFrame(input, Reads::List, kUntilAnswered) {
    LoadFrame(TestLayouts());
  }
  std::wstring ClassName() const override { return L"TfrPagingTest"; }
  using AlertFrame::StartCloseTimer;

 protected:
  void ApplyFade(std::uint32_t remainingMs) override {
    const std::uint32_t alpha = remainingMs >= kFadeTimeMs ? 255 : remainingMs * 255 / kFadeTimeMs;
    Host()->SetFade(static_cast<std::uint8_t>(alpha));
  }
};

TEST_F(FrameTest, AFrameStartsItsOwnCloseTimerWithOrWithoutTheFade) {
  AddNotifications(1);
  for (const auto fade : {AlertFrame::Fade::No, AlertFrame::Fade::Yes}) {
    host.closeRequests = 0;
    host.SetOpaque();
    SelfTimedFrame timed({&host, &source, nullptr, product.Context()});
    timed.InitAlert();
    EXPECT_FALSE(timed.TimerRunning());
    sim->RunFor(60000);
    EXPECT_EQ(0, host.closeRequests) << "until answered, by default";

    timed.StartCloseTimer(4000, fade);
    EXPECT_TRUE(timed.TimerRunning());
    EXPECT_EQ(fade == AlertFrame::Fade::Yes, HostWindow().alphaEnabled) << "the hook blends at 255";
    sim->RunFor(2500);
    EXPECT_EQ(fade == AlertFrame::Fade::Yes ? 127 : 255, HostWindow().alpha);
    sim->RunFor(1499);
    EXPECT_EQ(0, host.closeRequests);
    sim->RunFor(1);
    EXPECT_EQ(1, host.closeRequests);
  }
}

TEST_F(FrameTest, HoverPausesAtFullOpacityAndLeavingStartsTheFullTimeAgain) {
  AddNotifications(1);
  Make();
  sim->RunFor(6500);
  ASSERT_TRUE(HostWindow().alphaEnabled);
  HoverOver(L"lbTopText");
  EXPECT_FALSE(frame->TimerRunning());
  EXPECT_EQ(8000u, frame->Remaining());
  EXPECT_FALSE(HostWindow().alphaEnabled);
  EXPECT_EQ(255, host.AlphaBlendValue());
  sim->RunFor(60000);
  EXPECT_EQ(0, host.closeRequests);
  sim->MouseMove(0, 0, 0);
  EXPECT_TRUE(frame->TimerRunning());
  sim->RunFor(7999);
  EXPECT_EQ(0, host.closeRequests);
  sim->RunFor(1);
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(FrameTest, ArrowsAndKeysPageWithoutWrappingAround) {
  AddNotifications(3);
  Make();
  const auto at = [&](std::uint32_t index, const wchar_t* counter, bool left, bool right) {
    EXPECT_EQ(index, frame->Index());
    EXPECT_EQ(counter, Caption(L"lbNumElements"));
    EXPECT_EQ(L"Title " + std::to_wstring(index), Caption(L"lbTopText"));
    EXPECT_EQ(left, Enabled(L"KXZEBtnLArrow"));
    EXPECT_EQ(right, Enabled(L"KXZEBtnRArrow"));
  };
  EXPECT_TRUE(Get(L"PanelDetails").Visible());
  at(0, L"1 de 3", false, true);
  Key(kRight);
  at(1, L"2 de 3", true, true);
  const platform::Point right = CentreOf(L"KXZEBtnRArrow");
  sim->Click(frame->Handle(), right.x, right.y);
  at(2, L"3 de 3", true, false);
  Key(kRight);
  sim->Click(frame->Handle(), right.x, right.y);
  at(2, L"3 de 3", true, false);
  for (int i = 0; i < 3; ++i) Key(kLeft);
  at(0, L"1 de 3", false, true);
}

TEST_F(FrameTest, FramesThatDoNotPageByKeyIgnoreTheArrowKeys) {
  AddNotifications(3);
  Make(nullptr, nullptr, /*keysPage=*/false);
  Key(kRight);
  EXPECT_EQ(0u, frame->Index());
  const platform::Point right = CentreOf(L"KXZEBtnRArrow");
  sim->Click(frame->Handle(), right.x, right.y);
  EXPECT_EQ(1u, frame->Index()) << "the arrow button still pages";
}

TEST_F(FrameTest, OneNotificationKeepsTheNavigationHidden) {
  AddNotifications(1);
  Make();
  EXPECT_FALSE(Get(L"PanelDetails").Visible());
  EXPECT_FALSE(Enabled(L"KXZEBtnLArrow"));
  Key(kRight);
  EXPECT_EQ(0u, frame->Index());
}

TEST_F(FrameTest, TheCounterFollowsTheCountThresholds) {
  AddNotifications(2);
  Make();
  struct Case {
    std::size_t count;
    const wchar_t* counter;
  } cases[] = {{2, L"1 de 2"}, {99, L"1 de 99"}, {100, L"1/100"}, {9999, L"1/9999"}, {10000, L"1"}};
  for (const Case& c : cases) {
    AddNotifications(c.count - source.Count());
    frame->RefreshAlerts();
    EXPECT_EQ(c.counter, Caption(L"lbNumElements")) << c.count;
    EXPECT_EQ(std::to_wstring(c.count), Caption(L"lbNumVirus"));
  }
}

TEST(CounterText, FormatsAndFallsBackToPlainForUnusableFormats) {
  struct Case {
    const wchar_t* format;
    std::uint32_t position, count;
    const wchar_t* text;
  } cases[] = {
      {L"%1% de %2%", 1, 2, L"1 de 2"},
      {L"%2% / %1%", 3, 7, L"7 / 3"},
      {L"%1%", 1, 2, L"1"},                      // a surplus argument is dropped
      {L"%1% %2% %3%", 1, 2, L"1 2 "},           // a missing one shows nothing
      {L"%s of %s", 1, 2, L"1 of 2"},
      {L"", 1, 2, L"1/2"},                       // no format
      {L"%1% de %", 1, 2, L"1/2"},               // not a format Boost.Format reads
      {L"%99999999d", 1, 2, L"1/2"},             // a field too wide to build
      {L"%1$999s", 1, 2, L"1/2"},
      {L"%|1$200t|", 1, 2, L"1/2"},
      {L"%1% de %2%", 5, 100, L"5/100"},
      {L"%1% de %2%", 5, 9999, L"5/9999"},
      {L"%1% de %2%", 5, 10000, L"5"},
      {L"%99999999d", 5, 10000, L"5"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.text, CounterText(c.format, c.position, c.count)) << c.format << " " << c.count;
}

TEST_F(FrameTest, ANotificationArrivingUnderTheMouseRestartsTheTimeAndKeepsThePause) {
  AddNotifications(1);
  Make();
  sim->RunFor(6000);
  HoverOver(L"KXZEBtnClose");
  sim->RunFor(1000);
  AddNotifications(1);
  frame->RefreshAlerts();
  EXPECT_EQ(L"1 de 2", Caption(L"lbNumElements"));
  EXPECT_EQ(8000u, frame->Remaining());
  EXPECT_FALSE(frame->TimerRunning()) << "the mouse is still over the toast";
  sim->RunFor(30000);
  EXPECT_EQ(0, host.closeRequests);
}

TEST_F(FrameTest, ANotificationArrivingWhileItFadesRestartsTheFullTime) {
  AddNotifications(1);
  Make();
  sim->RunFor(6000);
  ASSERT_TRUE(HostWindow().alphaEnabled);
  AddNotifications(1);
  frame->RefreshAlerts();
  EXPECT_EQ(8000u, frame->Remaining());
  EXPECT_FALSE(HostWindow().alphaEnabled);
  sim->RunFor(7999);
  EXPECT_EQ(0, host.closeRequests);
  sim->RunFor(1);
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(FrameTest, ADragMovesTheHostAndLeavesTheFullTimeRunning) {
  AddNotifications(1);
  Make();
  sim->RunFor(5000);
  HoverOver(L"lbTopText");
  // The mouse leaves the header while the system's move loop runs, and time passes.
  std::uint32_t remainingInTheMove = 0;
  host.duringMove = [&] {
    sim->MouseMove(0, 0, 0);
    sim->RunFor(1000);
    remainingInTheMove = frame->Remaining();
  };
  sim->ScriptDrag({{500, 300}});
  const platform::Point title = CentreOf(L"lbTopText");
  sim->MouseDown(frame->Handle(), title.x, title.y);
  EXPECT_EQ(8000u, remainingInTheMove) << "nothing counted down during the move";
  EXPECT_EQ(500, HostWindow().bounds.left);
  EXPECT_EQ(300, HostWindow().bounds.top);
  EXPECT_TRUE(frame->TimerRunning());
  EXPECT_EQ(8000u, frame->Remaining());
  sim->RunFor(7999);
  EXPECT_EQ(0, host.closeRequests);
  sim->RunFor(1);
  EXPECT_EQ(1, host.closeRequests);
  // The header's leave handlers are back: a hover pauses and a leave resumes again.
  HoverOver(L"lbTopText");
  EXPECT_FALSE(frame->TimerRunning());
  sim->MouseMove(0, 0, 0);
  EXPECT_TRUE(frame->TimerRunning());
}

TEST_F(FrameTest, AFrameThatTheHostFreesDuringItsDragIsLeftAlone) {
  AddNotifications(1);
  Make();
  host.duringMove = [&] { frame.reset(); };
  const platform::WindowHandle window = frame->Handle();
  const platform::Point title = CentreOf(L"lbTopText");
  sim->MouseDown(window, title.x, title.y);
  EXPECT_EQ(nullptr, frame);
  EXPECT_FALSE(sim->IsWindow(window));
}

TEST_F(FrameTest, ClosingAsksTheHost) {
  AddNotifications(1);
  Make();
  const platform::Point close = CentreOf(L"KXZEBtnClose");
  sim->Click(frame->Handle(), close.x, close.y);
  sim->RunFor(0);
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(FrameTest, AnAnswerGoesOnceToTheShownNotificationOfAListAndAsksToClose) {
  AddNotifications(2);
  Make();
  const platform::Point right = CentreOf(L"KXZEBtnRArrow");
  sim->Click(frame->Handle(), right.x, right.y);
  ASSERT_EQ(1u, frame->Index());
  frame->Answer(ResponseDeny);
  frame->Answer(ResponseAllow);  // a second click before the host frees the frame
  sim->RunFor(0);
  EXPECT_TRUE(source.At(0)->Responses().empty());
  EXPECT_EQ(std::vector<std::int32_t>{ResponseDeny}, source.At(1)->Responses());
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(FrameTest, AGrowingBodyGrowsTheFrameAndTheHost) {
  AddNotifications(1);
  Make();
  Get(L"Panel5").SetHeight(140);
  EXPECT_EQ(200, frame->Height());
  EXPECT_EQ(200, host.Height()) << "a host that is no toast window takes the height as it is";
}

// A frame that grows itself when the deferred fit runs.
class DeferredFitFrame final : public AlertFrame {
 public:
  explicit DeferredFitFrame(const FrameInput& input) : AlertFrame(input, Reads::List) {
    LoadFrame(TestLayouts());
  }
  std::wstring ClassName() const override { return L"TfrPagingTest"; }
  using AlertFrame::PostFit;
  bool autoSizeDuringFit = true;

 protected:
  void FitPosted() override {
    SetAutoSize(true);  // an auto-sized root: held off while the fit sets heights
    SetHeight(123);
    autoSizeDuringFit = Height() != 123;
    FitHostHeight();
  }
};

TEST_F(FrameTest, APostedFitRunsOnceTheQueuedMessagesAreHandled) {
  AddNotifications(1);
  DeferredFitFrame fitted({&host, &source, nullptr, product.Context()});
  const int before = host.Height();
  fitted.PostFit();
  EXPECT_EQ(before, host.Height()) << "not yet";
  sim->RunFor(0);
  EXPECT_EQ(123, host.Height());
  EXPECT_FALSE(fitted.autoSizeDuringFit);
}

// A frame that colours its links and its close button's states by colour id.
class LinkColourFrame final : public AlertFrame {
 public:
  explicit LinkColourFrame(const FrameInput& input) : AlertFrame(input, Reads::List) {
    LoadFrame(TestLayouts(), {},
              {{kAlertBodyTextColor, ColorPart::Link, L"Text1"},
               {kAlertTitleBackColor, ColorPart::StateBackground, L"KXZEBtnClose"},
               {kAlertTitleTextColor, ColorPart::StateFont, L"KXZEBtnClose"}});
  }
  std::wstring ClassName() const override { return L"TfrPagingTest"; }
};

TEST_F(FrameTest, LinksAndTheCloseButtonsStatesTakeColoursById) {
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
  LoadAlertColors();
  {
    LinkColourFrame coloured({&host, &source, nullptr, product.Context()});
    EXPECT_EQ(AlertColor(kAlertBodyTextColor), test::Get<ui::HtmlLabel>(coloured, L"Text1").URLColor());
    auto& close = test::Get<ui::KXUAButtonSkin>(coloured, L"KXZEBtnClose");
    for (ui::SkinState state : {ui::SkinState::Normal, ui::SkinState::Over, ui::SkinState::Down}) {
      EXPECT_EQ(AlertColor(kAlertTitleBackColor), close.BkGndColorOf(state));
      EXPECT_EQ(AlertColor(kAlertTitleTextColor), close.FontColorOf(state));
    }
    EXPECT_EQ(std::nullopt, close.BkGndColorOf(ui::SkinState::Disabled)) << "three states, not the fourth";
  }
  ResetAlertColorsForTests();
}

class StackedFrame final : public AlertFrame {
 public:
  explicit StackedFrame(AlertHost* host) : AlertFrame(FrameInput{host}, Reads::List) {
    LoadFrame(TestLayouts());
  }
  std::wstring ClassName() const override { return L"TfrStackedTest"; }
};

TEST_F(FrameTest, StackedPanelsFitTheFrameToTheLowestVisibleOne) {
  StackedFrame stacked(&host);
  stacked.Find<ui::Control>(L"pMiddle")->SetHeight(80);
  EXPECT_EQ(150, stacked.Height());
  EXPECT_EQ(150, host.Height());
  stacked.Find<ui::Control>(L"pLast")->SetVisible(false);
  stacked.Find<ui::Control>(L"Panel1")->SetHeight(30);
  EXPECT_EQ(110, stacked.Height()) << "the hidden panel does not count";
  EXPECT_EQ(110, host.Height());
}

TEST_F(FrameTest, ANullSourceOrAMissingNotificationChangesNothing) {
  frame = std::make_unique<PagingFrame>(FrameInput{&host, nullptr, nullptr, product.Context()});
  frame->InitAlert();
  frame->RefreshAlerts();
  Key(kRight);
  EXPECT_EQ(0u, frame->Count());
  EXPECT_EQ(L"Título", Caption(L"lbTopText"));

  AddNotifications(1);
  GappySource gappy(source.Item(0));
  Make(&gappy);
  Key(kRight);
  EXPECT_EQ(1u, frame->Index()) << "the index moves on";
  EXPECT_EQ(L"Title 0", Caption(L"lbTopText")) << "the content stays";
  EXPECT_EQ(L"2 de 3", Caption(L"lbNumElements"));
}

TEST_F(FrameTest, WithoutATranslatorTheLayoutCaptionsStay) {
  AddNotifications(1);
  testbed::ApplicationContext* bare = new testbed::ApplicationContext;
  Make(nullptr, bare);
  EXPECT_EQ(L"Título", Caption(L"lbTopText"));
  frame.reset();
  bare->Release();
}

TEST_F(FrameTest, WithoutBrandingColoursTheLayoutsOwnStay) {
  AddNotifications(1);
  Make();
  // Unloaded colours are 0: applied, the title would be black on black.
  EXPECT_EQ(ui::kWhite, frame->GetColor());
  EXPECT_NE(Get(L"PanelLock").GetColor(), Get(L"lbTopText").FontColor());
}

TEST_F(FrameTest, TakesTheProductsColoursImagesAndName) {
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
  LoadAlertColors();
  AddNotifications(2);
  Make();
  EXPECT_EQ(AlertColor(kAlertBodyBackColor), frame->GetColor());
  EXPECT_EQ(AlertColor(kAlertTitleBackColor), Get(L"Panel1").GetColor());
  EXPECT_EQ(AlertColor(kAlertTitleBackColor), Get(L"PanelLock").GetColor());
  EXPECT_EQ(AlertColor(kAlertTitleBackColor), Get(L"PanelDetails").GetColor());
  EXPECT_EQ(AlertColor(kAlertTitleTextColor), Get(L"lbTopText").FontColor());
  EXPECT_EQ(AlertColor(kAlertTitleTextColor), Get(L"lbNumVirus").FontColor());
  EXPECT_EQ(AlertColor(kAlertTitleDetailTextColor), Get(L"lbNumElements").FontColor());
  EXPECT_EQ(AlertColor(kAlertBodyTextColor), Get(L"labelMainText").FontColor());
  EXPECT_EQ(AlertColor(kAlertFootBackColor), Get(L"Panel6").GetColor());
  EXPECT_EQ(AlertColor(kAlertFootTextColor), Get(L"lbProductName").FontColor());
  EXPECT_EQ(AlertColor(kAlertButtonTextColor), Get(L"KXZEBtnRArrow").FontColor());
  EXPECT_NE(AlertColor(kAlertTitleBackColor), AlertColor(kAlertBodyBackColor));
  EXPECT_EQ(GetImagesFolder(), Get<ui::KXUAResourcePath>(L"ImagesPath").ResourcePath());
  EXPECT_EQ(GetResourceLibraryPath(), Get<ui::KXUAResourcePath>(L"ResourcesPath").ResourcePath())
      << "the layout names the resource library: pictures such as the risk levels are there";
  EXPECT_NE(GetImagesFolder(), GetResourceLibraryPath());
  EXPECT_EQ(L"Harbor Guard Seguridad en Internet", Caption(L"lbProductName"));
  frame.reset();
  WhiteLabelCatalogue::ResetForTests();
  ResetAlertColorsForTests();
}

}  // namespace
}  // namespace kxua
