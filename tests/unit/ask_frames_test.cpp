// The ask alerts: what each reads and where it shows it, the one answer each button
// writes before the one close request, the location and folder links, and an ask
// alert the host answers for the user when it expires.
#include <gtest/gtest.h>

#include "frames/ask/ask_frames.h"
#include "frames/common/connection_end.h"
#include "frames/common/file_properties.h"
#include "frames/common/frame_texts.h"
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

class AskTest : public ::testing::Test {
 protected:
  AskTest() {
    RegisterAskFrames(registry);
    for (const auto& [id, text] : std::map<std::wstring, std::wstring>{
             {L"IDS_FW_TITLE", L"<P align=\"center\"><b>%1%</b> wants to reach the Internet</P>"},
             {L"IDS_LOCAL_PORT", L"Local port:"},
             {L"IDS_RISK", L"Risk:"},
             {L"Permitir", L"Allow"},
             {L"Denegar", L"Deny"},
             {L"Ubicación:", L"Location:"},
             {L"IP remota:", L"Remote IP:"},
             {L"IDS_DATA_TITLE", L"Unauthorised access by %s"},
             {L"MALWARE_TYPE_7", L"ransomware"},
             {L"Neutralizar", L"Neutralize"},
             {L"Excluir", L"Exclude"},
             {L"IDS_FOLDER_TITLE", L"%1% wants your data"},
             {L"IDS_FOLDER_TEXT", L"<a href=\"#\">%1%</a> wants to open:"},
             {L"IDS_FOLDER_TARGET", L"<a href=\"#\">%1%</a>"},
             {L"IDS_ALLOW", L"Let it in"},
             {L"IDS_BLOCK", L"Keep it out"},
             {L"IDS_UF_TITLE", L"Untrusted file blocked"},
             {L"IDS_UF_QUESTION", L"Do you need this file for your daily work?"},
             {L"IDS_UF_NAME", L"Program name:"},
             {L"IDS_UF_FOLDER", L"Program path:"},
             {L"IDS_UF_PUBLISHER", L"Publisher:"},
             {L"IDS_UF_STARTED", L"Run by:"},
             {L"IDS_YES", L"Yes"},
             {L"IDS_NO", L"No"},
             {L"IDS_AC_TITLE", L"Unknown program"},
             {L"IDS_AC_TEXT", L"<a href=\"#\"><b>%1%</b></a> is unknown and tries to run."},
             {L"IDS_AC_MORE", L"<a href=\"#\">More about this alert</a>"},
             {L"IDS_AC_ALLOW", L"Let it run"},
             {L"IDS_AC_DENY", L"Stop it"},
             {L"IDS_ACD_TITLE", L"program blocked"},
             {L"IDS_ACD_TITLE_PLURAL", L"programs blocked"},
             {L"IDS_ACD_TEXT", L"<a href=\"#\">%s</a> tried to run and was blocked."},
             {L"IDS_ACD_COUNTER", L"%1% of %2%"}})
      product.Texts().Add(id, text);
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
  AlertFrame& MakeAlert(std::int32_t formType, std::shared_ptr<testbed::Notification> notification,
                        IZYMApplicationContext* context = nullptr) {
    return Make(ListAlerts, formType, std::move(notification), context);
  }
  template <typename T = ui::Control>
  T& Get(const wchar_t* name) {
    return test::Get<T>(*frame, name);
  }
  const std::wstring& Caption(const wchar_t* name) { return Get(name).Caption(); }
  const std::wstring& Html(const wchar_t* name) { return Get<ui::HtmlLabel>(name).HTMLText(); }
  int Picture(const wchar_t* name) { return Get<ui::KXUAPaintBoxPngLux>(name).ResourceID(); }
  void Click(const wchar_t* name) {
    ui::Control& control = Get(name);
    const platform::Point origin = control.OriginInWindow();
    sim->Click(frame->Handle(), origin.x + control.Width() / 2, origin.y + control.Height() / 2);
    sim->RunFor(0);
  }
  std::vector<testbed::ActionManager::Request> Requests() { return product.Actions().Requests(); }
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

// A context with no services: no translator, no action manager.
class BareContext {
 public:
  BareContext() : context_(new testbed::ApplicationContext) {}
  ~BareContext() { context_->Release(); }
  IZYMApplicationContext* Get() const { return context_; }

 private:
  testbed::ApplicationContext* context_;
};

TEST_F(AskTest, EachFrameIsRegisteredForItsFormTypeInItsList) {
  const struct {
    std::int32_t list, formType;
    const wchar_t* frame;
    int width;
    AlertFrame::Kind kind;
    bool timer;
  } cases[] = {
      {ListAlerts, 2, L"TfrFirewallAsk", 344, AlertFrame::Kind::Single, false},
      {ListAlerts, 16, L"TfrmAskToUser", 344, AlertFrame::Kind::Single, false},
      {ListAlerts, 17, L"TfrmAskFolderAccess", 344, AlertFrame::Kind::Single, false},
      {ListAlerts, 20, L"TTfAppControlAsk", 344, AlertFrame::Kind::Single, false},
      {ListAlerts, 22, L"TTUntrustedFile", 446, AlertFrame::Kind::Single, false},
      {ListNotifications, 21, L"TfrmAppControlDenied", 327, AlertFrame::Kind::Paging, true},
  };
  for (const auto& c : cases) {
    FrameFactory factory = registry.Find(c.list, c.formType);
    ASSERT_NE(nullptr, factory) << c.frame;
    testbed::AlertSource empty;
    std::unique_ptr<AlertFrame> made = factory({&host, &empty, nullptr, product.Context()});
    EXPECT_EQ(c.frame, made->ClassName());
    EXPECT_EQ(c.width, made->Width()) << c.frame;
    EXPECT_EQ(c.kind, made->FrameKind()) << c.frame;
    EXPECT_EQ(c.timer, made->HasTimer()) << c.frame;
  }
  EXPECT_EQ(nullptr, registry.Find(ListNotifications, 2));
  EXPECT_EQ(nullptr, registry.Find(ListAlerts, 21));
}

// Each button of each ask alert: its response, written once, then one close
// request; a second click changes nothing.
struct ButtonCase {
  std::int32_t formType;
  const wchar_t* button;
  std::int32_t response;
};

TEST_F(AskTest, EachButtonWritesItsResponseOnceThenAsksOnceToClose) {
  const ButtonCase cases[] = {
      {alerts_form::TfrFirewallAsk, L"KXZEBtnAllow", ResponseAllow},
      {alerts_form::TfrFirewallAsk, L"KXZEBtnDeny", ResponseDeny},
      {alerts_form::TfrmAskFolderAccess, L"KXZEBtnAllow", ResponseAllow},
      {alerts_form::TfrmAskFolderAccess, L"KXZEBtnDeny", ResponseDeny},
      // Neutralize and exclude, not allow and deny.
      {alerts_form::TfrmAskToUser, L"KXZEBtnAllow", ResponseNeutralize},
      {alerts_form::TfrmAskToUser, L"KXZEBtnDeny", ResponseExclude},
      // Yes and no: the notification's question decides what they mean.
      {alerts_form::TTUntrustedFile, L"BtnAllow", ResponseAllow},
      {alerts_form::TTUntrustedFile, L"BtnDeny", ResponseDeny},
      {alerts_form::TTfAppControlAsk, L"KXZEBtnAllow", ResponseAllow},
      {alerts_form::TTfAppControlAsk, L"KXZEBtnDeny", ResponseDeny},
  };
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.button)) + " of form " + std::to_string(c.formType));
    auto notice = std::make_shared<testbed::Notification>();
    host.closeRequests = 0;
    MakeAlert(c.formType, notice);
    EXPECT_FALSE(frame->HasTimer()) << "an ask alert waits for its answer";
    sim->RunFor(600000);
    EXPECT_EQ(0, host.closeRequests);
    EXPECT_TRUE(notice->Responses().empty());

    Click(c.button);
    EXPECT_EQ(std::vector<std::int32_t>{c.response}, notice->Responses());
    EXPECT_EQ(1, host.closeRequests);
    // Either button again, before the host got to the close request.
    Click(c.button);
    for (const wchar_t* other : {L"KXZEBtnAllow", L"KXZEBtnDeny", L"BtnAllow", L"BtnDeny"})
      if (frame->Find<ui::Control>(other) != nullptr) Click(other);
    EXPECT_EQ(std::vector<std::int32_t>{c.response}, notice->Responses());
    EXPECT_EQ(1, host.closeRequests);
  }
}

