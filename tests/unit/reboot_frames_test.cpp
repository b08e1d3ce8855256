// The restart and follow-steps alerts: what they show of the item, the details
// link, and what their buttons ask of the product; none answers or closes by
// itself.
#include <gtest/gtest.h>

#include "frames/reboot/reboot_frames.h"
#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/product_info.h"
#include "run_fixture.h"
#include "testbed/demo_brand.h"
#include "testbed/resources.h"
#include "tests/unit/frame_fixture.h"
#include "ui/html_label.h"
#include "ui/kxua_controls.h"

namespace kxua {
namespace {

using testbed::RecordedValue;

class RebootFramesTest : public test::FrameFixture {
 protected:
  RebootFramesTest() {
    RegisterRebootFrames(registry);
    AddTexts({{L"IDS_TITLE", L"Restart needed"},
              {L"IDS_MAIN", L"Restart to <b>neutralize</b> it."},
              {L"IDS_SECONDARY", L"The item stays blocked until then."},
              {L"IDS_BUTTON", L"Restart now"},
              {L"MALWARE_TYPE_3", L"Trojan"},
              {L"Detalles", L"Details"},
              {L"Ocultar", L"Hide"}});
  }
  static std::shared_ptr<testbed::Notification> Item() {
    auto notice = std::make_shared<testbed::Notification>();
    notice->SetText(key::TitleText, L"IDS_TITLE").SetText(key::MainText, L"IDS_MAIN");
    notice->SetText(key::SecondaryText, L"IDS_SECONDARY").SetText(key::ButtonText, L"IDS_BUTTON");
    notice->SetText(key::Path, L"\\??\\C:\\Program Files\\Test\\Evil.EXE").SetNumber(key::MWType, 3);
    return notice;
  }
  const std::wstring& Html() { return Get<ui::HtmlLabel>(L"HTMLabelMainText").HTMLText(); }
};

struct Twin {
  std::int32_t formType;
  const wchar_t* frame;
  const wchar_t* button;
  const wchar_t* detailsTarget;  // what the details link reacts to
};
const Twin kTwins[] = {
    {alerts_form::TfrNeedReboot, L"TfrNeedReboot", L"kxzeButtonReboot", L"labelDetails"},
    {alerts_form::TfrFollowSteps, L"TfrFollowSteps", L"kxzeButtonSteps", L"kxzeButtonDetails"},
    {alerts_form::TfrFollowSteps, L"TfrFollowSteps", L"kxzeButtonSteps", L"labelDetails"},
};

TEST_F(RebootFramesTest, EachFrameIsRegisteredForItsFormTypeInTheAlertsList) {
  for (const Twin& twin : kTwins) {
    FrameFactory factory = registry.Find(ListAlerts, twin.formType);
    ASSERT_NE(nullptr, factory);
    testbed::AlertSource empty;
    std::unique_ptr<AlertFrame> made = factory({&host, &empty, nullptr, product.Context()});
    EXPECT_EQ(twin.frame, made->ClassName());
    EXPECT_EQ(345, made->Width());
    EXPECT_EQ(202, made->Height());
    EXPECT_EQ(nullptr, registry.Find(ListNotifications, twin.formType));
  }
  FrameFactory factory = registry.Find(ListAlerts, alerts_form::TfNeedReboot2);
  ASSERT_NE(nullptr, factory);
  auto notice = Item();
  std::unique_ptr<AlertFrame> made = factory({&host, nullptr, notice.get(), product.Context()});
  EXPECT_EQ(L"TfNeedReboot2", made->ClassName());
  EXPECT_EQ(446, made->Width());
  EXPECT_EQ(nullptr, registry.Find(ListNotifications, alerts_form::TfNeedReboot2));
}

TEST_F(RebootFramesTest, ShowsTheItemItsTextsAndTheMainTextAsACentredParagraph) {
  for (const Twin& twin : kTwins) {
    Make(ListAlerts, twin.formType, {Item()});
    EXPECT_EQ(L"Restart needed", Caption(L"lbTopText")) << twin.frame;
    EXPECT_EQ(L"Restart now", Caption(twin.button));
    EXPECT_EQ(L"Evil.EXE", Caption(L"labelFileName")) << "the name as read";
    EXPECT_EQ(L"c:\\program files\\test\\evil.exe", Caption(L"labelPath"));
    EXPECT_EQ(L"c:\\program files\\test\\evil.exe", Get(L"labelPath").Hint()) << "a cut path reads whole";
    EXPECT_EQ(L"Trojan", Caption(L"lbMalwareType"));
    EXPECT_EQ(L"<p align=\"center\">Restart to <b>neutralize</b> it.</p>", Html());
    EXPECT_EQ(L"Details", Caption(L"labelDetails"));
  }
}

TEST_F(RebootFramesTest, TheWholeHeaderTakesTheWarningColour) {
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
  LoadAlertColors();
  Make(ListAlerts, alerts_form::TfrNeedReboot, {Item()});
  for (const wchar_t* panel : {L"Panel1", L"PanelLock", L"Panel4", L"panelDetails", L"panelAditionalInfo", L"Panel6"})
    EXPECT_EQ(AlertColor(kAlertTitleWarningBackColor), Get(panel).GetColor()) << panel;
  ResetAlertColorsForTests();
}

TEST_F(RebootFramesTest, AMainTextThatCompletesTheParagraphTagShowsWithoutItsBracket) {
  product.Texts().Add(L"IDS_MAIN", L">Restart now.");
  Make(ListAlerts, alerts_form::TfrNeedReboot, {Item()});
  EXPECT_EQ(L"<p align=\"center\">Restart now.</p>", Html());
}

TEST_F(RebootFramesTest, TheRiskLevelPicksItsPicture) {
  const struct {
    std::int32_t level;  // -1: none
    int picture;
  } cases[] = {{-1, 500}, {0, 500}, {1, 500}, {2, 501}, {5, 504}, {9, 504}};
  for (const auto& c : cases) {
    auto notice = Item();
    if (c.level >= 0) notice->SetNumber(key::SAMPLE_NOTIFICATION_RISKLEVEL, c.level);
    Make(ListAlerts, alerts_form::TfrNeedReboot, {notice});
    EXPECT_EQ(c.picture, Get<ui::KXUAPaintBoxPngLux>(L"imgRisk").ResourceID()) << c.level;
  }
}

TEST_F(RebootFramesTest, TheDetailsLinkSwapsTheTextsAndTwoClicksGiveTheFirstState) {
  for (const Twin& twin : kTwins) {
    Make(ListAlerts, twin.formType, {Item()});
    host.FitHeight(frame->Height());
    const int height = frame->Height();
    const std::wstring mainHtml = Html();
    EXPECT_FALSE(Get(L"panelAditionalInfo").Visible());

    Click(twin.detailsTarget);
    EXPECT_TRUE(Get(L"panelAditionalInfo").Visible()) << twin.detailsTarget;
    EXPECT_EQ(L"<p align=\"center\">The item stays blocked until then.</p>", Html());
    EXPECT_EQ(L"Hide", Caption(L"labelDetails"));
    EXPECT_EQ(519, Get<ui::KXUAPaintBoxPngLux>(L"kxzeButtonDetails").ResourceID());
    // The link goes below the type line (16 + 17); the strip and the frame grow by
    // as much, the body keeping its size.
    EXPECT_EQ(33, Get(L"panelDetails").Top());
    EXPECT_EQ(height + 33, frame->Height());
    EXPECT_EQ(frame->Height(), host.Height());

    Click(L"labelDetails");
    EXPECT_FALSE(Get(L"panelAditionalInfo").Visible());
    EXPECT_EQ(mainHtml, Html());
    EXPECT_EQ(L"Details", Caption(L"labelDetails"));
    EXPECT_EQ(520, Get<ui::KXUAPaintBoxPngLux>(L"kxzeButtonDetails").ResourceID());
    EXPECT_EQ(height, frame->Height());
    EXPECT_EQ(height, host.Height());
  }
}

TEST_F(RebootFramesTest, WithoutATranslatorTheDesignedTextsStayInBothDetailStates) {
  auto* bare = new testbed::ApplicationContext;
  Make(ListAlerts, alerts_form::TfrFollowSteps, {Item()}, bare);
  const std::wstring designed = L"<font size=\"14\">Sigue los pasos</font><br/>para neutralizar el elemento.";
  EXPECT_EQ(designed, Html());
  EXPECT_EQ(L"Contiene 3 virus", Caption(L"lbTopText"));
  EXPECT_EQ(L"Consultar paso a paso", Caption(L"kxzeButtonSteps"));
  EXPECT_EQ(L"Detalles", Caption(L"labelDetails"));
  Click(L"labelDetails");
  EXPECT_EQ(designed, Html()) << "never an empty text";
  EXPECT_EQ(L"Ocultar", Caption(L"labelDetails"));
  Click(L"labelDetails");
  EXPECT_EQ(designed, Html());
  frame.reset();
  bare->Release();
}

const struct RestartFrame {
  std::int32_t formType;
  const wchar_t* button;
} kRestartFrames[] = {{alerts_form::TfrNeedReboot, L"kxzeButtonReboot"},
                      {alerts_form::TfNeedReboot2, L"BtnReset"}};

TEST_F(RebootFramesTest, TheRestartButtonAsksOnceAndClosesWithoutAnAnswer) {
  testbed::RegisterResourceModule(*sim);
  for (const RestartFrame& restart : kRestartFrames) {
    host.closeRequests = 0;
    const std::size_t before = product.Actions().Requests().size();
    auto notice = Item();
    Make(ListAlerts, restart.formType, {notice});
    EXPECT_FALSE(frame->HasTimer());
    sim->RunFor(600000);
    EXPECT_EQ(0, host.closeRequests) << "stays until the user acts";
    Click(restart.button);
    Click(restart.button);
    const auto requests = product.Actions().Requests();
    ASSERT_EQ(before + 1, requests.size()) << restart.button;
    EXPECT_EQ(L"RestartSystem", requests.back().action);
    EXPECT_EQ(RecordedValue::Number(VT_INT, 0), requests.back().argument);
    EXPECT_EQ(1, host.closeRequests);
    EXPECT_TRUE(notice->Responses().empty());
  }
}

TEST_F(RebootFramesTest, TheRestartButtonClosesEvenWithoutTheActionManager) {
  testbed::RegisterResourceModule(*sim);
  product.Context()->Unregister(progid::ActionManager);
  for (const RestartFrame& restart : kRestartFrames) {
    host.closeRequests = 0;
    Make(ListAlerts, restart.formType, {Item()});
    Click(restart.button);
    EXPECT_TRUE(product.Actions().Requests().empty());
    EXPECT_EQ(1, host.closeRequests) << restart.button;
  }
}

TEST_F(RebootFramesTest, TheStepsButtonOpensItsPageAndTheAlertStays) {
  RegisterAction(L"Demo.Steps");
  auto notice = Item();
  notice->SetText(key::FullURL, L"Demo.Steps");
  Make(ListAlerts, alerts_form::TfrFollowSteps, {notice});
  Click(L"kxzeButtonSteps");
  const auto requests = product.Actions().Requests();
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(L"", requests[0].action);
  EXPECT_EQ(L"Demo.Steps", requests[0].objectName);
  EXPECT_EQ(0, host.closeRequests);
  EXPECT_TRUE(notice->Responses().empty());
}

TEST_F(RebootFramesTest, ThePathOpensItsFolderAndTheCloseButtonWritesNoAnswer) {
  for (const Twin& twin : kTwins) {
    host.closeRequests = 0;
    const std::size_t before = product.Actions().Requests().size();
    auto notice = Item();
    Make(ListAlerts, twin.formType, {notice});
    Click(L"labelDetails");
    Click(L"labelPath");
    const auto requests = product.Actions().Requests();
    ASSERT_EQ(before + 1, requests.size()) << twin.frame;
    EXPECT_EQ(L"OpenShellFolder", requests.back().action);
    EXPECT_EQ(RecordedValue::Text(L"c:\\program files\\test\\evil.exe"), requests.back().argument);
    Click(L"KXZEBtnClose");
    EXPECT_EQ(1, host.closeRequests);
    EXPECT_TRUE(notice->Responses().empty());
  }
}

class NeedReboot2Test : public RebootFramesTest {
 protected:
  NeedReboot2Test() {
    testbed::RegisterResourceModule(*sim);
    AddTexts({{L"IDS_TEXT1", L"Restart to finish."},
              {L"IDS_NAME", L"Program name"},
              {L"IDS_FOLDER", L"Program folder:"},
              {L"IDS_PUBLISHER", L"Publisher:"},
              {L"IDS_STARTER", L"Started by:"}});
  }
  static std::shared_ptr<testbed::Notification> Program() {
    auto notice = std::make_shared<testbed::Notification>();
    notice->SetText(key::TitleText, L"IDS_TITLE").SetText(key::Text1, L"IDS_TEXT1");
    notice->SetText(key::Text2, L"IDS_NAME").SetText(key::Text3, L"IDS_FOLDER");
    notice->SetText(key::Text4, L"IDS_PUBLISHER").SetText(key::Text5, L"IDS_STARTER");
    notice->SetText(key::Option1, L"IDS_BUTTON").SetText(key::Publisher, L"IDS_NAME & Co <b>");
    notice->SetText(key::Path, L"\\??\\D:\\Work\\Tools\\tool.exe");
    notice->SetText(key::ExecutedBy, L"\\??\\C:\\Windows\\Explorer.EXE");
    return notice;
  }
};

TEST_F(NeedReboot2Test, ShowsTheProgramsRowsWithTheirValuesWholeInTheHints) {
  Make(ListAlerts, alerts_form::TfNeedReboot2, {Program()});
  EXPECT_EQ(L"Restart needed", Get<ui::HtmlLabel>(L"htmlProcessString").HTMLText());
  EXPECT_EQ(L"Restart to finish.", Get<ui::HtmlLabel>(L"Text1").HTMLText());
  EXPECT_EQ(L"Program name", Caption(L"Text2"));
  EXPECT_EQ(L"Program folder:", Caption(L"Text3"));
  EXPECT_EQ(L"Publisher:", Caption(L"Text4"));
  EXPECT_EQ(L"Started by:", Caption(L"Text5"));
  EXPECT_EQ(L"Restart now", Caption(L"BtnReset"));
  const struct {
    const wchar_t* control;
    const wchar_t* hint;
  } values[] = {{L"Text2Value", L"tool.exe"},
                {L"Text3Value", L"D:\\Work\\Tools"},
                {L"Text4Value", L"IDS_NAME & Co <b>"},  // as read, never translated
                {L"Text5Value", L"C:\\Windows\\Explorer.EXE"}};
  for (const auto& v : values) {
    EXPECT_EQ(v.hint, Get(v.control).Hint()) << v.control;
    EXPECT_TRUE(Get(v.control).ShowHint());
  }
  EXPECT_EQ(L"<a href=\"#\">D:\\Work\\Tools</a>", Get<ui::HtmlLabel>(L"Text3Value").HTMLText());
  EXPECT_EQ(3173, Get<ui::KXUAPaintBoxPngLux>(L"MainIcon").ResourceID());
}

TEST_F(NeedReboot2Test, TheIconIsTheOneTheNotificationNames) {
  auto notice = Program();
  notice->SetNumber(key::MainIconID, 3146);
  Make(ListAlerts, alerts_form::TfNeedReboot2, {notice});
  EXPECT_EQ(3146, Get<ui::KXUAPaintBoxPngLux>(L"MainIcon").ResourceID());
}

TEST_F(NeedReboot2Test, TheFolderLinkAndTheInformationIconAskForTheProgramsPath) {
  Make(ListAlerts, alerts_form::TfNeedReboot2, {Program()});
  ui::Control& link = Get(L"Text3Value");
  const platform::Point origin = link.OriginInWindow();
  sim->Click(frame->Handle(), origin.x + 3, origin.y + link.Height() / 2);
  sim->RunFor(0);
  Click(L"imgInfo");
  const auto requests = product.Actions().Requests();
  ASSERT_EQ(2u, requests.size());
  EXPECT_EQ(L"OpenShellFolder", requests[0].action);
  EXPECT_EQ(RecordedValue::Text(L"D:\\Work\\Tools\\tool.exe"), requests[0].argument);
  EXPECT_EQ(L"ShowFilePropertiesDialog", requests[1].action);
  EXPECT_EQ((std::map<std::wstring, RecordedValue>{{L"Path", RecordedValue::Text(L"D:\\Work\\Tools\\tool.exe")}}),
            requests[1].objectItems);
  EXPECT_TRUE(Get(L"imgInfo").Enabled()) << "enabled again after the wait";
  EXPECT_EQ(0, host.closeRequests);
  Click(L"KXZEBtnClose");
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(NeedReboot2Test, WithoutATranslatorTheDesignedTextsStay) {
  auto* bare = new testbed::ApplicationContext;
  Make(ListAlerts, alerts_form::TfNeedReboot2, {Program()}, bare);
  EXPECT_EQ(L"El elemento esta infectado", Get<ui::HtmlLabel>(L"htmlProcessString").HTMLText());
  EXPECT_EQ(L"Reiniciar ahora", Caption(L"BtnReset"));
  EXPECT_EQ(L"Nombre del programa", Caption(L"Text2"));
  EXPECT_EQ(L"tool.exe", Caption(L"Text2Value"));
  frame.reset();
  bare->Release();
}

// The host-level path: the host window's edge takes the warning colour while an
// item alert shows, and the next alert has its own again.
class RebootFramesRunTest : public RunTest {
 protected:
  RebootFramesRunTest() { testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain); }
  ~RebootFramesRunTest() override {
    ProductInfoManager::ResetForTests();
    ResetAlertColorsForTests();
  }
  // The product information makes its own context, of the product's class.
  testbed::ContextClassRegistration contextClass{context};
};

TEST_F(RebootFramesRunTest, TheHostsEdgeIsInTheWarningColourOnlyWhileTheAlertShows) {
  manager.Add(ListAlerts, Alert(alerts_form::TfrFollowSteps));
  manager.Add(ListAlerts, Alert(alerts_form::TfrGenericInformative));
  const auto edge = [] { return Host().Find<ui::KXUAColors>(L"ColorFondo")->ColorOf(ui::ButtonFace::Up); };
  bool checked = false;
  sim->At(20, [&] {
    ASSERT_EQ(L"TfrFollowSteps", Host().CurrentFrame()->ClassName());
    EXPECT_EQ(AlertColor(kAlertTitleWarningBackColor), edge());
    Host().CurrentFrame()->RequestClose();
  });
  sim->At(200, [&] {
    ASSERT_EQ(L"TfrGenericInformative", Host().CurrentFrame()->ClassName());
    EXPECT_EQ(AlertColor(kAlertTitleBackColor), edge());
    checked = true;
    KXUA_Finalize();
  });
  EXPECT_EQ(0, Run());
  EXPECT_TRUE(checked);
  EXPECT_NE(AlertColor(kAlertTitleWarningBackColor), AlertColor(kAlertTitleBackColor));
}

}  // namespace
}  // namespace kxua
