// A run through the exported entry points, on the simulated platform: how it starts
// and ends, and how the host takes alerts from the manager.
#include "run_fixture.h"

namespace kxua {
namespace {

using EntryTest = RunTest;

TEST_F(EntryTest, NothingPendingEndsTheRunAfterTenMilliseconds) {
  EXPECT_EQ(0, Run());
  EXPECT_EQ(10u, sim->TickCount());
  EXPECT_FALSE(sim->Deadlocked());
  ASSERT_EQ(2u, manager.CallBackHistory().size());
  EXPECT_NE(nullptr, manager.CallBackHistory()[0]);
  EXPECT_EQ(nullptr, manager.CallBackHistory()[1]);
  EXPECT_EQ(0u, sim->WindowCount());
  EXPECT_EQ(1u, context->References());
  EXPECT_EQ(nullptr, RunningHost());
}

TEST_F(EntryTest, HostWindowStartsHiddenOffScreenWithToastStyles) {
  sim->At(5, [this] {
    const sim::SimWindow* window = sim->FindWindow(Host().Handle());
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(0x08000088u, window->exStyle);
    EXPECT_EQ((platform::Rect{-3000, -3000, -3000 + 264, -3000 + 52}), window->bounds);
    EXPECT_FALSE(window->visible);
  });
  EXPECT_EQ(0, Run());
}

TEST_F(EntryTest, AnAlertArrivingWhileTheRunEndsIsShown) {
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single);
  // The empty check at the start has armed the end of the run for 10 ms later.
  sim->At(5, [this] { manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative)); });
  sim->At(40, [this] {
    ASSERT_NE(nullptr, Host().CurrentFrame());
    Host().CurrentFrame()->RequestClose();
  });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(1, TestFrame::log.created);
  EXPECT_EQ(1u, manager.Removals().size());
}

TEST_F(EntryTest, RunsAreNotNestedAndTheCallsReferenceIsAlwaysReleased) {
  std::int32_t nested = -1;
  sim->At(5, [&] { nested = Run(); });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(1, nested);
  EXPECT_EQ(10u, sim->TickCount()) << "the nested call disturbed the run";
  EXPECT_EQ(1u, context->References());
}

TEST_F(EntryTest, NullContextRunsNothing) {
  EXPECT_EQ(1, KXUA_Initialize(&manager, nullptr));
  EXPECT_TRUE(manager.CallBackHistory().empty());
  EXPECT_EQ(0u, sim->WindowCount());
}

TEST_F(EntryTest, FinalizeWhenIdleDoesNothing) {
  EXPECT_EQ(1, KXUA_Finalize());
  EXPECT_EQ(0u, sim->WindowCount());
}

TEST_F(EntryTest, FinalizeFromInsideTheLoopEndsTheRun) {
  // An alert stays on screen, so only Finalize can end this run.
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single);
  manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative));
  std::int32_t finalized = 0;
  sim->At(50, [&] { finalized = KXUA_Finalize(); });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(1, finalized);
  EXPECT_EQ(50u, sim->TickCount());
  EXPECT_EQ(0u, sim->WindowCount());
  EXPECT_EQ(2u, manager.CallBackHistory().size()) << "unregistered once, before the window went";
  EXPECT_EQ(nullptr, manager.CallBack());
  EXPECT_FALSE(sim->Deadlocked());
}

// The product may finalize from inside a call the host window makes to it, with the
// window's own handler further up the stack (checked for use after free by ASan).
TEST_F(EntryTest, FinalizeFromInsideTheHostsOwnCallToTheProduct) {
  class FinalizingManager final : public IUIAlertsManager {
   public:
    std::int32_t KXUA_PRODUCT_CALL GetTotalCount(std::uint32_t& count) override {
      count = 1;
      return 0;
    }
    std::int32_t KXUA_PRODUCT_CALL GetCount(const std::int32_t& list, std::uint32_t& count) override {
      count = list == ListAlerts ? 1 : 0;
      return 0;
    }
    std::int32_t KXUA_PRODUCT_CALL GetAlert(const std::int32_t&, const std::int32_t&,
                                            IUIAlertSource*& source) override {
      source = &alert;
      return 0;
    }
    std::int32_t KXUA_PRODUCT_CALL Reserved3() override { return -1; }
    std::int32_t KXUA_PRODUCT_CALL RemoveAlert(const std::int32_t&, const std::int32_t&) override {
      ++removals;
      return KXUA_Finalize();
    }
    std::int32_t KXUA_PRODUCT_CALL SetCallBack(IUIAlertsManagerCallBack* callback) override {
      history.push_back(callback);
      return 0;
    }
    testbed::AlertSource alert{Alert(99)};  // no frame: removed at once
    int removals = 0;
    std::vector<IUIAlertsManagerCallBack*> history;
  } finalizing;

  EXPECT_EQ(0, Run(&finalizing));
  EXPECT_EQ(1, finalizing.removals);
  EXPECT_EQ(0u, sim->WindowCount());
  ASSERT_EQ(2u, finalizing.history.size());
  EXPECT_EQ(nullptr, finalizing.history[1]);
  EXPECT_FALSE(sim->Deadlocked());
}

