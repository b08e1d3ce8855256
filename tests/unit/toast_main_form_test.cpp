// The host window during a run: where the toast appears, how it keeps its place,
// when it becomes activatable, keys, and alerts that expire.
#include "model/alert_colors.h"
#include "model/product_info.h"
#include "run_fixture.h"
#include "testbed/companion_library.h"
#include "testbed/companion_sim.h"
#include "testbed/demo_brand.h"
#include "testbed/product.h"

namespace kxua {
namespace {

class ToastTest : public RunTest {
 protected:
  // One informative alert on screen until the test's last action finalizes.
  void ShowOne(std::shared_ptr<Notification> notification = Alert(alerts_form::TfrGenericInformative)) {
    manager.Add(ListAlerts, std::move(notification));
  }
  const sim::SimWindow& HostWindow() { return *sim->FindWindow(Host().Handle()); }
  void EndAt(std::uint64_t ms) { sim->At(ms, [] { KXUA_Finalize(); }); }

  ScopedFrame frame{ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single};
};

TEST_F(ToastTest, AppearsAboveTheTaskbarAndBecomesActivatableAfterASecond) {
  ShowOne();
  sim->At(20, [this] {
    EXPECT_EQ((platform::Rect{1613, 933, 1915, 1035}), HostWindow().bounds);  // 302 x 102
    EXPECT_TRUE(HostWindow().visible);
    EXPECT_NE(0u, HostWindow().exStyle & platform::exstyle::NoActivate);
  });
  sim->At(999, [this] { EXPECT_NE(0u, HostWindow().exStyle & platform::exstyle::NoActivate); });
  sim->At(1001, [this] {
    EXPECT_EQ(0u, HostWindow().exStyle & platform::exstyle::NoActivate);
    EXPECT_NE(0u, HostWindow().exStyle & platform::exstyle::TopMost);
  });
  EndAt(1100);
  EXPECT_EQ(0, Run());
}

TEST_F(ToastTest, TaskbarOnTheLeftOrMissing) {
  for (std::optional<platform::Rect> taskbar :
       {std::optional<platform::Rect>(platform::Rect{0, 0, 60, 1080}), std::optional<platform::Rect>()}) {
    sim->SetTaskbar(taskbar);
    ShowOne();
    sim->At(20, [this] { EXPECT_EQ((platform::Rect{1613, 973, 1915, 1075}), HostWindow().bounds); });
    EndAt(30);
    EXPECT_EQ(0, Run());
  }
}

TEST_F(ToastTest, SystemMovesAreClampedAndUserDragsSnap) {
  ShowOne();
  sim->At(20, [this] {
    // The system pushes it below the margin: it comes back 5 pixels above.
    sim->SetBounds(Host().Handle(), {1613, 1000, 1915, 1102});
    EXPECT_EQ(933, HostWindow().bounds.top);
    // A position message without its position, as any program may send it, is
    // passed on untouched.
    sim->SendMessage(Host().Handle(), platform::msg::WindowPosChanging, 0, 0);
    EXPECT_EQ(933, HostWindow().bounds.top);
    // The user drags it to 10 pixels from the left edge: it snaps there, and may
    // then be dragged anywhere.
    sim->ScriptDrag({{300, 500}, {10, 500}});
    sim->SendMessage(Host().Handle(), platform::msg::SysCommand, platform::syscommand::DragMove, 0);
    EXPECT_EQ(0, HostWindow().bounds.left);
    EXPECT_EQ(500, HostWindow().bounds.top);
  });
  EndAt(30);
  EXPECT_EQ(0, Run());
}

TEST_F(ToastTest, APositionPutBackInsideTheMarginIsDrawnAtOnce) {
  ShowOne();
  sim->At(20, [this] {
    const platform::WindowHandle frameWindow = Host().CurrentFrame()->Handle();
    const auto invalid = [&] {
      return std::make_pair(HostWindow().invalid, sim->FindWindow(frameWindow)->invalid);
    };
    // Corrected: the toast and its frame are drawn where they were put back.
    sim->Invalidate(Host().Handle());
    sim->Invalidate(frameWindow);
    sim->SetBounds(Host().Handle(), {1613, 1000, 1915, 1102});
    ASSERT_EQ(933, HostWindow().bounds.top);
    EXPECT_EQ(std::make_pair(false, false), invalid());
    // Left where the system put it: the system's own paint follows.
    sim->Invalidate(Host().Handle());
    sim->Invalidate(frameWindow);
    sim->SetBounds(Host().Handle(), {1500, 900, 1802, 1002});
    ASSERT_EQ(900, HostWindow().bounds.top);
    EXPECT_EQ(std::make_pair(true, true), invalid());
  });
  EndAt(30);
  EXPECT_EQ(0, Run());
}

TEST_F(ToastTest, TheFrameSitsInsideAOnePixelEdgeThatFollowsItsHeight) {
  ShowOne();
  sim->At(20, [this] {
    const AlertFrame& frame = *Host().CurrentFrame();
    EXPECT_EQ(&Host(), frame.Parent());
    EXPECT_EQ((platform::Rect{1, 1, 301, 101}), sim->FindWindow(frame.Handle())->bounds);
    EXPECT_NE(0u, HostWindow().exStyle & platform::exstyle::Composited);
    // The frame grows: whoever sizes the window, it is the frame's height plus the edge,
    // and the backdrop that draws the edge covers it.
    const_cast<AlertFrame&>(frame).SetHeight(150);
    Host().SetHeight(10);
    EXPECT_EQ(152, HostWindow().bounds.Height());
    EXPECT_EQ((ui::Rect{0, 0, 302, 152}), Host().Find<ui::Control>(L"Fondo")->BoundsRect());
  });
  EndAt(30);
  EXPECT_EQ(0, Run());
}

TEST_F(ToastTest, AfterADragTheWindowGrowsWhereTheUserLeftIt) {
  ShowOne();
  sim->At(20, [this] {
    sim->ScriptDrag({{300, 500}});
    sim->SendMessage(Host().Handle(), platform::msg::SysCommand, platform::syscommand::DragMove, 0);
    const_cast<AlertFrame&>(*Host().CurrentFrame()).SetHeight(150);
    Host().SetHeight(0);
    EXPECT_EQ((platform::Rect{300, 500, 602, 652}), HostWindow().bounds);
  });
  EndAt(30);
  EXPECT_EQ(0, Run());
}

TEST_F(ToastTest, AlphaAtActivationAndAdoption) {
  ShowOne();
  ShowOne();
  // The first frame fades the window as its time runs out, then closes.
  sim->At(20, [this] {
    Host().SetAlphaBlend(true);
    Host().SetAlphaBlendValue(90);
    Host().CurrentFrame()->RequestClose();
  });
  sim->At(40, [this] {
    EXPECT_EQ(2, TestFrame::log.created);
    EXPECT_FALSE(HostWindow().alphaEnabled) << "adopting a frame makes the window opaque";
    EXPECT_EQ(255, HostWindow().alpha);
    Host().SetAlphaBlend(true);
    Host().SetAlphaBlendValue(40);
  });
  sim->At(1001, [this] { EXPECT_EQ(255, HostWindow().alpha) << "activation ends a fade"; });
  EndAt(1100);
  EXPECT_EQ(0, Run());
}

TEST_F(ToastTest, KeysGoToTheFrameAndAltF4DoesNothing) {
  ShowOne();
  sim->At(20, [this] {
    for (std::uintptr_t key : {37u, 39u}) sim->PostMessage(Host().Handle(), platform::msg::KeyDown, key, 0);
    sim->PostMessage(Host().Handle(), 0x0104 /* WM_SYSKEYDOWN */, 0x73 /* F4 */, 0);
    sim->PostMessage(Host().Handle(), platform::msg::Close, 0, 0);
  });
  sim->At(30, [this] {
    EXPECT_EQ((std::vector<std::uintptr_t>{37, 39}), TestFrame::log.keys);
    EXPECT_TRUE(HostWindow().visible);
    EXPECT_NE(nullptr, Host().CurrentFrame());
  });
  EndAt(40);
  EXPECT_EQ(0, Run());
}

TEST_F(ToastTest, AlertsNearTheirExpiryAreAnsweredUnshown) {
  // At the start of the run the clock says the simulation's start time.
  const auto now = static_cast<std::int32_t>(sim->UnixTime());
  struct Case {
    std::int32_t offset;
    bool shown;
  } cases[] = {{-60, false}, {0, false}, {5, false}, {6, true}, {60, true}};
  for (const Case& c : cases) {
    auto alert = Alert(alerts_form::TfrGenericInformative);
    alert->SetNumber(key::AlertExpirationDate, now + c.offset);
    manager.Add(ListAlerts, alert, Signal::None);
    TestFrame::log = {};
    sim->At(1, [this] { if (Host().CurrentFrame()) Host().CurrentFrame()->RequestClose(); });
    EXPECT_EQ(0, Run());
    EXPECT_EQ(c.shown ? 1 : 0, TestFrame::log.created) << c.offset;
    EXPECT_EQ(c.shown ? std::vector<std::int32_t>{} : std::vector<std::int32_t>{0}, alert->Responses())
        << c.offset;
  }
}

TEST_F(ToastTest, ExpiryClosesTheAlertWithResponseZeroAtTheRightMoment) {
  struct Case {
    std::int64_t seconds;  // from the start of the run
  } cases[] = {{6}, {60}, {30LL * 24 * 3600}};  // the last overflows one timer interval
  for (const Case& c : cases) {
    auto alert = Alert(alerts_form::TfrGenericInformative);
    const std::int64_t start = sim->UnixTime();
    const std::uint64_t startTick = sim->TickCount();
    alert->SetNumber(key::AlertExpirationDate, static_cast<std::int32_t>(start + c.seconds));
    manager.Add(ListAlerts, alert, Signal::None);
    const std::size_t removed = manager.Removals().size();
    EXPECT_EQ(0, Run());
    EXPECT_EQ(std::vector<std::int32_t>{0}, alert->Responses()) << c.seconds;
    EXPECT_EQ(removed + 1, manager.Removals().size());
    // Closed at the expiry, then 10 ms to end the run.
    EXPECT_EQ(static_cast<std::uint64_t>(c.seconds) * 1000 + 10, sim->TickCount() - startTick)
        << c.seconds;
  }
}

TEST_F(ToastTest, AnsweringBeforeTheExpiryStopsIt) {
  auto alert = Alert(alerts_form::TfrGenericInformative);
  alert->SetNumber(key::AlertExpirationDate, static_cast<std::int32_t>(sim->UnixTime() + 60));
  manager.Add(ListAlerts, alert, Signal::None);
  sim->At(30000, [this] {
    Host().CurrentFrame()->RequestClose();
  });
  sim->At(29000, [&] { alert->SetResponse(ResponseAllow); });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(std::vector<std::int32_t>{ResponseAllow}, alert->Responses());
  EXPECT_EQ(30010u, sim->TickCount()) << "the expiry timer must not keep the run alive";
}

TEST(ToastMainForm, HandsItsOwnControlsToTheProductsTranslator) {
  sim::ScopedSimPlatform sim;
  testbed::Product product;
  const int before = product.Texts().TranslateCalls();
  TToastMainForm form(&product.Manager(), product.Context());
  EXPECT_GT(product.Texts().TranslateCalls(), before);
}

// The demo brand's product information: game mode on, informative alerts blocked
// while a program runs full-screen, ask alerts not.
class GameModeRunTest : public ToastTest {
 protected:
  GameModeRunTest() {
    testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
    sim->SetNotificationState(3);  // a Direct3D program in full screen
  }
  ~GameModeRunTest() override {
    ProductInfoManager::ResetForTests();
    ResetAlertColorsForTests();
  }
  // The product information makes its own context, of the product's class.
  testbed::ContextClassRegistration contextClass{context};
};

TEST_F(GameModeRunTest, BlockedKindsAreRemovedUnshownAndAskAlertsAnsweredByDefault) {
  ScopedFrame paging(ListNotifications, notifications_form::TfrGenericMalware, TestFrame::Paging);
  auto detection = Alert(notifications_form::TfrGenericMalware);
  manager.AddNotification(detection);
  auto askHidden = Alert(alerts_form::TfrGenericInformative);
  askHidden->SetFlag(key::FullScreenVisible, false);
  askHidden->SetNumber(key::DefaultResponse, ResponseDeny);
  manager.Add(ListAlerts, askHidden);
  auto askNoDefault = Alert(alerts_form::TfrGenericInformative);
  askNoDefault->SetFlag(key::FullScreenVisible, false);
  manager.Add(ListAlerts, askNoDefault);
  auto askVisible = Alert(alerts_form::TfrGenericInformative);  // FullScreenVisible absent
  manager.Add(ListAlerts, askVisible);
  sim->At(20, [this] {
    ASSERT_NE(nullptr, Host().CurrentFrame());
    Host().CurrentFrame()->RequestClose();
  });

  EXPECT_EQ(0, Run());
  EXPECT_EQ(1, TestFrame::log.created) << "only the ask alert meant for full screen appears";
  EXPECT_EQ(askVisible.get(), TestFrame::log.notification);
  EXPECT_EQ(std::vector<std::int32_t>{ResponseDeny}, askHidden->Responses());
  EXPECT_TRUE(askNoDefault->Responses().empty());
  EXPECT_EQ(4u, manager.Removals().size()) << "every alert removed, the detection unshown";
  EXPECT_EQ(0u, manager.Pending(ListNotifications));
}

TEST_F(GameModeRunTest, WithoutAFullScreenProgramEverythingAppears) {
  sim->SetNotificationState(5);
  ScopedFrame paging(ListNotifications, notifications_form::TfrGenericMalware, TestFrame::Paging);
  manager.AddNotification(Alert(notifications_form::TfrGenericMalware));
  sim->At(20, [this] { Host().CurrentFrame()->RequestClose(); });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(1, TestFrame::log.created);
}

TEST_F(GameModeRunTest, TheHostLoadsTheAlertColoursAndItsEdgeTakesTheTitleColour) {
  sim->At(5, [this] {
    EXPECT_EQ(AlertColor(kAlertTitleBackColor),
              Host().Find<ui::KXUAColors>(L"ColorFondo")->ColorOf(ui::ButtonFace::Up));
    KXUA_Finalize();
  });
  EXPECT_EQ(0, Run());
  EXPECT_NE(0u, AlertColor(kAlertTitleBackColor));
}

// With the companion library in the installation folder: a single alert also
// raises the system toast, and the modern desktop in front lifts the blocking.
TEST_F(GameModeRunTest, SingleAlertsRaiseTheModernToastAndItsDesktopLiftsTheBlock) {
  testbed::RegisterCompanionLibrary(
      *sim, std::wstring(testbed::DemoBrand::kInstallFolder) + L"KXW8Utils.dll");
  testbed::ResetCompanionLibrary();
  ScopedFrame paging(ListNotifications, notifications_form::TfrGenericMalware, TestFrame::Paging);
  manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative));
  manager.AddNotification(Alert(notifications_form::TfrGenericMalware));
  sim->At(20, [this] { Host().CurrentFrame()->RequestClose(); });
  sim->At(40, [this] { Host().CurrentFrame()->RequestClose(); });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(2, TestFrame::log.created) << "the detection appears: the modern desktop is in front";
  int shows = 0;
  for (const std::wstring& call : testbed::CompanionCalls())
    shows += call.rfind(L"toaster.Show", 0) == 0;
  EXPECT_EQ(1, shows) << "one system toast, for the single alert only";
  EXPECT_EQ(0, sim->LoadedModuleCount());
}

}  // namespace
}  // namespace kxua
