// The informative frames that page through pending notifications: dangerous
// operations and restored items. What each shows of the notification on screen,
// what its links and button ask of the product, and the paging by arrows and keys.
#include <gtest/gtest.h>

#include "frames/informative/informative_frames.h"
#include "kxua/values.h"
#include "run_fixture.h"
#include "tests/unit/frame_fixture.h"
#include "ui/html_label.h"

namespace kxua {
namespace {

using testbed::RecordedValue;
constexpr std::uintptr_t kKeyLeft = 37, kKeyRight = 39;

class PagedInformativeTest : public test::FrameFixture {
 protected:
  PagedInformativeTest() {
    RegisterInformativeFrames(registry);
    AddTexts({{L"IDS_OPERATION", L"dangerous operation"},
              {L"IDS_OPERATIONS", L"dangerous operations"},
              {L"IDS_RULE", L"Rule %d"},
              {L"IDS_RESTORED", L"item restored"},
              {L"IDS_RESTORED_PLURAL", L"items restored"},
              {L"IDS_HARMLESS", L"<b>%1%</b> was judged harmless."},
              {L"IDS_OPEN", L"Open folder"},
              {L"IDS_COUNTER", L"%1% of %2%"}});
  }
  static std::shared_ptr<testbed::Notification> Operation(const wchar_t* path, std::optional<std::int32_t> rule) {
    auto notice = std::make_shared<testbed::Notification>();
    notice->SetText(key::TitleText, L"IDS_OPERATION").SetText(key::TitleTextPlural, L"IDS_OPERATIONS");
    notice->SetText(key::MainText, L"IDS_RULE").SetText(key::ElementsCounter, L"IDS_COUNTER");
    notice->SetText(key::Path, path);
    if (rule) notice->SetNumber(key::InterceptionRuleShowID, *rule);
    return notice;
  }
  static std::shared_ptr<testbed::Notification> Restored(const wchar_t* app, const wchar_t* path) {
    auto notice = std::make_shared<testbed::Notification>();
    notice->SetText(key::TitleText, L"IDS_RESTORED").SetText(key::TitleTextPlural, L"IDS_RESTORED_PLURAL");
    notice->SetText(key::MainText, L"IDS_HARMLESS").SetText(key::ButtonText, L"IDS_OPEN");
    notice->SetText(key::ElementsCounter, L"IDS_COUNTER");
    notice->SetText(key::AppName, app).SetText(key::RestorationPath, path);
    return notice;
  }
  void Key(std::uintptr_t key) {
    AlertHost::ForwardKey(frame->Handle(), key);
    sim->RunFor(0);
  }
  const std::wstring& MainHtml() { return Get<ui::HtmlLabel>(L"lbMainText").HTMLText(); }
};

TEST_F(PagedInformativeTest, BothAreRegisteredInBothListsAndRefreshedByTheHost) {
  const struct {
    std::int32_t formType;
    const wchar_t* frame;
    int width, height;
  } cases[] = {{alerts_form::TfrDangerousOperation, L"TfrDangerousOperation", 327, 145},
               {alerts_form::TfrRestoredItems, L"TfrRestoredItems", 328, 178}};
  for (const auto& c : cases)
    for (std::int32_t list : {ListAlerts, ListNotifications}) {
      FrameFactory factory = registry.Find(list, c.formType);
      ASSERT_NE(nullptr, factory) << list << "/" << c.formType;
      testbed::AlertSource empty;
      std::unique_ptr<AlertFrame> made = factory({&host, &empty, nullptr, product.Context()});
      EXPECT_EQ(c.frame, made->ClassName());
      EXPECT_EQ(AlertFrame::Kind::Paging, made->FrameKind());
      EXPECT_EQ(c.width, made->Width());
      EXPECT_EQ(c.height, made->Height());
    }
}

TEST_F(PagedInformativeTest, TheRuleTemplateGetsTheRuleNumberAndNothingElse) {
  const struct {
    const wchar_t* translation;
    std::optional<std::int32_t> rule;
    const wchar_t* shown;
  } cases[] = {
      {L"Rule %d", 12, L"Rule 12"},
      {L"Rule %d", std::nullopt, L"Rule 0"},
      {L"Rule %u", -3, L"Rule -3"},
      // Directives it has no argument for, or of another kind, show as written.
      {L"%s %n Rule %d %d %x", 12, L"%s %n Rule 12 %d %x"},
      {L"No number", 12, L"No number"},
  };
  for (const auto& c : cases) {
    product.Texts().Add(L"IDS_RULE", c.translation);
    Make(ListNotifications, notifications_form::TfrDangerousOperation,
         {Operation(L"\\??\\C:\\Tools\\tool.exe", c.rule)});
    EXPECT_EQ(c.shown, Caption(L"lbRule")) << c.translation;
  }
}

TEST_F(PagedInformativeTest, ARuleTooLongForItsBufferIsCut) {
  product.Texts().Add(L"IDS_RULE", std::wstring(300, L'r') + L" %d");
  Make(ListAlerts, alerts_form::TfrDangerousOperation, {Operation(L"C:\\tool.exe", 1)});
  EXPECT_EQ(std::wstring(259, L'r'), Caption(L"lbRule"));
}

TEST_F(PagedInformativeTest, DangerousOperationsPageByArrowsAndKeys) {
  RegisterAction(L"Demo.Rule1");
  RegisterAction(L"Demo.Rule2");
  auto first = Operation(L"\\??\\C:\\Program Files\\Tools\\Tool.exe", 12);
  auto second = Operation(L"\\??\\D:\\Other\\Other.EXE", 7);
  first->SetText(key::FullURL, L"Demo.Rule1");
  second->SetText(key::FullURL, L"Demo.Rule2");
  Make(ListNotifications, notifications_form::TfrDangerousOperation, {first, second});
  EXPECT_EQ(L"dangerous operations", Caption(L"lbTopText"));
  EXPECT_EQ(L"2", Caption(L"lbNumVirus"));
  EXPECT_EQ(L"1 of 2", Caption(L"lbNumElements"));
  EXPECT_TRUE(Get(L"PanelDetails").Visible());
  EXPECT_EQ(L"Rule 12", Caption(L"lbRule"));
  EXPECT_EQ(L"c:\\program files\\tools\\tool.exe", Caption(L"lbPath"));

  Key(kKeyRight);
  EXPECT_EQ(1u, frame->Index());
  EXPECT_EQ(L"Rule 7", Caption(L"lbRule"));
  EXPECT_EQ(L"d:\\other\\other.exe", Caption(L"lbPath"));
  EXPECT_EQ(L"2 of 2", Caption(L"lbNumElements"));
  // The links act on the notification on screen.
  Click(L"lbRule");
  Click(L"lbPath");
  auto requests = product.Actions().Requests();
  ASSERT_EQ(2u, requests.size());
  EXPECT_EQ(L"", requests[0].action);
  EXPECT_EQ(L"Demo.Rule2", requests[0].objectName);
  EXPECT_EQ(L"OpenShellFolder", requests[1].action);
  EXPECT_EQ(RecordedValue::Text(L"d:\\other\\other.exe"), requests[1].argument);

  Key(kKeyLeft);
  EXPECT_EQ(L"Rule 12", Caption(L"lbRule"));
  Click(L"KXZEBtnRArrow");
  EXPECT_EQ(L"Rule 7", Caption(L"lbRule"));
  EXPECT_EQ(0, host.closeRequests);
}

TEST_F(PagedInformativeTest, ADangerousOperationClosesByItselfWithoutAnAnswer) {
  auto notice = Operation(L"C:\\tool.exe", 1);
  Make(ListAlerts, alerts_form::TfrDangerousOperation, {notice});
  EXPECT_EQ(L"dangerous operation", Caption(L"lbTopText"));
  EXPECT_FALSE(Get(L"PanelDetails").Visible());
  sim->RunFor(7999);
  EXPECT_EQ(0, host.closeRequests);
  sim->RunFor(1);
  EXPECT_EQ(1, host.closeRequests);
  EXPECT_TRUE(notice->Responses().empty());
}

TEST_F(PagedInformativeTest, WithoutATranslatorTheDesignedTextsStay) {
  auto* bare = new testbed::ApplicationContext;
  Make(ListAlerts, alerts_form::TfrDangerousOperation, {Operation(L"C:\\tool.exe", 12)}, bare);
  EXPECT_EQ(L"operaciones peligrosas", Caption(L"lbTopText"));
  EXPECT_EQ(L"Regla", Caption(L"lbRule"));
  Make(ListAlerts, alerts_form::TfrRestoredItems, {Restored(L"Editor.exe", L"C:\\a\\b.doc")}, bare);
  EXPECT_EQ(L"elementos restaurados", Caption(L"lbTopText"));
  EXPECT_EQ(L"<B><FONT size=\"14\">Editor.exe</FONT></B> se ha considerado inofensivo.", MainHtml());
  EXPECT_EQ(L"Abrir carpeta", Caption(L"KXZEBtnAllow"));
  frame.reset();
  bare->Release();
}

TEST_F(PagedInformativeTest, ALongProgramPathTakesAtMostThreeLinesAndReadsWholeInItsHint) {
  std::wstring path = L"C:";
  for (int i = 0; i < 60; ++i) path += L"\\folder " + std::to_wstring(i);
  Make(ListAlerts, alerts_form::TfrDangerousOperation, {Operation(path.c_str(), 1)});
  std::wstring shown = path;
  shown[0] = L'c';
  EXPECT_EQ(shown, Get(L"lbPath").Hint());
  EXPECT_EQ(39, Get(L"lbPath").Height());
  // Header 72; the path 8 + 39, the rule 4 + 22 + 4, the footer 22.
  EXPECT_EQ(171, frame->Height());
  EXPECT_EQ(171, host.Height());
}

TEST_F(PagedInformativeTest, ALongProgramNameIsCutToOneLineAndReadsWholeInItsHint) {
  // 8 pixels a character in the simulation: 308 pixels take 35 characters and "...".
  const std::wstring name(100, L'n');
  Make(ListAlerts, alerts_form::TfrRestoredItems, {Restored(name.c_str(), L"C:\\a\\b.doc")});
  EXPECT_EQ(L"<b>" + std::wstring(35, L'n') + L"...</b> was judged harmless.", MainHtml());
  EXPECT_EQ(name, Get(L"lbMainText").Hint());
  EXPECT_TRUE(Get(L"lbMainText").ShowHint());
  Make(ListAlerts, alerts_form::TfrRestoredItems, {Restored(L"Editor.exe", L"C:\\a\\b.doc")});
  EXPECT_FALSE(Get(L"lbMainText").ShowHint());
}

TEST_F(PagedInformativeTest, ALongPathIsReadableWholeInItsHint) {
  const std::wstring folder = L"C:\\" + std::wstring(200, L'f');
  Make(ListAlerts, alerts_form::TfrRestoredItems, {Restored(L"Editor.exe", (folder + L"\\x.doc").c_str())});
  std::wstring lower = folder;
  lower[0] = L'c';
  EXPECT_EQ(lower, Get(L"lbPath").Hint());
  EXPECT_TRUE(Get(L"lbPath").ShowHint());
}

TEST_F(PagedInformativeTest, TheRestoredItemsFolderIsShownAndOpened) {
  const struct {
    const wchar_t* restorationPath;
    const wchar_t* shown;
    const wchar_t* opened;
  } cases[] = {
      {L"\\??\\D:\\Users\\Ann\\Documents\\report.doc", L"d:\\users\\ann\\documents",
       L"D:\\Users\\Ann\\Documents\\report.doc"},
      {L"report.doc", L"report.doc", L"report.doc"},
      {L"", L"", L""},
  };
  for (const auto& c : cases) {
    host.closeRequests = 0;
    const std::size_t before = product.Actions().Requests().size();
    auto notice = Restored(L"Editor.exe", c.restorationPath);
    Make(ListAlerts, alerts_form::TfrRestoredItems, {notice});
    EXPECT_EQ(c.shown, Caption(L"lbPath")) << c.restorationPath;
    EXPECT_EQ(L"Open folder", Caption(L"KXZEBtnAllow"));
    Click(L"KXZEBtnAllow");
    const auto requests = product.Actions().Requests();
    ASSERT_EQ(before + 1, requests.size());
    EXPECT_EQ(L"OpenShellFolder", requests.back().action);
    EXPECT_EQ(RecordedValue::Text(c.opened), requests.back().argument);
    EXPECT_EQ(0, host.closeRequests) << "the alert stays";
    EXPECT_TRUE(notice->Responses().empty());
  }
}

TEST_F(PagedInformativeTest, RestoredItemsPageWithTheirOwnNamesAndFolders) {
  Make(ListNotifications, notifications_form::TfrRestoredItems,
       {Restored(L"Editor.exe", L"C:\\Apps\\Editor.exe"), Restored(L"Viewer.exe", L"D:\\Tools\\Viewer.exe"),
        Restored(L"100% <tool>", L"E:\\x")});
  EXPECT_EQ(L"items restored", Caption(L"lbTopText"));
  EXPECT_EQ(L"3", Caption(L"lbNumVirus"));
  EXPECT_EQ(L"<b>Editor.exe</b> was judged harmless.", MainHtml());
  Key(kKeyRight);
  EXPECT_EQ(L"<b>Viewer.exe</b> was judged harmless.", MainHtml()) << "the template is filled anew";
  EXPECT_EQ(L"d:\\tools", Caption(L"lbPath"));
  Key(kKeyRight);
  EXPECT_EQ(L"<b>100% <tool></b> was judged harmless.", MainHtml());
  EXPECT_EQ(L"e:", Caption(L"lbPath"));
  EXPECT_EQ(L"3 of 3", Caption(L"lbNumElements"));
  Key(kKeyRight);
  EXPECT_EQ(2u, frame->Index()) << "no page after the last";
}

// The host-level path: dangerous operations that arrive while one shows join it.
class PagedInformativeRunTest : public RunTest {};

TEST_F(PagedInformativeRunTest, ALaterDangerousOperationJoinsTheShownOne) {
  manager.AddNotification(Alert(notifications_form::TfrDangerousOperation));
  const AlertFrame* first = nullptr;
  bool joined = false;
  sim->At(20, [&] {
    first = Host().CurrentFrame();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(L"TfrDangerousOperation", first->ClassName());
    EXPECT_EQ(L"1", test::Get<ui::Control>(*first, L"lbNumVirus").Caption());
    manager.AddNotification(Alert(notifications_form::TfrDangerousOperation));
  });
  sim->At(200, [&] {
    EXPECT_EQ(first, Host().CurrentFrame());
    EXPECT_EQ(L"2", test::Get<ui::Control>(*first, L"lbNumVirus").Caption());
    EXPECT_TRUE(test::Get<ui::Control>(*first, L"PanelDetails").Visible());
    joined = true;
    KXUA_Finalize();
  });
  EXPECT_EQ(0, Run());
  EXPECT_TRUE(joined);
}

}  // namespace
}  // namespace kxua