TEST_F(AskTest, AnAskAlertWithoutNotificationStillAsksToClose) {
  testbed::AlertSource empty;
  frame = registry.Find(ListAlerts, alerts_form::TfrFirewallAsk)({&host, &empty, nullptr, product.Context()});
  frame->InitAlert();
  sim->Show(frame->Handle());
  EXPECT_EQ(L"Permitir", Caption(L"KXZEBtnAllow")) << "the designed texts stay";
  Click(L"KXZEBtnDeny");
  EXPECT_EQ(1, host.closeRequests);
}

// The firewall ask.

std::shared_ptr<testbed::Notification> UntrustedFile();

std::shared_ptr<testbed::Notification> Connection() {
  auto notice = std::make_shared<testbed::Notification>();
  notice->SetText(key::TitleText, L"IDS_FW_TITLE")
      .SetText(key::PortText, L"IDS_LOCAL_PORT")
      .SetText(key::Risk, L"IDS_RISK")
      .SetText(key::AppName, L"browser.exe")
      .SetText(key::Path, L"\\??\\D:\\Program Files\\App\\App.exe")
      .SetText(key::IPDst, L"203.0.113.7")
      .SetText(key::IPSrc, L"198.51.100.2")
      .SetNumber(key::PortSrc, 50123)
      .SetNumber(key::PortDst, 443);
  return notice;
}

TEST_F(AskTest, FirewallShowsTheProgramItsConnectionRiskAndLocationInTheProductsWords) {
  auto notice = Connection();
  notice->SetNumber(key::SAMPLE_NOTIFICATION_RISKLEVEL, 3);
  MakeAlert(alerts_form::TfrFirewallAsk, notice);
  EXPECT_EQ(344, frame->Width());
  EXPECT_EQ(204, frame->Height());
  EXPECT_EQ(L"<P align=\"center\"><b>browser.exe</b> wants to reach the Internet</P>",
            Html(L"htmlProcessString"));
  EXPECT_EQ(L"Allow", Caption(L"KXZEBtnAllow"));
  EXPECT_EQ(L"Deny", Caption(L"KXZEBtnDeny"));
  EXPECT_EQ(L"Remote IP:", Caption(L"LabelIP"));
  EXPECT_EQ(L"Local port:", Caption(L"LabelPort"));
  EXPECT_EQ(L"Risk:", Caption(L"LabelRisk"));
  EXPECT_EQ(L"Location:", Caption(L"LabelLocation"));
  EXPECT_EQ(L"203.0.113.7", Caption(L"LabelIPValue"));
  EXPECT_EQ(L"50123", Caption(L"LabelPortValue"));
  EXPECT_EQ(502, Picture(L"ImageRisk"));
  EXPECT_EQ(L"d:\\program files\\app\\app.exe", Caption(L"lbUbicacion"));

  // The location opens as shown.
  Click(L"lbUbicacion");
  const auto requests = Requests();
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(L"OpenShellFolder", requests[0].action);
  EXPECT_EQ(RecordedValue::Text(L"d:\\program files\\app\\app.exe"), requests[0].argument);
  EXPECT_EQ(0, host.closeRequests);
}

