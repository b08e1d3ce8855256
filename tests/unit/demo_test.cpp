// The demo runner: scenarios that are wrong are refused with the place of the
// fault, and a run's report says what a person saw and what the product got.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "branded_run_fixture.h"
#include "model/alert_colors.h"
#include "model/product_info.h"
#include "model/usage_tracker.h"
#include "model/white_label_catalogue.h"
#include "run_fixture.h"
#include "ui/layout.h"
#include "tools/kxua-demo/driver.h"

namespace kxua::demo {
namespace {

TEST(DemoScenario, FaultsAreNamedWithTheirPlace) {
  const std::pair<const char*, const char*> cases[] = {
      {"{", "not valid JSON"},
      {"[]", "must be a JSON object"},
      {R"({"alerts": {}})", "alerts: must be a list"},
      {R"({"alerts": [{"list": "other"}]})", "alerts[0]: \"list\""},
      {R"({"alerts": [{"at": -5}]})", "alerts[0]: \"at\""},
      {R"({"alerts": [{}, {"values": {"FormType": 1.5}}]})", "alerts[1]: \"FormType\""},
      {R"({"alerts": [{"values": {"BytesSize": 5000000000}}]})", "does not fit 32 bits"},
      {R"({"input": [{"at": 5}]})", "input[0]: an input event needs"},
      {R"({"input": [{"key": "f13"}]})", "input[0]: \"key\""},
      {R"({"end": "soon"})", "end: "},
      {R"({"input": [{"click": 3}]})", "input[0]: \"click\" must be the name"},
      {R"({"input": [{"hover": ""}]})", "input[0]: \"hover\" must be the name"},
      {R"({"input": [{"drag": {"x": 10}}]})", "input[0]: \"drag\" must be"},
      {R"({"input": [{"drag": {"x": 10, "y": 1.5}}]})", "input[0]: \"drag\" must be"},
      {R"({"input": [{"drag": [10, 20]}]})", "input[0]: \"drag\" must be"},
      {R"({"brand": "acme"})", "brand: must be \"demo\" or \"none\""},
      {R"({"brand": true})", "brand: must be"},
      // Numbers that do not fit are refused, never wrapped (2^64-1 reads as -1 when
      // taken as a signed 64-bit number).
      {R"({"alerts": [{"values": {"FormType": 18446744073709551615}}]})", "alerts[0]: \"FormType\" does not fit"},
      {R"({"alerts": [{"values": {"FormType": -2147483649}}]})", "alerts[0]: \"FormType\" does not fit"},
      {R"({"alerts": [{"values": {"D": {"secondsFromStart": 9223372036854775807}}}]})", "alerts[0]: \"D\": \"secondsFromStart\""},
      {R"({"alerts": [{"values": {"D": {"secondsFromStart": 18446744073709551615}}}]})", "alerts[0]: \"D\": \"secondsFromStart\""},
      {R"({"alerts": [{"values": {"D": {"secondsFromStart": -4294967296}}}]})", "alerts[0]: \"D\": \"secondsFromStart\""},
      {R"({"alerts": [{"at": 18446744073709551615}]})", "alerts[0]: \"at\" must be"},
      {R"({"alerts": [{"at": 2147483648}]})", "alerts[0]: \"at\" must be"},
      {R"({"input": [{"at": 1e3, "finalize": true}]})", "input[0]: \"at\" must be"},
      {R"({"end": 18446744073709551615})", "end: must be"},
      {R"({"end": -1})", "end: must be"},
      {R"({"input": [{"drag": {"x": 18446744073709551615, "y": 0}}]})", "input[0]: \"drag\" must be"},
      {R"({"input": [{"drag": {"x": 0, "y": -32769}}]})", "input[0]: \"drag\" must be"},
      {R"({"input": [{"drag": {"x": 32768, "y": 0}}]})", "input[0]: \"drag\" must be"},
      {R"({"input": [{"key": 18446744073709551615}]})", "input[0]: \"key\""},
      {R"({"input": [{"key": -1}]})", "input[0]: \"key\""},
      // What lies after the end would never happen and leave no trace.
      {R"({"end": 1000, "alerts": [{}, {"at": 1001}]})", "alerts[1]: \"at\" 1001 is after the end"},
      {R"({"alerts": [{"at": 60001}]})", "alerts[0]: \"at\" 60001 is after the end (60000)"},
      {R"({"end": 10, "input": [{"at": 11, "key": "left"}]})", "input[0]: \"at\" 11 is after the end"},
      {R"({"fullScreen": {}})", "fullScreen: must be a list"},
      {R"({"fullScreen": [5]})", "fullScreen[0]: must be an object"},
      {R"({"fullScreen": [{"at": 10}]})", "fullScreen[0]: \"until\" must be"},
      {R"({"fullScreen": [{"at": 10, "until": 10}]})", "fullScreen[0]: \"until\" must be"},
      {R"({"fullScreen": [{"until": 18446744073709551615}]})", "fullScreen[0]: \"until\" must be"},
      {R"({"fullScreen": [{"at": 70000, "until": 80000}]})", "fullScreen[0]: \"at\" 70000 is after the end"},
      {R"({"fullScreen": [{"until": 10, "gameMode": 1}]})", "fullScreen[0]: \"gameMode\" must be true or false"},
      {R"({"fullScreen": [{"at": 0, "until": 100}, {"at": 99, "until": 200}]})", "fullScreen[1]: begins before"},
  };
  for (const auto& [text, message] : cases) {
    try {
      ParseScenario(text);
      ADD_FAILURE() << text << " was accepted";
    } catch (const ScenarioError& error) {
      EXPECT_NE(std::string::npos, std::string(error.what()).find(message)) << error.what();
    }
  }
}

TEST(DemoScenario, NumbersAtTheEdgesOfTheirRangesAreKept) {
  const Scenario scenario = ParseScenario(R"({"end": 2147483647, "alerts": [
      {"at": 2147483647, "values": {"A": 2147483647, "B": -2147483648,
       "C": {"number64": 18446744073709551615}, "D": {"secondsFromStart": -4294967295}}}],
      "input": [{"at": 2147483647, "drag": {"x": -32768, "y": 32767}}, {"key": 255}]})");
  EXPECT_EQ(2147483647u, scenario.end);
  ASSERT_EQ(1u, scenario.alerts.size());
  EXPECT_EQ(2147483647u, scenario.alerts[0].at);
  const std::vector<Value>& values = scenario.alerts[0].values;
  ASSERT_EQ(4u, values.size());
  EXPECT_EQ(std::int32_t{2147483647}, std::get<std::int32_t>(values[0].value));
  EXPECT_EQ(std::int32_t{-2147483647 - 1}, std::get<std::int32_t>(values[1].value));
  EXPECT_EQ(UINT64_MAX, std::get<std::uint64_t>(values[2].value));
  EXPECT_EQ(-4294967295, std::get<Value::SecondsFromStart>(values[3].value).seconds);
  ASSERT_EQ(2u, scenario.input.size());
  EXPECT_EQ(-32768, scenario.input[0].x);
  EXPECT_EQ(32767, scenario.input[0].y);
  EXPECT_EQ(255u, scenario.input[1].key);
}