TEST_F(EntryTest, QuitEndsTheRunAndReachesTheOuterLoop) {
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single);
  manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative));
  sim->At(50, [] { platform::Get().PostQuit(7); });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(0u, sim->WindowCount());
  EXPECT_EQ(nullptr, manager.CallBack());
  platform::Message message;
  EXPECT_EQ(0, sim->GetMessage(message));
  EXPECT_FALSE(sim->Deadlocked()) << "WM_QUIT was swallowed";
  EXPECT_EQ(7u, message.wParam);
}

TEST_F(EntryTest, ContextWithoutTheInterfaceIsReportedAndTheRunGoesOn) {
  // The notification object is an IUnknown, but no application context.
  auto* notAContext = new testbed::ActionObject;
  notAContext->AddRef();
  EXPECT_EQ(0, KXUA_Initialize(&manager, notAContext));
  ASSERT_EQ(1u, sim->Questions().size());
  EXPECT_EQ(L"HRCHECK: ", sim->Questions()[0].title);
  EXPECT_EQ(1u, notAContext->References());

  sim->SetAnswer(platform::Answer::Yes);  // abandons the run before it starts
  notAContext->AddRef();
  EXPECT_EQ(1, KXUA_Initialize(&manager, notAContext));
  EXPECT_EQ(1u, notAContext->References());
  EXPECT_EQ(nullptr, RunningHost());
  notAContext->Release();
}

TEST_F(EntryTest, ManagerMissingOrDeliveringNoSingleAlertEndsTheRun) {
  EXPECT_EQ(0, Run(nullptr));
  EXPECT_FALSE(sim->Deadlocked());

  testbed::AlertsManager silent;
  silent.Add(ListAlerts, Alert(0));
  silent.SetDeliverNothing(true);
  EXPECT_EQ(0, Run(&silent));
  EXPECT_FALSE(sim->Deadlocked());
  EXPECT_EQ(1u, silent.Pending(ListAlerts)) << "an alert never shown must stay pending";
  EXPECT_TRUE(silent.Removals().empty());
}

TEST_F(EntryTest, AGroupedNotificationNotDeliveredIsTriedAgainAtTheNextSignal) {
  ScopedFrame paging(ListNotifications, notifications_form::TfrGenericMalware, TestFrame::Paging);
  manager.AddNotification(Alert(notifications_form::TfrGenericMalware));
  manager.SetDeliverNothing(true);
  sim->At(500, [this] {
    EXPECT_EQ(nullptr, Host().CurrentFrame()) << "nothing delivered, nothing shown";
    EXPECT_TRUE(manager.Removals().empty());
    manager.SetDeliverNothing(false);
    manager.CallBack()->OnAlertsChanged();
  });
  sim->At(520, [this] {
    ASSERT_NE(nullptr, Host().CurrentFrame()) << "the run went on and the signal showed it";
    Host().CurrentFrame()->RequestClose();
  });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(1, TestFrame::log.created);
  EXPECT_EQ(1u, manager.Removals().size());
  EXPECT_GE(sim->TickCount(), 520u);
}

TEST_F(EntryTest, AlertsWithoutAFrameAreRemovedUnshown) {
  struct Case {
    std::int32_t list;
    std::shared_ptr<Notification> notification;
  } cases[] = {
      {ListAlerts, std::make_shared<Notification>()},  // no FormType: -1
      {ListAlerts, Alert(notifications_form::TfrGenericMalware)},
      {ListAlerts, Alert(99)},
      {ListNotifications, Alert(alerts_form::TfrFirewallAsk)},
      {ListCampaigns, Alert(0)},  // the campaign frame does not exist here
  };
  for (const Case& c : cases) manager.Add(c.list, c.notification);
  EXPECT_EQ(0, Run());
  ASSERT_EQ(std::size(cases), manager.Removals().size());
  // Served in list priority: single alerts, then notifications, then campaigns.
  const std::int32_t order[] = {1, 1, 1, 0, 2};
  for (std::size_t i = 0; i < std::size(order); ++i)
    EXPECT_EQ(order[i], manager.Removals()[i].list) << i;
  EXPECT_EQ(0, TestFrame::log.created);
}

TEST_F(EntryTest, FrameThatCannotBeMadeDropsItsAlert) {
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericError, TestFrame::Refused);
  manager.Add(ListAlerts, Alert(alerts_form::TfrGenericError));
  EXPECT_EQ(0, Run());
  EXPECT_EQ(1u, manager.Removals().size());
}