TEST_F(AskTest, FirewallWithoutTranslatorKeepsItsButtonsAndEmptiesTheProductsCaptions) {
  BareContext bare;
  MakeAlert(alerts_form::TfrFirewallAsk, Connection(), bare.Get());
  EXPECT_EQ(L"<P align=\"center\"><b>browser.exe</b> is trying to access the Internet</P>",
            Html(L"htmlProcessString"));
  EXPECT_EQ(L"Permitir", Caption(L"KXZEBtnAllow"));
  EXPECT_EQ(L"Denegar", Caption(L"KXZEBtnDeny"));
  for (const wchar_t* caption : {L"LabelIP", L"LabelPort", L"LabelRisk", L"LabelLocation"})
    EXPECT_EQ(L"", Caption(caption)) << caption;
  EXPECT_EQ(L"203.0.113.7", Caption(L"LabelIPValue")) << "the values need no translator";
  Click(L"lbUbicacion");
  EXPECT_TRUE(Requests().empty()) << "no action manager: nothing asked, nothing fails";
}

TEST_F(AskTest, ALocationThatCannotBeShownOpensNothing) {
  for (const wchar_t* path : {L"", L"\\??\\"}) {
    for (std::int32_t formType : {alerts_form::TfrFirewallAsk, alerts_form::TfrmAskToUser}) {
      auto notice = Connection();
      notice->SetText(key::Path, path);
      MakeAlert(formType, notice);
      EXPECT_EQ(L"", Caption(L"lbUbicacion"));
      Click(L"lbUbicacion");
    }
  }
  EXPECT_TRUE(Requests().empty());
}

TEST_F(AskTest, FirewallTitleTemplatesShowSafely) {
  const struct {
    const wchar_t* translation;
    const wchar_t* appName;
    const wchar_t* shown;
  } cases[] = {
      {L"Connection attempt", L"x.exe", L"Connection attempt"},
      {L"<b>%1%</b> (%2%) %s %n 100%", L"x.exe", L"<b>x.exe</b> () %s %n 100%"},
      {L"%1%", L"%1%%s", L"%1%%s"},
  };
  for (const auto& c : cases) {
    product.Texts().Add(L"IDS_FW_TITLE", c.translation);
    auto notice = Connection();
    notice->SetText(key::AppName, c.appName);
    MakeAlert(alerts_form::TfrFirewallAsk, notice);
    EXPECT_EQ(c.shown, Html(L"htmlProcessString")) << c.translation;
  }
}

TEST_F(AskTest, NamesPutIntoMarkupShowAsTheyStand) {
  // A program or folder name is text, never a tag: the label shows it whole.
  auto connection = Connection();
  connection->SetText(key::AppName, L"<a href=\"#\">Tom & Jerry</a>");
  MakeAlert(alerts_form::TfrFirewallAsk, connection);
  EXPECT_EQ(
      L"<P align=\"center\"><b>&lt;a href=\"#\"&gt;Tom &amp; Jerry&lt;/a&gt;</b> wants to reach the "
      L"Internet</P>",
      Html(L"htmlProcessString"));

  auto untrusted = UntrustedFile();
  untrusted->SetText(key::Path, L"\\??\\D:\\R&D\\tool.exe");
  MakeAlert(alerts_form::TTUntrustedFile, untrusted);
  EXPECT_EQ(L"<a href=\"#\">D:\\R&amp;D</a>", Html(L"Text3Value"));
  EXPECT_EQ(L"D:\\R&D", Get(L"Text3Value").Hint());
}

TEST(ConnectionEnd, TheDirectionChoosesTheRemoteAddressAndTheLocalPort) {
  const struct {
    std::optional<std::int32_t> direction;
    const wchar_t* address;
    std::optional<std::int32_t> port;
  } cases[] = {
      {1, L"198.51.100.2", 443},   // incoming: from IPSrc to our PortDst
      {0, L"203.0.113.7", 50123},  // outgoing: to IPDst from our PortSrc
      {2, L"203.0.113.7", 50123},
      {std::nullopt, L"203.0.113.7", 50123},
  };
  for (const auto& c : cases) {
    auto notice = Connection();
    if (c.direction) notice->SetNumber(key::Direction, *c.direction);
    const ConnectionEnd end = ReadConnectionEnd(notice.get());
    EXPECT_EQ(c.address, end.address);
    EXPECT_EQ(c.port, end.port);
  }
  // A port the notification lacks is none rather than 0.
  auto bare = std::make_shared<testbed::Notification>();
  EXPECT_EQ(std::nullopt, ReadConnectionEnd(bare.get()).port);
  EXPECT_EQ(ConnectionEnd{}.address, ReadConnectionEnd(nullptr).address);
}

TEST_F(AskTest, FirewallShowsAnIPv6AddressWholeAndALongValueCut) {
  const std::wstring v6 = L"2001:0db8:85a3:0000:0000:8a2e:0370:7334";
  auto notice = Connection();
  notice->SetText(key::IPDst, v6);
  MakeAlert(alerts_form::TfrFirewallAsk, notice);
  EXPECT_EQ(v6, Caption(L"LabelIPValue"));
  EXPECT_EQ(v6, Get(L"LabelIPValue").Hint());

  // Longer than any address: cut at the buffer, never beyond it.
  notice = Connection();
  notice->SetText(key::IPDst, std::wstring(100, L'9'));
  notice->SetText(key::AppName, std::wstring(300, L'a'));
  MakeAlert(alerts_form::TfrFirewallAsk, notice);
  EXPECT_EQ(std::wstring(kAddressText - 1, L'9'), Caption(L"LabelIPValue"));
  EXPECT_NE(std::wstring::npos, Html(L"htmlProcessString").find(L"<b>" + std::wstring(259, L'a') + L"</b>"));
}