TEST(DemoRun, AMomentOutside32BitUnixTimeIsRefusedBeforeTheRun) {
  const char* const cases[] = {
      R"({"brand": "none", "alerts": [{}, {"values": {"Late": {"secondsFromStart": 4294967295}}}]})",
      R"({"brand": "none", "alerts": [{}, {"values": {"Early": {"secondsFromStart": -4294967295}}}]})",
  };
  for (const char* text : cases) {
    const Scenario scenario = ParseScenario(text);
    std::unique_ptr<Target> target = MakeTarget("");
    try {
      RunScenario(scenario, *target);
      ADD_FAILURE() << text << " ran";
    } catch (const ScenarioError& error) {
      EXPECT_NE(std::string::npos, std::string(error.what()).find("alerts[1]: \""))
          << error.what();
      EXPECT_NE(std::string::npos, std::string(error.what()).find("outside 32-bit Unix time"))
          << error.what();
    }
  }
  // The last second that 32 bits hold is taken.
  const std::int64_t start = sim::SimPlatform::kDefaultStartUnixTime;
  const Scenario scenario = ParseScenario(
      R"({"brand": "none", "end": 100, "alerts": [{"values": {"Last": {"secondsFromStart": )" +
      std::to_string(std::int64_t{UINT32_MAX} - start) + "}}}]}");
  std::unique_ptr<Target> target = MakeTarget("");
  EXPECT_NO_THROW(RunScenario(scenario, *target));
}

