// The informative frames: what each reads and where it shows it, what its button
// and close button do, and whether it closes by itself; and one shown by a real run.
#include <gtest/gtest.h>

#include "frames/informative/informative_frames.h"
#include "frames/informative/size_text.h"
#include "kxua/values.h"
#include "platform/sim/sim_platform.h"
#include "run_fixture.h"
#include "testbed/product.h"
#include "testbed/resources.h"
#include "tests/unit/frame_test_host.h"
#include "tests/unit/ui_test_support.h"
#include "ui/html_label.h"
#include "ui/kxua_controls.h"

namespace kxua {
namespace {

using testbed::RecordedValue;

class InformativeTest : public ::testing::Test {
 protected:
  InformativeTest() {
    RegisterInformativeFrames(registry);
    for (const auto& [id, text] : std::map<std::wstring, std::wstring>{
             {L"IDS_TITLE", L"Your protection has new features"},
             {L"IDS_TEXT", L"Find out what the latest version brings."},
             {L"IDS_BUTTON", L"Find out more"},
             {L"IDS_ERROR_TEXT", L"Check your <b>Internet connection</b>."},
             {L"IDS_RESTART", L"Restart now"},
             {L"IDS_SIGNATURES", L"Virus and other threat identifier file"},
             {L"IDS_PROTECTION", L"Protection settings"},
             {L"IDS_CLEANUP_TEXT", L"Task <b>%s</b> freed %s."},
             {L"Detalles", L"Details"},
             {L"Ocultar", L"Hide"},
             {L"MB", L"MB"}})
      product.Texts().Add(id, text);
  }

  std::shared_ptr<testbed::Notification> Notice() {
    auto notification = std::make_shared<testbed::Notification>();
    notification->SetText(key::TitleText, L"IDS_TITLE").SetText(key::MainText, L"IDS_TEXT");
    return notification;
  }
  // The frame of `formType` in `list`, made as the host makes it, filled and shown.
  AlertFrame& Make(std::int32_t list, std::int32_t formType,
                   std::shared_ptr<testbed::Notification> notification,
                   IZYMApplicationContext* context = nullptr) {
    sources.push_back(std::make_unique<testbed::AlertSource>(std::move(notification)));
    testbed::AlertSource& source = *sources.back();
    FrameFactory factory = registry.Find(list, formType);
    if (factory == nullptr) throw std::runtime_error("no frame");
    frame = factory({&host, &source, source.Item(0), context != nullptr ? context : product.Context()});
    frame->InitAlert();
    sim->Show(frame->Handle());
    return *frame;
  }
  template <typename T = ui::Control>
  T& Get(const wchar_t* name) {
    return test::Get<T>(*frame, name);
  }
  const std::wstring& Caption(const wchar_t* name) { return Get(name).Caption(); }
  void Click(const wchar_t* name) {
    ui::Control& control = Get(name);
    const platform::Point origin = control.OriginInWindow();
    sim->Click(frame->Handle(), origin.x + control.Width() / 2, origin.y + control.Height() / 2);
    sim->RunFor(0);
  }
  void RegisterAction(const std::wstring& name) {
    auto* object = new testbed::ActionObject(name);
    product.Context()->Register(name, object);
    object->Release();
  }