TEST_F(AskTest, FirewallShowsTheRiskPictureOfItsLevel) {
  const struct {
    std::optional<std::int32_t> level;
    int picture;
  } cases[] = {{std::nullopt, 500}, {0, 500}, {1, 500}, {3, 502}, {5, 504}, {6, 504}, {-4, 500}};
  for (const auto& c : cases) {
    auto notice = Connection();
    if (c.level) notice->SetNumber(key::SAMPLE_NOTIFICATION_RISKLEVEL, *c.level);
    MakeAlert(alerts_form::TfrFirewallAsk, notice);
    EXPECT_EQ(c.picture, Picture(L"ImageRisk")) << c.level.value_or(-99);
  }
}

TEST_F(AskTest, EachAskAlertDragsByItsTitleBand) {
  const struct {
    std::int32_t formType;
    const wchar_t* part;
  } cases[] = {
      {alerts_form::TfrFirewallAsk, L"Panel1"},           {alerts_form::TfrFirewallAsk, L"htmlProcessString"},
      {alerts_form::TfrmAskToUser, L"htmlProcessString"}, {alerts_form::TfrmAskFolderAccess, L"LabelTitle"},
      {alerts_form::TTfAppControlAsk, L"LabelTitle"},     {alerts_form::TTUntrustedFile, L"Panel1"},
  };
  for (const auto& c : cases) {
    MakeAlert(c.formType, std::make_shared<testbed::Notification>());
    int moves = 0;
    host.duringMove = [&] { ++moves; };
    ui::Control& control = Get(c.part);
    const platform::Point origin = control.OriginInWindow();
    sim->MouseDown(frame->Handle(), origin.x + control.Width() - 3, origin.y + 3);
    sim->RunFor(0);
    EXPECT_EQ(1, moves) << c.formType << " " << testing::PrintToString(std::wstring(c.part));
    host.duringMove = nullptr;
  }
  EXPECT_EQ(0, host.closeRequests);
}

// The ask-to-user alert.

std::shared_ptr<testbed::Notification> DataAccess() {
  auto notice = std::make_shared<testbed::Notification>();
  notice->SetText(key::TitleText, L"IDS_DATA_TITLE")
      .SetNumber(key::MWType, 7)
      .SetText(key::Path, L"\\??\\C:\\Users\\Ann\\Documents\\Report.DOCX")
      .SetNumber(key::SAMPLE_NOTIFICATION_RISKLEVEL, 5);
  return notice;
}

TEST_F(AskTest, AskToUserNamesTheMalwareTypeInItsTitleAndShowsWhereAndHowRisky) {
  MakeAlert(alerts_form::TfrmAskToUser, DataAccess());
  EXPECT_EQ(344, frame->Width());
  EXPECT_EQ(169, frame->Height());
  EXPECT_EQ(L"Unauthorised access by ransomware", Html(L"htmlProcessString"));
  EXPECT_EQ(L"Neutralize", Caption(L"KXZEBtnAllow"));
  EXPECT_EQ(L"Exclude", Caption(L"KXZEBtnDeny"));
  EXPECT_EQ(L"Location:", Caption(L"LabelLocation"));
  EXPECT_EQ(L"c:\\users\\ann\\documents\\report.docx", Caption(L"lbUbicacion"));
  EXPECT_EQ(504, Picture(L"imgRisk"));
  Click(L"lbUbicacion");
  ASSERT_EQ(1u, Requests().size());
  EXPECT_EQ(RecordedValue::Text(L"c:\\users\\ann\\documents\\report.docx"), Requests()[0].argument);
}

TEST_F(AskTest, AskToUserWithoutTranslatorKeepsItsDesignedTexts) {
  BareContext bare;
  MakeAlert(alerts_form::TfrmAskToUser, DataAccess(), bare.Get());
  EXPECT_EQ(L"<P align=\"center\">¡Acceso no autorizado a tus datos!</P>", Html(L"htmlProcessString"));
  EXPECT_EQ(L"Neutralizar", Caption(L"KXZEBtnAllow"));
  EXPECT_EQ(L"Excluir", Caption(L"KXZEBtnDeny"));
  EXPECT_EQ(L"Ubicación:", Caption(L"LabelLocation"));
  EXPECT_EQ(L"c:\\users\\ann\\documents\\report.docx", Caption(L"lbUbicacion"));
}

TEST_F(AskTest, AskToUserTitleTemplatesShowSafely) {
  const struct {
    const wchar_t* translation;
    const wchar_t* shown;
  } cases[] = {
      {L"Unauthorised access", L"Unauthorised access"},
      {L"%s and %s %d %n %1%", L"ransomware and %s %d %n %1%"},
  };
  for (const auto& c : cases) {
    product.Texts().Add(L"IDS_DATA_TITLE", c.translation);
    MakeAlert(alerts_form::TfrmAskToUser, DataAccess());
    EXPECT_EQ(c.shown, Html(L"htmlProcessString")) << c.translation;
  }
  // A malware type with no name leaves the "%s" empty.
  auto notice = DataAccess();
  notice->SetNumber(key::MWType, 99);
  product.Texts().Add(L"IDS_DATA_TITLE", L"Access by [%s]");
  MakeAlert(alerts_form::TfrmAskToUser, notice);
  EXPECT_EQ(L"Access by []", Html(L"htmlProcessString"));
}

// The folder access alert.

std::shared_ptr<testbed::Notification> FolderAccess(const wchar_t* path = L"\\??\\C:\\Tools\\sync.exe") {
  auto notice = std::make_shared<testbed::Notification>();
  notice->SetText(key::TitleText, L"IDS_FOLDER_TITLE")
      .SetText(key::Text1, L"IDS_FOLDER_TEXT")
      .SetText(key::Text2, L"IDS_FOLDER_TARGET")
      .SetText(key::Option1, L"IDS_ALLOW")
      .SetText(key::Option2, L"IDS_BLOCK")
      .SetText(key::Path, path)
      .SetText(key::TargetPath, L"\\??\\C:\\Users\\Ann\\Documents");
  return notice;
}