TEST(DemoScenario, ValuesKeepTheirTypes) {
  const Scenario scenario = ParseScenario(R"({"language": "spa", "end": 500, "alerts": [
      {"at": 20, "list": "notifications", "values": {"FormType": 0, "Path": "C:\\a",
       "BytesSize": {"number64": 5000000000}, "ResponseNeeded": true,
       "AlertExpirationDate": {"secondsFromStart": 60}}}]})");
  EXPECT_EQ(L"spa", scenario.language);
  EXPECT_EQ(Brand::Demo, scenario.brand) << "the demo looks like the product unless told";
  EXPECT_EQ(Brand::None, ParseScenario(R"({"brand": "none"})").brand);
  EXPECT_EQ(500u, scenario.end);
  ASSERT_EQ(1u, scenario.alerts.size());
  const AlertEvent& alert = scenario.alerts[0];
  EXPECT_EQ(ListNotifications, alert.list);
  ASSERT_EQ(5u, alert.values.size());
  const auto value = [&](const wchar_t* name) {
    for (const Value& v : alert.values)
      if (v.name == name) return v.value;
    ADD_FAILURE() << "no value";
    return alert.values[0].value;
  };
  EXPECT_EQ(std::int32_t{0}, std::get<std::int32_t>(value(L"FormType")));
  EXPECT_EQ(std::wstring(L"C:\\a"), std::get<std::wstring>(value(L"Path")));
  EXPECT_EQ(5000000000u, std::get<std::uint64_t>(value(L"BytesSize")));
  EXPECT_TRUE(std::get<bool>(value(L"ResponseNeeded")));
  EXPECT_EQ(60, std::get<Value::SecondsFromStart>(value(L"AlertExpirationDate")).seconds);
}

TEST(DemoRun, ReportsShownAlertsRemovalsAndRuns) {
  TestFrame::log = {};
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single);
  // The first alert is on screen when the run is finalized, so it stays pending
  // and appears again in the second run, which the later notification starts.
  const Scenario scenario = ParseScenario(R"({"end": 3000, "alerts": [
      {"values": {"FormType": 13}},
      {"at": 1000, "list": "notifications", "values": {"FormType": 99}}],
      "input": [{"at": 500, "finalize": true}]})");
  auto target = MakeTarget("");
  const nlohmann::json report = RunScenario(scenario, *target);
  EXPECT_EQ("simulation", report["platform"]);
  EXPECT_EQ(0, report["result"]);
  EXPECT_EQ(2, report["runs"]);
  ASSERT_EQ(2u, report["shown"].size()) << report.dump();
  for (const auto& shown : report["shown"]) {
    EXPECT_EQ("TestFrame", shown["frame"]);
    EXPECT_EQ(302, shown["bounds"]["width"]);
    EXPECT_EQ(1613, shown["bounds"]["left"]);
  }
  EXPECT_EQ(0, report["shown"][0]["at"]);
  EXPECT_EQ(1010, report["shown"][1]["at"]) << "seen at the first look after the second run began";
  // The single alert on screen is never replaced: the notification waits behind it.
  EXPECT_EQ(1, report["pending"]["alerts"]);
  EXPECT_EQ(1, report["pending"]["notifications"]);
  EXPECT_TRUE(report["removed"].empty());
}