  sim::ScopedSimPlatform sim;
  testbed::Product product;
  test::FrameTestHost host;
  std::vector<std::unique_ptr<testbed::AlertSource>> sources;  // one per frame made
  FrameRegistry registry;
  std::unique_ptr<AlertFrame> frame;
};

TEST_F(InformativeTest, EachFrameIsRegisteredForItsFormTypesInItsLists) {
  struct Case {
    std::int32_t list, formType;
    const wchar_t* frame;  // null: no frame
    int width, height;
  } cases[] = {
      {ListAlerts, 4, L"TfrSynchronization", 327, 158},
      {ListAlerts, 5, L"TfrAdministration", 327, 162},
      {ListAlerts, 10, L"TfrGenericError", 327, 157},
      {ListAlerts, 12, L"TfrSynchronizationRestart", 327, 170},
      {ListAlerts, 13, L"TfrGenericInformative", 327, 176},
      {ListAlerts, 19, L"TfrProgrammedForm", 327, 172},
      {ListNotifications, 4, L"TfrSynchronization", 327, 158},
      {ListNotifications, 10, L"TfrGenericError", 327, 157},
      {ListNotifications, 5, nullptr, 0, 0},
      {ListNotifications, 13, nullptr, 0, 0},
  };
  for (const Case& c : cases) {
    FrameFactory factory = registry.Find(c.list, c.formType);
    ASSERT_EQ(c.frame != nullptr, factory != nullptr) << c.list << "/" << c.formType;
    if (factory == nullptr) continue;
    testbed::AlertSource empty;
    std::unique_ptr<AlertFrame> made = factory({&host, &empty, nullptr, product.Context()});
    EXPECT_EQ(c.frame, made->ClassName());
    EXPECT_EQ(AlertFrame::Kind::Single, made->FrameKind()) << "the host refreshes none of them";
    EXPECT_EQ(c.width, made->Width()) << c.frame;
    EXPECT_EQ(c.height, made->Height()) << c.frame;
  }
}

TEST_F(InformativeTest, GenericInformativeShowsItsTextsAndRunsItsActionForFiveMinutes) {
  RegisterAction(L"Demo.OpenNews");
  auto notice = Notice();
  notice->SetText(key::ButtonText, L"IDS_BUTTON").SetText(key::FullURL, L"Demo.OpenNews");
  Make(ListAlerts, alerts_form::TfrGenericInformative, notice);
  EXPECT_EQ(L"Your protection has new features", Caption(L"lbTopText"));
  EXPECT_EQ(L"Find out what the latest version brings.", Caption(L"labelMainText"));
  // The button is as wide as its caption, centred in the body.
  ui::Control& button = Get(L"kxzeButtonReboot");
  EXPECT_EQ(L"Find out more", button.Caption());
  const int width = sim->MeasureText(button.Font(), L"Find out more").width;
  EXPECT_EQ(width, button.Width());
  EXPECT_EQ(327 / 2 - width / 2, button.Left());

  Click(L"kxzeButtonReboot");
  const auto requests = product.Actions().Requests();
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(L"", requests[0].action);
  EXPECT_EQ(L"Demo.OpenNews", requests[0].objectName);
  EXPECT_EQ(0, host.closeRequests) << "the toast stays";

  // Five minutes, started again by a hover.
  EXPECT_EQ(300000u, frame->ViewingTime());
  sim->RunFor(299000);
  Get(L"lbTopText").OnMouseEnter({});
  Get(L"lbTopText").OnMouseLeave({});
  sim->RunFor(299999);
  EXPECT_EQ(0, host.closeRequests);
  sim->RunFor(1);
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(InformativeTest, AButtonWithoutAnActionObjectDoesNothing) {
  auto notice = Notice();
  notice->SetText(key::ButtonText, L"IDS_BUTTON").SetText(key::FullURL, L"Demo.Unknown");
  Make(ListAlerts, alerts_form::TfrGenericInformative, notice);
  Click(L"kxzeButtonReboot");
  EXPECT_TRUE(product.Actions().Requests().empty());
  EXPECT_EQ(0, host.closeRequests);
}

TEST_F(InformativeTest, GenericErrorShowsItsMessageAsMarkupAndClosesAfterEightSeconds) {
  auto notice = Notice();
  notice->SetText(key::MainText, L"IDS_ERROR_TEXT");
  Make(ListNotifications, notifications_form::TfrGenericError, notice);
  EXPECT_EQ(L"Your protection has new features", Caption(L"lbTopText"));
  EXPECT_EQ(L"Check your <b>Internet connection</b>.",
            Get<ui::HtmlLabel>(L"labelMainText").HTMLText());
  sim->RunFor(7999);
  EXPECT_EQ(0, host.closeRequests);
  sim->RunFor(1);
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(InformativeTest, AdministrationRestartsThroughTheProductAndHoldsTheResourceLibrary) {
  testbed::RegisterResourceModule(*sim);
  auto notice = Notice();
  notice->SetText(key::ButtonText, L"IDS_RESTART");
  Make(ListAlerts, alerts_form::TfrAdministration, notice);
  EXPECT_EQ(L"Restart now", Caption(L"kxzeButtonReboot"));
  EXPECT_EQ(1, sim->ModuleLoads(testbed::kResourceLibraryName));
  EXPECT_EQ(1, sim->LoadedModuleCount());
  Click(L"kxzeButtonReboot");
  const auto requests = product.Actions().Requests();
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(L"RestartSystem", requests[0].action);
  EXPECT_EQ(RecordedValue::Text(L""), requests[0].argument);
  EXPECT_EQ(1, host.closeRequests);
  EXPECT_TRUE(frame->HasTimer());
  frame.reset();
  EXPECT_EQ(0, sim->LoadedModuleCount());
}

TEST_F(InformativeTest, SynchronizationShowsTheDetailLinesTheUpdateNames) {
  struct Case {
    std::optional<bool> detailsEnabled;
    std::int32_t result;
    bool details, signatures, protection;
  } cases[] = {
      {std::nullopt, 3, false, false, false},
      {false, 3, false, false, false},
      {true, 0, false, false, false},
      {true, 2, true, true, false},
      {true, 1, true, false, true},
      {true, 3, true, true, true},
  };
  for (const Case& c : cases) {
    auto notice = Notice();
    notice->SetText(key::DetailsText, L"IDS_SIGNATURES").SetText(key::DetailsText2, L"IDS_PROTECTION");
    notice->SetNumber(key::ProductUpdateResult, c.result);
    if (c.detailsEnabled) notice->SetFlag(key::DetailsEnabled, *c.detailsEnabled);
    Make(ListAlerts, alerts_form::TfrSynchronization, notice);
    EXPECT_EQ(c.details, Get(L"pBottomText").Visible()) << c.result;
    EXPECT_EQ(c.signatures, Get(L"lbDetailText").Visible()) << c.result;
    EXPECT_EQ(c.protection, Get(L"lbDetailText2").Visible()) << c.result;
    EXPECT_EQ(L"Virus and other threat identifier file", Caption(L"lbDetailText"));
    EXPECT_EQ(L"Details", Caption(L"labelDetails"));
    // Without the details area the toast is shorter by the link's row.
    EXPECT_EQ(c.details ? 158 : 138, frame->Height()) << c.result;
  }
}

TEST_F(InformativeTest, SynchronizationKeepsItsOwnDetailLinesWithoutATranslator) {
  auto* bare = new testbed::ApplicationContext;
  auto notice = Notice();
  notice->SetFlag(key::DetailsEnabled, true).SetNumber(key::ProductUpdateResult, 3);
  notice->SetText(key::DetailsText, L"IDS_SIGNATURES");
  Make(ListAlerts, alerts_form::TfrSynchronization, notice, bare);
  EXPECT_EQ(L"Archivo de identificadores de virus y otras amenazas", Caption(L"lbDetailText"));
  EXPECT_EQ(L"Configuración de la protección", Caption(L"lbDetailText2"));
  EXPECT_EQ(L"Actualización completada", Caption(L"lbTopText"));
  EXPECT_EQ(L"Detalles", Caption(L"labelDetails"));
  frame.reset();
  bare->Release();
}

TEST_F(InformativeTest, SynchronizationDetailsOpenBelowTheLinesAndTheHostFollows) {
  auto notice = Notice();
  notice->SetFlag(key::DetailsEnabled, true).SetNumber(key::ProductUpdateResult, 3);
  notice->SetText(key::DetailsText, L"IDS_SIGNATURES").SetText(key::DetailsText2, L"IDS_PROTECTION");
  Make(ListAlerts, alerts_form::TfrSynchronization, notice);
  auto& arrow = Get<ui::KXUAPaintBoxPngLux>(L"kxzeButtonDetails");
  EXPECT_FALSE(Get(L"pDetailLines").Visible());
  EXPECT_EQ(520, arrow.ResourceID());

  Click(L"labelDetails");
  EXPECT_TRUE(Get(L"pDetailLines").Visible());
  EXPECT_EQ(519, arrow.ResourceID());
  EXPECT_EQ(L"Hide", Caption(L"labelDetails"));
  // Two lines of 15 pixels, 2 above each: the link goes below the second.
  EXPECT_EQ(34, Get(L"pDetails").Top());
  EXPECT_EQ(192, frame->Height());
  EXPECT_EQ(192, host.Height());

  Click(L"kxzeButtonDetails");
  EXPECT_FALSE(Get(L"pDetailLines").Visible());
  EXPECT_EQ(520, arrow.ResourceID());
  EXPECT_EQ(L"Details", Caption(L"labelDetails"));
  EXPECT_EQ(0, Get(L"pDetails").Top());
  EXPECT_EQ(158, frame->Height());
  EXPECT_EQ(158, host.Height());
}

TEST_F(InformativeTest, SynchronizationRestartAnswersOrRestartsAndNeverClosesByItself) {
  testbed::RegisterResourceModule(*sim);
  struct Case {
    bool responseNeeded;
    const wchar_t* click;
    std::vector<std::int32_t> responses;
    std::size_t restarts;
  } cases[] = {
      {true, L"kxzeButtonReboot", {ResponseRestartNow}, 0},
      {false, L"kxzeButtonReboot", {}, 1},
      {true, L"KXZEBtnClose", {ResponseNone}, 0},
      {false, L"KXZEBtnClose", {ResponseNone}, 0},
  };
  for (const Case& c : cases) {
    host.closeRequests = 0;
    const std::size_t before = product.Actions().Requests().size();
    auto notice = Notice();
    notice->SetText(key::ButtonText, L"IDS_RESTART").SetFlag(key::ResponseNeeded, c.responseNeeded);
    Make(ListAlerts, alerts_form::TfrSynchronizationRestart, notice);
    EXPECT_EQ(L"Your protection has new features", Caption(L"lbTopText"));
    EXPECT_EQ(L"Restart now", Caption(L"kxzeButtonReboot"));
    EXPECT_FALSE(frame->HasTimer());
    sim->RunFor(600000);
    EXPECT_EQ(0, host.closeRequests);
    EXPECT_FALSE(sim->FindWindow(host.Handle())->alphaEnabled);
    EXPECT_EQ(1, sim->LoadedModuleCount());
    Click(c.click);
    EXPECT_EQ(c.responses, notice->Responses()) << c.click;
    const auto requests = product.Actions().Requests();
    ASSERT_EQ(before + c.restarts, requests.size()) << c.click;
    if (c.restarts == 1) {
      EXPECT_EQ(L"RestartSystem", requests.back().action);
    }
    EXPECT_EQ(1, host.closeRequests);
  }
}

TEST(SizeText, BracketsOf1024TimesPowersOf1000) {
  struct Case {
    std::uint64_t bytes;
    const wchar_t* number;
    const wchar_t* unit;
  } cases[] = {
      {0, L"0", L"B"},
      {1024, L"1024", L"B"},
      {1025, L"1", L"KB"},
      {1024000, L"1000", L"KB"},
      {1024001, L"1.00", L"MB"},
      {1536000, L"1.50", L"MB"},
      {3070976, L"3.00", L"MB"},  // 2.999 rounds up
      {1024000000, L"1000.00", L"MB"},
      {1024000000ULL * 12 + 512000000ULL, L"12.50", L"GB"},
      {1024000000000ULL * 7, L"7.00", L"TB"},
      {1024000000000000ULL, L"1000.00", L"TB"},
      {1024000000000000ULL * 3, L"3.00", L"PB"},
  };
  for (const Case& c : cases) {
    const SizeText size = SizeOf(c.bytes);
    EXPECT_EQ(c.number, size.number) << c.bytes;
    EXPECT_EQ(std::wstring(c.unit), size.unit) << c.bytes;
  }
}

TEST_F(InformativeTest, ProgrammedFormFillsItsTemplateSafelyAndStaysUntilItsButton) {
  RegisterAction(L"Demo.CleanupReport");
  struct Case {
    const wchar_t* mainText;  // what the translator answers for the notification's MainText
    const wchar_t* taskName;
    const wchar_t* html;
  } cases[] = {
      {L"Task <b>%s</b> freed %s.", L"Weekly cleanup", L"Task <b>Weekly cleanup</b> freed 1.50 MB."},
      // 50 characters of 8 pixels do not fit the label's 307: the first 35 and "...".
      {L"Task <b>%s</b> freed %s.", L"abcdefghijabcdefghijabcdefghijabcdefghijabcdefghij",
       L"Task <b>abcdefghijabcdefghijabcdefghijabcde...</b> freed 1.50 MB."},
      // Directives beyond the two texts, or of another kind, show as written.
      {L"%n%s %d %x %s %s", L"Weekly cleanup", L"%nWeekly cleanup %d %x 1.50 MB %s"},
  };
  for (const Case& c : cases) {
    host.closeRequests = 0;
    product.Texts().Add(L"IDS_CLEANUP_TEXT", c.mainText);
    auto notice = Notice();
    notice->SetText(key::MainText, L"IDS_CLEANUP_TEXT").SetText(key::TaskName, c.taskName);
    notice->SetNumber64(key::BytesSize, 1536000).SetText(key::ButtonText, L"IDS_BUTTON");
    notice->SetText(key::ButtonAction, L"Demo.CleanupReport");
    Make(ListAlerts, alerts_form::TfrProgrammedForm, notice);
    EXPECT_EQ(c.html, Get<ui::HtmlLabel>(L"labelMainText").HTMLText()) << c.taskName;
  }
  EXPECT_EQ(L"Your protection has new features", Caption(L"lbTopText"));
  EXPECT_EQ(L"Find out more", Caption(L"ButtonAction"));
  EXPECT_FALSE(frame->HasTimer());
  sim->RunFor(600000);
  EXPECT_EQ(0, host.closeRequests);

  Click(L"ButtonAction");
  const auto requests = product.Actions().Requests();
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(L"Demo.CleanupReport", requests[0].objectName);
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(InformativeTest, ProgrammedFormDragsByItsHeaderBodyAndFooter) {
  Make(ListAlerts, alerts_form::TfrProgrammedForm, Notice());
  int x = 100;
  for (const wchar_t* name : {L"lbTopText", L"Panel5", L"lbProductName"}) {
    x += 100;
    sim->ScriptDrag({{x, 300}});
    ui::Control& control = Get(name);
    const platform::Point origin = control.OriginInWindow();
    sim->MouseDown(frame->Handle(), origin.x + 2, origin.y + 2);
    sim->MouseUp(frame->Handle(), origin.x + 2, origin.y + 2);
    EXPECT_EQ(x, sim->FindWindow(host.Handle())->bounds.left) << name;
  }
}

// The host-level path: a real run through the entry point shows the frame of the
// form type in the host window at its place above the taskbar.
class InformativeRunTest : public RunTest {};

TEST_F(InformativeRunTest, AGenericInformativeAlertAppearsAboveTheTaskbar) {
  manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative));
  sim->At(20, [this] {
    const AlertFrame* shown = Host().CurrentFrame();
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(L"TfrGenericInformative", shown->ClassName());
    // 327 x 176 inside a one-pixel edge, 5 pixels from the work area's corner.
    EXPECT_EQ((platform::Rect{1586, 857, 1915, 1035}), sim->FindWindow(Host().Handle())->bounds);
    EXPECT_EQ((platform::Rect{1, 1, 328, 177}), sim->FindWindow(shown->Handle())->bounds);
    EXPECT_TRUE(sim->FindWindow(shown->Handle())->visible);
    KXUA_Finalize();
  });
  EXPECT_EQ(0, Run());
}

TEST_F(InformativeRunTest, AFinishedUpdateInTheNotificationsListClosesByItself) {
  manager.AddNotification(Alert(notifications_form::TfrSynchronization));
  const std::uint64_t start = sim->TickCount();
  EXPECT_EQ(0, Run());
  ASSERT_EQ(1u, manager.Removals().size());
  EXPECT_EQ(ListNotifications, manager.Removals()[0].list);
  // Eight seconds of viewing, then 10 ms to end the run.
  EXPECT_EQ(8010u, sim->TickCount() - start);
}

}  // namespace
}  // namespace kxua