TEST_F(AskTest, FolderAccessNamesTheProgramAndTheFolderWithTheProductsWords) {
  MakeAlert(alerts_form::TfrmAskFolderAccess, FolderAccess());
  EXPECT_EQ(344, frame->Width());
  EXPECT_EQ(L"sync.exe wants your data", Html(L"LabelTitle"));
  EXPECT_EQ(L"<a href=\"#\">sync.exe</a> wants to open:", Html(L"LabelTextApp"));
  EXPECT_EQ(L"<a href=\"#\">C:\\Users\\Ann\\Documents</a>", Html(L"LabelTargetPath"));
  EXPECT_EQ(L"Let it in", Caption(L"KXZEBtnAllow"));
  EXPECT_EQ(L"Keep it out", Caption(L"KXZEBtnDeny"));
  EXPECT_EQ(frame->Height() - 22, Get(L"Panel6").Top()) << "the footer closes the frame";

  // The program's link: its full path as a hint, the path as given on a click.
  auto& app = Get<ui::HtmlLabel>(L"LabelTextApp");
  app.OnAnchorEnter({});
  EXPECT_EQ(L"C:\\Tools\\sync.exe", app.Hint());
  app.OnAnchorExit({});
  EXPECT_EQ(L"", app.Hint());
  app.OnAnchorClick({});
  // The folder's link: the folder as shown.
  Get<ui::HtmlLabel>(L"LabelTargetPath").OnAnchorClick({});
  const auto requests = Requests();
  ASSERT_EQ(2u, requests.size());
  EXPECT_EQ(RecordedValue::Text(L"\\??\\C:\\Tools\\sync.exe"), requests[0].argument);
  EXPECT_EQ(RecordedValue::Text(L"C:\\Users\\Ann\\Documents"), requests[1].argument);
  EXPECT_EQ(0, host.closeRequests);
}

TEST_F(AskTest, FolderAccessOpensTheFolderWhateverWordsSurroundIt) {
  product.Texts().Add(L"IDS_FOLDER_TARGET", L"Folder: <a href=\"#\">%1%</a> (protected)");
  auto notice = FolderAccess();
  notice->SetText(key::TargetPath, L"\\??\\C:\\Users\\Ann\\R&D");
  MakeAlert(alerts_form::TfrmAskFolderAccess, notice);
  EXPECT_EQ(L"Folder: <a href=\"#\">C:\\Users\\Ann\\R&amp;D</a> (protected)", Html(L"LabelTargetPath"));
  Get<ui::HtmlLabel>(L"LabelTargetPath").OnAnchorClick({});
  ASSERT_EQ(1u, Requests().size());
  EXPECT_EQ(RecordedValue::Text(L"C:\\Users\\Ann\\R&D"), Requests()[0].argument);
}

TEST_F(AskTest, FolderAccessGrowsWithALongFolderAndTheHostFollows) {
  MakeAlert(alerts_form::TfrmAskFolderAccess, FolderAccess());
  const int oneLine = frame->Height();
  auto notice = FolderAccess();
  notice->SetText(key::TargetPath,
                  L"\\??\\C:\\Users\\Ann\\Documents\\Projects\\Harbour renovation\\"
                  L"Drawings and estimates\\2026\\Second quarter");
  MakeAlert(alerts_form::TfrmAskFolderAccess, notice);
  EXPECT_GT(frame->Height(), oneLine);
  EXPECT_EQ(frame->Height(), host.Height());
  EXPECT_EQ(frame->Height() - 22, Get(L"Panel6").Top());
  const ui::Control& buttons = Get(L"Panel2");
  EXPECT_LE(buttons.Top() + buttons.Height(), Get(L"Panel6").Top()) << "nothing under the footer";
}

TEST_F(AskTest, FolderAccessWithAPathWithoutBackslashShowsItWhole) {
  MakeAlert(alerts_form::TfrmAskFolderAccess, FolderAccess(L"sync.exe"));
  EXPECT_EQ(L"sync.exe wants your data", Html(L"LabelTitle"));
  EXPECT_EQ(L"<a href=\"#\">sync.exe</a> wants to open:", Html(L"LabelTextApp"));
}

TEST_F(AskTest, FolderAccessNeverLosesItsWordsToAMissingTranslation) {
  // Without a translator, and with one that has none of the notification's ids,
  // the designed texts stay and still name the program and the folder.
  BareContext bare;
  auto unknown = FolderAccess();
  for (const wchar_t* id : {key::TitleText, key::Text1, key::Text2, key::Option1, key::Option2})
    unknown->SetText(id, L"IDS_UNKNOWN");
  for (IZYMApplicationContext* context :
       {bare.Get(), static_cast<IZYMApplicationContext*>(product.Context())}) {
    MakeAlert(alerts_form::TfrmAskFolderAccess, context == bare.Get() ? FolderAccess() : unknown, context);
    EXPECT_EQ(L"<P align=\"center\">¡Intento de acceso a tus datos!</P>", Html(L"LabelTitle"));
    EXPECT_EQ(L"<a href=\"#\">sync.exe</a> quiere acceder a:", Html(L"LabelTextApp"));
    EXPECT_EQ(L"C:\\Users\\Ann\\Documents", Html(L"LabelTargetPath"));
    EXPECT_EQ(L"Permitir", Caption(L"KXZEBtnAllow"));
    EXPECT_EQ(L"Bloquear", Caption(L"KXZEBtnDeny"));
  }
}

// The untrusted file alert.

std::shared_ptr<testbed::Notification> UntrustedFile() {
  auto notice = std::make_shared<testbed::Notification>();
  notice->SetText(key::TitleText, L"IDS_UF_TITLE")
      .SetText(key::Text1, L"IDS_UF_QUESTION")
      .SetText(key::Text2, L"IDS_UF_NAME")
      .SetText(key::Text3, L"IDS_UF_FOLDER")
      .SetText(key::Text4, L"IDS_UF_PUBLISHER")
      .SetText(key::Text5, L"IDS_UF_STARTED")
      .SetText(key::Option1, L"IDS_YES")
      .SetText(key::Option2, L"IDS_NO")
      .SetText(key::Path, L"\\??\\D:\\Work\\Tools\\tool.exe")
      .SetText(key::Publisher, L"Example <Tools> Ltd")
      .SetText(key::ExecutedBy, L"\\??\\C:\\Windows\\explorer.exe");
  return notice;
}