// A frame as real ones are made: its layout loaded in its constructor, a button
// that answers the alert and finishes it.
class ButtonFrame final : public AlertFrame {
 public:
  explicit ButtonFrame(const FrameInput& input)
      : AlertFrame(input.host, 300, 100), notification_(input.notification) {
    static constexpr char kLayout[] = R"({ "class": "TfrButtonTest", "inherits": "TFrame",
        "children": [ { "class": "TPanel", "name": "Header", "Align": "alTop", "Height": 30,
                        "children": [ { "class": "TPanel", "name": "AllowButton", "Left": 200,
                                        "Top": 4, "Width": 80, "Height": 20, "Color": "clRed",
                                        "OnClick": "AllowButtonClick" },
                                      { "class": "TPanel", "name": "HiddenButton", "Left": 10,
                                        "Width": 80, "Height": 20, "Visible": false } ] } ] })";
    ui::LoadLayout({"button_frame", kLayout, sizeof kLayout - 1}, *this,
                   ui::HandlersFrom({{"AllowButtonClick", [this](const ui::Event&) {
                                        notification_->SetResponse(ResponseAllow);
                                        RequestClose();
                                      }}}));
    CreateFrameWindow();
  }
  void InitAlert() override {}
  void RefreshAlerts() override {}
  std::wstring ClassName() const override { return L"TfrButtonTest"; }

  static std::unique_ptr<AlertFrame> Make(const FrameInput& input) {
    return std::make_unique<ButtonFrame>(input);
  }

 private:
  IUINotification* notification_;
};

TEST(DemoRun, ClicksANamedControlAndDragsTheToast) {
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, ButtonFrame::Make);
  // Names are matched as the runtime does, case ignored; a hover over a control that
  // is unknown or does not show is reported, not fatal.
  const Scenario scenario = ParseScenario(R"({"end": 5000, "alerts": [
      {"values": {"FormType": 13}}],
      "input": [{"at": 100, "drag": {"x": 700, "y": 400}},
                {"at": 200, "hover": "NoSuchButton"},
                {"at": 250, "click": "HiddenButton"},
                {"at": 300, "hover": "allowbutton"},
                {"at": 400, "click": "ALLOWBUTTON"}]})");
  auto target = MakeTarget("");
  const nlohmann::json report = RunScenario(scenario, *target);
  ASSERT_EQ(2u, report["shown"].size()) << report.dump();
  EXPECT_EQ("TfrButtonTest", report["shown"][0]["frame"]);
  EXPECT_EQ(700, report["shown"][1]["bounds"]["left"]) << "dragged";
  EXPECT_EQ(400, report["shown"][1]["bounds"]["top"]);
  ASSERT_EQ(2u, report["missedInput"].size()) << report.dump();
  EXPECT_EQ("NoSuchButton", report["missedInput"][0]["control"]);
  EXPECT_EQ("HiddenButton", report["missedInput"][1]["control"]);
  ASSERT_EQ(1u, report["removed"].size()) << report.dump();
  EXPECT_EQ(nlohmann::json::array({ResponseAllow}),
            report["removed"][0]["notifications"][0]["responses"]);
  EXPECT_EQ(0, report["pending"]["alerts"]);
  EXPECT_LT(report["durationMs"].get<int>(), 5000) << "the run ended when the alert was done";
}

TEST(DemoRun, PicturesEveryNewLookOfTheToast) {
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, ButtonFrame::Make);
  const Scenario scenario = ParseScenario(R"({"end": 5000, "alerts": [
      {"values": {"FormType": 13}}],
      "input": [{"at": 100, "drag": {"x": 700, "y": 400}},
                {"at": 400, "click": "AllowButton"}]})");
  auto target = MakeTarget("");
  std::vector<Picture> pictures;
  const nlohmann::json report = RunScenario(scenario, *target, pictures);
  ASSERT_EQ(2u, report["shown"].size()) << report.dump();
  ASSERT_EQ(2u, pictures.size());
  EXPECT_EQ("01-TfrButtonTest.png", report["shown"][0]["picture"]);
  EXPECT_EQ("02-TfrButtonTest.png", report["shown"][1]["picture"]);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    EXPECT_EQ(report["shown"][i]["picture"], pictures[i].name);
    sim::SimPlatform decoder;
    const auto bitmap = decoder.DecodePng(pictures[i].png.data(), pictures[i].png.size());
    ASSERT_TRUE(bitmap) << pictures[i].name;
    EXPECT_EQ(report["shown"][i]["bounds"]["width"], bitmap->width);
    EXPECT_EQ(report["shown"][i]["bounds"]["height"], bitmap->height);
    // The host's edge is a pixel or two: the middle of the button is red either way.
    EXPECT_EQ(0xFFFF0000, bitmap->pixels[14 * bitmap->width + 240]) << pictures[i].name;
  }
}