TEST_F(EntryTest, ShownFrameSizesTheWindowAndClosingRemovesItsAlert) {
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single);
  auto notification = Alert(alerts_form::TfrGenericInformative);
  manager.Add(ListAlerts, notification);
  sim->At(20, [&] {
    const AlertFrame* shown = Host().CurrentFrame();
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(1, TestFrame::log.inits);
    EXPECT_EQ(notification.get(), TestFrame::log.notification);
    const sim::SimWindow* host = sim->FindWindow(Host().Handle());
    const sim::SimWindow* child = sim->FindWindow(shown->Handle());
    EXPECT_TRUE(host->visible);
    EXPECT_EQ(0x08000088u | platform::exstyle::Composited, host->exStyle);
    EXPECT_EQ(302, host->bounds.Width());
    EXPECT_EQ(102, host->bounds.Height());
    EXPECT_EQ((platform::Rect{1, 1, 301, 101}), child->bounds);
    EXPECT_TRUE(manager.Removals().empty());
    shown->RequestClose();
  });
  EXPECT_EQ(0, Run());
  ASSERT_EQ(1u, manager.Removals().size());
  EXPECT_EQ(ListAlerts, manager.Removals()[0].list);
  EXPECT_EQ(30u, sim->TickCount()) << "closed at 20 ms, nothing left: ends 10 ms later";
}

TEST_F(EntryTest, SingleAlertReplacesAPagingFrameWhichComesBackAfterIt) {
  ScopedFrame paging(ListNotifications, notifications_form::TfrGenericMalware, TestFrame::Paging);
  ScopedFrame single(ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single);
  manager.AddNotification(Alert(notifications_form::TfrGenericMalware));
  sim->At(20, [&] {
    EXPECT_EQ(ListNotifications, Host().CurrentList());
    // A further notification of the shown list refreshes the frame, no new one.
    manager.AddNotification(Alert(notifications_form::TfrGenericMalware));
  });
  sim->At(30, [&] {
    EXPECT_EQ(1, TestFrame::log.refreshes);
    EXPECT_EQ(1, TestFrame::log.created);
    manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative));
  });
  sim->At(50, [&] {
    EXPECT_EQ(ListAlerts, Host().CurrentList());
    EXPECT_EQ(2, TestFrame::log.created);
    EXPECT_TRUE(manager.Removals().empty()) << "the replaced alert stays pending";
    Host().CurrentFrame()->RequestClose();
  });
  sim->At(60, [&] {
    EXPECT_EQ(ListNotifications, Host().CurrentList());
    EXPECT_EQ(3, TestFrame::log.created);
    Host().CurrentFrame()->RequestClose();
  });
  EXPECT_EQ(0, Run());
  ASSERT_EQ(2u, manager.Removals().size());
  EXPECT_EQ(ListAlerts, manager.Removals()[0].list);
  EXPECT_EQ(ListNotifications, manager.Removals()[1].list);
  EXPECT_EQ(2u, manager.Removals()[1].source->Count());
}

TEST_F(EntryTest, NewAlertSignalsWithinTenMillisecondsCauseOneCheck) {
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single);
  int checksBefore = 0;
  sim->At(100, [&] {
    checksBefore = manager.TotalCountCalls();
    for (int i = 0; i < 10; ++i) manager.CallBack()->OnNewAlert();
  });
  sim->At(105, [&] { manager.CallBack()->OnNewAlert(); });
  sim->At(109, [&] { EXPECT_EQ(checksBefore, manager.TotalCountCalls()); });
  sim->At(111, [&] {
    EXPECT_EQ(checksBefore + 1, manager.TotalCountCalls());
    KXUA_Finalize();
  });
  // Keep the run alive with an alert on screen.
  manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative));
  EXPECT_EQ(0, Run());
}

TEST_F(EntryTest, PreparedActionRunsWithoutAFrame) {
  auto* actions = new testbed::ActionManager;
  auto* prepared = new testbed::ActionObject(L"Prepared");
  context->Register(progid::ActionManager, actions);
  context->Register(L"Alert.Prepared", prepared);
  // The last names no registered object: it is dropped silently.
  const std::pair<std::int32_t, const wchar_t*> alerts[] = {
      {alerts_form::PreparedAction, L"Alert.Prepared"},
      {alerts_form::PreparedAction2, L"Alert.Prepared"},
      {alerts_form::PreparedAction, L"Missing"},
  };
  for (const auto& [formType, name] : alerts) {
    auto notification = Alert(formType);
    notification->SetText(key::action, name);
    manager.Add(ListAlerts, notification, Signal::None);
  }

  EXPECT_EQ(0, Run());
  EXPECT_EQ(3u, manager.Removals().size());
  ASSERT_EQ(2u, actions->Requests().size());
  for (const auto& request : actions->Requests()) {
    EXPECT_EQ(L"", request.action);
    EXPECT_EQ(VT_DISPATCH, request.argument.type);
    EXPECT_EQ(L"Prepared", request.objectName);
  }
  EXPECT_EQ(0, TestFrame::log.created);
  actions->Release();
  prepared->Release();
}

}  // namespace
}  // namespace kxua