TEST_F(AskTest, UntrustedFileShowsTheFileItsFolderPublisherAndStarterInTheProductsWords) {
  MakeAlert(alerts_form::TTUntrustedFile, UntrustedFile());
  EXPECT_EQ(446, frame->Width());
  EXPECT_EQ(L"Untrusted file blocked", Html(L"htmlProcessString"));
  EXPECT_EQ(L"Do you need this file for your daily work?", Html(L"Text1"));
  const struct {
    const wchar_t* caption;
    const wchar_t* text;
    const wchar_t* value;
    const wchar_t* shown;
    const wchar_t* hint;
  } rows[] = {
      {L"Text2", L"Program name:", L"Text2Value", L"tool.exe", L"tool.exe"},
      {L"Text3", L"Program path:", L"Text3Value", L"<a href=\"#\">D:\\Work\\Tools</a>", L"D:\\Work\\Tools"},
      {L"Text4", L"Publisher:", L"Text4Value", L"Example <Tools> Ltd", L"Example <Tools> Ltd"},
      {L"Text5", L"Run by:", L"Text5Value", L"C:\\Windows\\explorer.exe", L"C:\\Windows\\explorer.exe"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.text, Caption(row.caption));
    EXPECT_EQ(row.shown, ControlText(&Get(row.value))) << row.value;
    EXPECT_EQ(row.hint, Get(row.value).Hint()) << row.value;
  }
  EXPECT_EQ(L"Yes", Caption(L"BtnAllow"));
  EXPECT_EQ(L"No", Caption(L"BtnDeny"));
  EXPECT_EQ(3173, Picture(L"MainIcon"));
  // The folder link hands the whole file to the folder action.
  Get<ui::HtmlLabel>(L"Text3Value").OnAnchorClick({});
  ASSERT_EQ(1u, Requests().size());
  EXPECT_EQ(RecordedValue::Text(L"D:\\Work\\Tools\\tool.exe"), Requests()[0].argument);
  // The frame sizes itself: the footer closes it and the host follows.
  EXPECT_EQ(frame->Height() - 24, Get(L"Panel6").Top());
}

TEST_F(AskTest, UntrustedFileShowsTheIconTheNotificationNames) {
  auto notice = UntrustedFile();
  notice->SetNumber(key::MainIconID, 3148);
  MakeAlert(alerts_form::TTUntrustedFile, notice);
  EXPECT_EQ(3148, Picture(L"MainIcon"));
}

TEST_F(AskTest, UntrustedFileKeepsItsDesignedWordsWithoutTranslator) {
  // Empty buttons would leave the user guessing which answer is which.
  BareContext bare;
  MakeAlert(alerts_form::TTUntrustedFile, UntrustedFile(), bare.Get());
  EXPECT_EQ(L"Archivo no confiable bloqueado", Html(L"htmlProcessString"));
  EXPECT_EQ(L"Nombre del programa:", Caption(L"Text2"));
  EXPECT_EQ(L"Sí", Caption(L"BtnAllow"));
  EXPECT_EQ(L"No", Caption(L"BtnDeny"));
  EXPECT_EQ(L"tool.exe", Caption(L"Text2Value"));
}

TEST_F(AskTest, UntrustedFileInformationPictureRaisesTheFilesPropertiesAndClosesTheLastOnes) {
  MakeAlert(alerts_form::TTUntrustedFile, UntrustedFile());
  std::vector<platform::WindowHandle> dialogs;
  const auto appearAfter = [&](std::uint64_t ms) {
    sim->At(ms, [&] {
      dialogs.push_back(sim->AddExternalWindow(kDialogClassName, sim::SimPlatform::kProcessId));
    });
  };
  appearAfter(40);
  Click(L"imgInfo");
  ASSERT_EQ(1u, dialogs.size());
  EXPECT_TRUE(Get(L"imgInfo").Enabled()) << "enabled again once the dialog is up";
  appearAfter(40);
  Click(L"imgInfo");
  ASSERT_EQ(2u, dialogs.size());
  EXPECT_FALSE(sim->IsWindow(dialogs[0])) << "the first dialog was closed";
  EXPECT_TRUE(sim->IsWindow(dialogs[1]));
  const auto requests = Requests();
  ASSERT_EQ(2u, requests.size());
  EXPECT_EQ(L"ShowFilePropertiesDialog", requests[1].action);
  EXPECT_EQ(RecordedValue::Text(L"D:\\Work\\Tools\\tool.exe"), requests[1].objectItems.at(L"Path"));
  EXPECT_EQ(0, host.closeRequests);
}

TEST_F(AskTest, UntrustedFileAnsweredWhileItsPropertiesAreAwaitedAnswersOnce) {
  auto notice = UntrustedFile();
  MakeAlert(alerts_form::TTUntrustedFile, notice);
  // The user answers during the wait: the answer is taken at once, and the wait
  // goes on without a second one.
  sim->At(30, [&] { Click(L"BtnDeny"); });
  Click(L"imgInfo");
  EXPECT_EQ(std::vector<std::int32_t>{ResponseDeny}, notice->Responses());
  EXPECT_EQ(1, host.closeRequests);
}

// The application control alerts.

std::shared_ptr<testbed::Notification> UnknownProgram(const wchar_t* path = L"\\??\\D:\\Tools\\tool.exe") {
  auto notice = std::make_shared<testbed::Notification>();
  notice->SetText(key::TitleText, L"IDS_AC_TITLE")
      .SetText(key::Text1, L"IDS_AC_TEXT")
      .SetText(key::Text2, L"IDS_AC_MORE")
      .SetText(key::Option1, L"IDS_AC_ALLOW")
      .SetText(key::Option2, L"IDS_AC_DENY")
      .SetText(key::Path, path)
      .SetText(key::FullURL, L"Demo.MoreAboutAppControl");
  return notice;
}