// The library keeps what it read of a brand for the life of the process, as the DLL
// does until it is unloaded; each branded run here starts without it.
// With the demo brand, game mode is available, blocks informative alerts and lets
// ask alerts through; a single alert not meant for full-screen programs is then
// answered with its DefaultResponse instead of shown.
TEST_F(BrandedRunTest, AFullScreenProgramSuppressesAlertsWhileGameModeIsOn) {
  // Alerts shown expire a few seconds later (answered 0), so the next can show.
  const Scenario scenario = ParseScenario(R"({"end": 60000,
      "fullScreen": [{"at": 1000, "until": 10000}, {"at": 20000, "until": 30000, "gameMode": false}],
      "alerts": [
        {"at": 2000, "values": {"FormType": 13, "FullScreenVisible": false, "DefaultResponse": 5}},
        {"at": 2000, "list": "notifications", "values": {"FormType": 10}},
        {"at": 3000, "values": {"FormType": 13, "DefaultResponse": 5,
                                "AlertExpirationDate": {"secondsFromStart": 12}}},
        {"at": 21000, "values": {"FormType": 13, "FullScreenVisible": false, "DefaultResponse": 5,
                                 "AlertExpirationDate": {"secondsFromStart": 28}}},
        {"at": 40000, "values": {"FormType": 13, "FullScreenVisible": false, "DefaultResponse": 5,
                                 "AlertExpirationDate": {"secondsFromStart": 48}}}]})");
  auto target = MakeTarget("");
  const nlohmann::json report = RunScenario(scenario, *target);
  std::map<long, nlohmann::json> responses;  // by alert
  for (const auto& removal : report["removed"])
    for (const auto& n : removal["notifications"]) responses[n["alert"].get<long>()] = n["responses"];
  ASSERT_EQ(5u, responses.size()) << report.dump();
  const nlohmann::json none = nlohmann::json::array(), byDefault = {5}, expired = {0};
  EXPECT_EQ(byDefault, responses[0]) << "answered for the user, not shown";
  EXPECT_EQ(none, responses[1]) << "an informative alert is removed unshown";
  EXPECT_EQ(expired, responses[2]) << "FullScreenVisible absent: shown";
  EXPECT_EQ(expired, responses[3]) << "game mode off: shown";
  EXPECT_EQ(expired, responses[4]) << "after the period: shown";
  std::multiset<long> shownAt;  // whole seconds
  for (const auto& shown : report["shown"]) shownAt.insert(shown["at"].get<long>() / 1000);
  EXPECT_EQ((std::multiset<long>{3, 21, 40}), shownAt) << report["shown"].dump();
  EXPECT_EQ(0, report["pending"]["alerts"]);
  EXPECT_EQ(0, report["pending"]["notifications"]);
}

TEST_F(BrandedRunTest, TheDemoBrandIsInstalledUnlessTheScenarioSaysNone) {
  const struct {
    const char* scenario;
    std::vector<std::string> toastTexts;  // "toaster.SetTexts" calls
  } cases[] = {
      {R"({"alerts": [{"values": {"FormType": 13}}], "input": [{"at": 500, "finalize": true}]})",
       {"toaster.SetTexts(Harbor Guard Internet Security|You have new notifications|"
        "Click here to review them)"}},
      // The setup records the product's language, which chooses the brand's strings.
      {R"({"language": "spa", "alerts": [{"values": {"FormType": 13}}],
           "input": [{"at": 500, "finalize": true}]})",
       {"toaster.SetTexts(Harbor Guard Seguridad en Internet|Tienes nuevas notificaciones|"
        "Pulsa aqu\u00ED para revisarlas)"}},
      {R"({"brand": "none", "alerts": [{"values": {"FormType": 13}}],
           "input": [{"at": 500, "finalize": true}]})",
       {}},
  };
  std::vector<std::uint32_t> edges;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scenario);
    ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, TestFrame::Single);
    auto target = MakeTarget("");
    std::vector<Picture> pictures;
    const nlohmann::json report = RunScenario(ParseScenario(c.scenario), *target, pictures);
    std::vector<std::string> texts;
    int shows = 0;
    for (const std::string call : report["modernToasts"]) {
      if (call.rfind("toaster.SetTexts", 0) == 0) texts.push_back(call);
      shows += call.rfind("toaster.Show(2F6DEE05-20A1-41C1-A7E1-56986F205EA2, 1, 0)", 0) == 0;
    }
    EXPECT_EQ(c.toastTexts, texts) << report["modernToasts"].dump();
    EXPECT_EQ(static_cast<int>(c.toastTexts.size()), shows);
    ASSERT_EQ(1u, pictures.size()) << report.dump();
    const auto bitmap = sim::SimPlatform().DecodePng(pictures[0].png.data(), pictures[0].png.size());
    ASSERT_TRUE(bitmap);
    edges.push_back(bitmap->pixels[0]);
    ForgetBrand();
  }
  // The toast's edge takes the brand's title colour, whatever the language; without
  // the brand it keeps the layout's own.
  ASSERT_EQ(3u, edges.size());
  EXPECT_EQ(edges[0], edges[1]);
  EXPECT_NE(edges[0], edges[2]);
}

// A frame that reports to the product's tracking service, as campaign frames do.
class TrackingFrame final : public AlertFrame {
 public:
  explicit TrackingFrame(const FrameInput& input)
      : AlertFrame(input.host, 300, 100), tracker_(input.context) {
    tracker_.Initialize();
    CreateFrameWindow();
  }
  void InitAlert() override { tracker_.SendEvent(tracking_event::CloseAutomatic, 7, L"summer.html"); }
  void RefreshAlerts() override {}
  std::wstring ClassName() const override { return L"TrackingFrame"; }

  static std::unique_ptr<AlertFrame> Make(const FrameInput& input) {
    return std::make_unique<TrackingFrame>(input);
  }

 private:
  UsageTracker tracker_;
};

TEST(DemoRun, ReportsWhatTheProductsTrackingServiceReceived) {
  ScopedFrame frame(ListAlerts, alerts_form::TfrGenericInformative, TrackingFrame::Make);
  const Scenario scenario = ParseScenario(R"({"brand": "none", "alerts": [
      {"values": {"FormType": 13}}], "input": [{"at": 500, "finalize": true}]})");
  auto target = MakeTarget("");
  const nlohmann::json report = RunScenario(scenario, *target);
  const nlohmann::json expected = {
      {{"call", "InitializeTrackingSystem"}, {"arguments", {{{"type", VT_I4}, {"number", 1}}}}},
      {{"call", "SendEventTrack"},
       {"arguments", {{{"type", VT_BSTR}, {"text", "closeau"}}, {{"type", VT_DISPATCH}}}},
       {"parameters",
        {{"campaignid", {{"type", VT_I4}, {"number", 7}}},
         {"resource", {{"type", VT_BSTR}, {"text", "summer.html"}}}}}},
      {{"call", "UninitializeTrackingSystem"}, {"arguments", nlohmann::json::array()}},
  };
  EXPECT_EQ(expected, report["tracking"]) << report["tracking"].dump(1);
  EXPECT_TRUE(report["modernToasts"].empty());
}