TEST_F(AskTest, AppControlAskWordsItsTextsAndButtonsAsTheNotificationSays) {
  RegisterAction(L"Demo.MoreAboutAppControl");
  MakeAlert(alerts_form::TTfAppControlAsk, UnknownProgram());
  EXPECT_EQ(344, frame->Width());
  EXPECT_EQ(L"Unknown program", Html(L"LabelTitle"));
  EXPECT_EQ(L"<a href=\"#\"><b>tool.exe</b></a> is unknown and tries to run.", Html(L"LabelTextApp"));
  EXPECT_EQ(L"<a href=\"#\">More about this alert</a>", Html(L"LabelText2"));
  EXPECT_EQ(L"Let it run", Caption(L"KXZEBtnAllow"));
  EXPECT_EQ(L"Stop it", Caption(L"KXZEBtnDeny"));

  // The program link: its whole path as the hint, its folder (as given) on a click.
  auto& app = Get<ui::HtmlLabel>(L"LabelTextApp");
  app.OnAnchorEnter({});
  EXPECT_EQ(L"D:\\Tools\\tool.exe", app.Hint());
  app.OnAnchorExit({});
  EXPECT_EQ(L"", app.Hint());
  app.OnAnchorClick({});
  // More information runs the object the notification names.
  Get<ui::HtmlLabel>(L"LabelText2").OnAnchorClick({});
  const auto requests = Requests();
  ASSERT_EQ(2u, requests.size());
  EXPECT_EQ(L"OpenShellFolder", requests[0].action);
  EXPECT_EQ(RecordedValue::Text(L"\\??\\D:\\Tools\\tool.exe"), requests[0].argument);
  EXPECT_EQ(L"", requests[1].action);
  EXPECT_EQ(L"Demo.MoreAboutAppControl", requests[1].objectName);
  EXPECT_EQ(0, host.closeRequests);
}

TEST_F(AskTest, AppControlAskCutsANameTooLongForItsLineAndTheHostFollowsItsHeight) {
  const std::wstring name = L"a-very-long-program-name-that-will-never-fit-on-one-line.exe";
  MakeAlert(alerts_form::TTfAppControlAsk, UnknownProgram((L"\\??\\D:\\Tools\\" + name).c_str()));
  const std::wstring& html = Html(L"LabelTextApp");
  const std::size_t start = html.find(L"<b>") + 3;
  const std::wstring shown = html.substr(start, html.find(L"</b>") - start);
  ASSERT_GT(shown.size(), 3u);
  EXPECT_EQ(L"...", shown.substr(shown.size() - 3));
  EXPECT_EQ(0u, name.find(shown.substr(0, shown.size() - 3)));
  auto& app = Get<ui::HtmlLabel>(L"LabelTextApp");
  app.OnAnchorEnter({});
  EXPECT_EQ(L"D:\\Tools\\" + name, app.Hint());
  EXPECT_EQ(frame->Height() - 22, Get(L"Panel6").Top());
}

// A longer text makes the frame grow; the host follows once the panels settled.
void ExpectHostFollowsAGrowingText(AlertFrame& frame, test::FrameTestHost& host, sim::SimPlatform& sim,
                                   const wchar_t* label) {
  const int before = frame.Height();
  SetControlText(&test::Get<ui::Control>(frame, label),
                 L"A text long enough to wrap onto more lines than the designed one does, "
                 L"and then onto a few more, so that the body of the toast must grow.");
  EXPECT_GT(frame.Height(), before);
  sim.RunFor(0);
  EXPECT_EQ(frame.Height(), host.Height());
}

TEST_F(AskTest, AppControlAskHostFollowsTheFramesHeight) {
  MakeAlert(alerts_form::TTfAppControlAsk, UnknownProgram());
  ExpectHostFollowsAGrowingText(*frame, host, *sim, L"LabelTextApp");
  EXPECT_EQ(frame->Height() - 22, Get(L"Panel6").Top());
}

TEST_F(AskTest, AppControlAskWithoutTranslatorKeepsItsDesignedTexts) {
  BareContext bare;
  MakeAlert(alerts_form::TTfAppControlAsk, UnknownProgram(), bare.Get());
  EXPECT_EQ(L"Ejecución de aplicación desconocida", Html(L"LabelTitle"));
  EXPECT_EQ(L"<a href=\"#\"><b>tool.exe</b></a> es una aplicación desconocida e intenta ejecutarse.",
            Html(L"LabelTextApp"));
  EXPECT_EQ(L"Permitir", Caption(L"KXZEBtnAllow"));
  EXPECT_EQ(L"Denegar", Caption(L"KXZEBtnDeny"));
}

std::shared_ptr<testbed::Notification> Blocked(const wchar_t* path) {
  auto notice = std::make_shared<testbed::Notification>();
  notice->SetText(key::TitleText, L"IDS_ACD_TITLE")
      .SetText(key::TitleTextPlural, L"IDS_ACD_TITLE_PLURAL")
      .SetText(key::MainText, L"IDS_ACD_TEXT")
      .SetText(key::Text2, L"IDS_AC_MORE")
      .SetText(key::ElementsCounter, L"IDS_ACD_COUNTER")
      .SetText(key::Path, path);
  return notice;
}

TEST_F(AskTest, AppControlDeniedShowsOneBlockedProgramAndClosesByItself) {
  AlertFrame& shown = Make(ListNotifications, notifications_form::TfrmAppControlDenied,
                           Blocked(L"\\??\\D:\\Tools\\first.exe"));
  EXPECT_EQ(327, shown.Width());
  EXPECT_EQ(AlertFrame::Kind::Paging, shown.FrameKind()) << "new blocked programs join it";
  EXPECT_EQ(L"program blocked", Caption(L"lbTopText"));
  EXPECT_EQ(L"<a href=\"#\">first.exe</a> tried to run and was blocked.", Html(L"lbPath"));
  EXPECT_FALSE(Get(L"PanelDetails").Visible());
  EXPECT_EQ(L"1", Caption(L"lbNumVirus"));
  ExpectHostFollowsAGrowingText(*frame, host, *sim, L"lbPath");
  EXPECT_EQ(Get(L"Panel1").Height() + Get(L"Panel5").Height(), frame->Height());
  sim->RunFor(7999);
  EXPECT_EQ(0, host.closeRequests);
  sim->RunFor(1);
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(AskTest, AppControlDeniedPagesWithItsTranslatedCounterAndOpensTheShownProgram) {
  Make(ListNotifications, notifications_form::TfrmAppControlDenied, Blocked(L"\\??\\D:\\Tools\\first.exe"));
  sources.back()->Add(Blocked(L"\\??\\E:\\Apps\\second.exe"));
  frame->RefreshAlerts();
  EXPECT_TRUE(Get(L"PanelDetails").Visible());
  EXPECT_EQ(L"1 of 2", Caption(L"lbNumElements"));
  EXPECT_EQ(L"2", Caption(L"lbNumVirus"));
  EXPECT_FALSE(Get(L"KXZEBtnLArrow").Enabled());

  Click(L"KXZEBtnRArrow");
  EXPECT_EQ(1u, frame->Index());
  EXPECT_EQ(L"2 of 2", Caption(L"lbNumElements"));
  EXPECT_EQ(L"programs blocked", Caption(L"lbTopText")) << "more than one pending";
  EXPECT_EQ(L"<a href=\"#\">second.exe</a> tried to run and was blocked.", Html(L"lbPath"));
  auto& link = Get<ui::HtmlLabel>(L"lbPath");
  link.OnAnchorEnter({});
  EXPECT_EQ(L"E:\\Apps\\second.exe", link.Hint());
  link.OnAnchorClick({});
  ASSERT_EQ(1u, Requests().size());
  EXPECT_EQ(RecordedValue::Text(L"\\??\\E:\\Apps\\second.exe"), Requests()[0].argument);
  Click(L"KXZEBtnClose");
  EXPECT_EQ(1, host.closeRequests);
}

TEST_F(AskTest, AppControlDeniedWithoutTranslatorKeepsItsDesignedTextsOnEveryPage) {
  BareContext bare;
  Make(ListNotifications, notifications_form::TfrmAppControlDenied, Blocked(L"\\??\\D:\\Tools\\first.exe"),
       bare.Get());
  sources.back()->Add(Blocked(L"\\??\\E:\\Apps\\second.exe"));
  frame->RefreshAlerts();
  EXPECT_EQ(L"1/2", Caption(L"lbNumElements"));
  Click(L"KXZEBtnRArrow");
  EXPECT_EQ(L"aplicación bloqueada", Caption(L"lbTopText"));
  EXPECT_EQ(L"Se ha intentado ejecutar <a href=\"#\">second.exe</a> y ha sido bloqueado.", Html(L"lbPath"));
}

// A run through the real host.

class AskRunTest : public RunTest {};

TEST_F(AskRunTest, AnExpiredAskAlertIsAnsweredZeroByTheHostAndNothingElse) {
  auto notice = Alert(alerts_form::TfrFirewallAsk);
  notice->SetNumber(key::AlertExpirationDate,
                    static_cast<std::int32_t>(sim::SimPlatform::kDefaultStartUnixTime + 60));
  manager.Add(ListAlerts, notice);
  sim->At(30000, [this] {
    ASSERT_NE(nullptr, Host().CurrentFrame());
    EXPECT_EQ(L"TfrFirewallAsk", Host().CurrentFrame()->ClassName());
  });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(std::vector<std::int32_t>{ResponseNone}, notice->Responses());
  ASSERT_EQ(1u, manager.Removals().size());
}

TEST_F(AskRunTest, AClickedAnswerReachesTheProductWhenTheAlertIsRemoved) {
  auto notice = Alert(alerts_form::TfrFirewallAsk);
  manager.Add(ListAlerts, notice);
  sim->At(2000, [this] {
    auto* shown = const_cast<AlertFrame*>(Host().CurrentFrame());
    ASSERT_NE(nullptr, shown);
    ui::Control& deny = test::Get<ui::Control>(*shown, L"KXZEBtnDeny");
    const platform::Point origin = deny.OriginInWindow();
    sim->Click(shown->Handle(), origin.x + 5, origin.y + 5);
  });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(std::vector<std::int32_t>{ResponseDeny}, notice->Responses());
  ASSERT_EQ(1u, manager.Removals().size());
}

TEST_F(AskRunTest, AnAnswerGivenWhileFilePropertiesAreAwaitedEndsTheAlertOnce) {
  // The host frees the alert inside the wait for the dialog; the wait ends there
  // and the product reads the one answer.
  auto notice = Alert(alerts_form::TTUntrustedFile);
  notice->SetText(key::Path, L"\\??\\D:\\Work\\tool.exe");
  manager.Add(ListAlerts, notice);
  const auto click = [this](const wchar_t* name) {
    auto* shown = const_cast<AlertFrame*>(Host().CurrentFrame());
    ASSERT_NE(nullptr, shown);
    ui::Control& control = test::Get<ui::Control>(*shown, name);
    const platform::Point origin = control.OriginInWindow();
    sim->Click(shown->Handle(), origin.x + 5, origin.y + 5);
  };
  sim->At(1000, [&] { click(L"imgInfo"); });
  sim->At(1040, [&] { click(L"BtnDeny"); });
  EXPECT_EQ(0, Run());
  EXPECT_EQ(std::vector<std::int32_t>{ResponseDeny}, notice->Responses());
  EXPECT_EQ(1u, manager.Removals().size());
}

}  // namespace
}  // namespace kxua