// The main job's tour on the simulation: every informative frame appears in the
// demo brand, and each button clicked gets the frame's answer.
TEST_F(BrandedRunTest, TheTourShowsEveryInformativeFrameAndEachButtonAnswers) {
  std::ifstream in(KXUA_EXAMPLES_DIR "/tour.json");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  auto target = MakeTarget("");
  std::vector<Picture> pictures;
  const nlohmann::json report = RunScenario(ParseScenario(text), *target, pictures);

  std::set<std::string> frames;
  for (const auto& shown : report["shown"]) frames.insert(shown["frame"].get<std::string>());
  EXPECT_EQ((std::set<std::string>{"TfrGenericInformative", "TfrGenericError", "TfrAdministration",
                                   "TfrSynchronization", "TfrSynchronizationRestart",
                                   "TfrProgrammedForm", "TfrNeedReboot", "TfrFollowSteps",
                                   "TfNeedReboot2", "TfrDangerousOperation", "TfrRestoredItems",
                                   "TfrFirewallAsk", "TfrmAskToUser", "TfrmAskFolderAccess",
                                   "TTUntrustedFile", "TTfAppControlAsk", "TfrmAppControlDenied"}),
            frames);
  EXPECT_EQ(report["shown"].size(), pictures.size());
  EXPECT_TRUE(report["missedInput"].empty()) << report["missedInput"].dump();

  // The pending-restart alerts answer 6 by their button and 0 by the close
  // button; each question answers what its clicked button means, and the one
  // left unanswered 0 when it expires; the rest answer nothing, whatever they ask
  // of the product.
  const std::map<int, nlohmann::json> answered = {
      {4, nlohmann::json::array({6})}, {5, nlohmann::json::array({0})},
      {14, nlohmann::json::array({ResponseAllow})},       // firewall: allow
      {15, nlohmann::json::array({ResponseNeutralize})},  // malware: neutralize
      {16, nlohmann::json::array({ResponseExclude})},     // malware: exclude
      {17, nlohmann::json::array({ResponseDeny})},        // folder access: block
      {18, nlohmann::json::array({ResponseAllow})},       // untrusted file: yes
      {19, nlohmann::json::array({ResponseDeny})},        // unknown program: block
      {22, nlohmann::json::array({ResponseNone})},        // unanswered firewall: expired
  };
  std::map<int, nlohmann::json> responses;
  for (const auto& removal : report["removed"])
    for (const auto& alert : removal["notifications"]) responses[alert["alert"]] = alert["responses"];
  ASSERT_EQ(23u, responses.size()) << report["removed"].dump();
  for (int alert = 0; alert < 23; ++alert) {
    const auto expected = answered.find(alert);
    EXPECT_EQ(expected == answered.end() ? nlohmann::json::array() : expected->second, responses[alert])
        << "alert " << alert;
  }

  const nlohmann::json extendedAction = {{"action", ""},
                                         {"argument", {{"type", VT_DISPATCH}, {"object", "Zym.ExtendedAction"}}}};
  const nlohmann::json restart = {{"action", "RestartSystem"},
                                  {"argument", {{"type", VT_BSTR}, {"text", ""}}}};
  const nlohmann::json restartZero = {{"action", "RestartSystem"},
                                      {"argument", {{"type", VT_INT}, {"number", 0}}}};
  const nlohmann::json openRestored = {
      {"action", "OpenShellFolder"},
      {"argument", {{"type", VT_BSTR}, {"text", "C:\\Users\\Public\\Documents\\report.docx"}}}};
  // Informative notice, administrator's restart, cleanup; then the restart
  // alert, the steps, the newer restart alert, the rule link, the restored item.
  EXPECT_EQ(nlohmann::json({extendedAction, restart, extendedAction, restartZero, extendedAction,
                            restartZero, extendedAction, openRestored}),
            report["actions"]);
  int systemToasts = 0;
  for (const std::string call : report["modernToasts"]) systemToasts += call.rfind("toaster.Show", 0) == 0;
  EXPECT_EQ(17, systemToasts) << "one for each single alert";
  EXPECT_EQ(0, report["result"]);
}

}  // namespace
}  // namespace kxua::demo
