// UsageTracker: the calls made on the tracking service, in order, with the
// parameter bag of each event, and what each missing piece of the product drops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kxua/values.h"
#include "model/usage_tracker.h"
#include "platform/sim/sim_platform.h"
#include "testbed/application_context.h"
#include "testbed/notification.h"
#include "testbed/tracking.h"

namespace kxua {
namespace {

using testbed::RecordedValue;

std::vector<std::wstring> Methods(const std::vector<testbed::TrackingEvents::Call>& calls) {
  std::vector<std::wstring> methods;
  for (const auto& call : calls) methods.push_back(call.method);
  return methods;
}

class UsageTrackerTest : public ::testing::Test {
 protected:
  UsageTrackerTest() {
    config->SetText(kTrackingConfigItem, L"tracking-profile");
    context->Register(progid::TrackingEvents, tracking);
    context->Register(progid::Config, config);
    context->Register(progid::StringMap, map);
  }
  ~UsageTrackerTest() override {
    map->Release();
    config->Release();
    tracking->Release();
    context->Release();
  }

  sim::ScopedSimPlatform sim;
  testbed::ApplicationContext* context = new testbed::ApplicationContext;
  testbed::TrackingEvents* tracking = new testbed::TrackingEvents;
  testbed::TrackingConfig* config = new testbed::TrackingConfig;
  testbed::StringMap* map = new testbed::StringMap;
};

TEST_F(UsageTrackerTest, StartsSendsAndStopsTheTrackingSystem) {
  const ULONG trackingReferences = tracking->References(), mapReferences = map->References(),
              contextReferences = context->References();
  {
    UsageTracker tracker(context);
    tracker.Initialize();
    tracker.SendEvent(tracking_event::CloseManual, 42, L"summer-campaign.html");
  }
  EXPECT_EQ((std::vector<std::wstring>{progid::TrackingEvents, progid::Config, progid::StringMap}),
            context->Lookups());
  const auto calls = tracking->Calls();
  ASSERT_EQ((std::vector<std::wstring>{L"InitializeTrackingSystem", L"SendEventTrack",
                                       L"UninitializeTrackingSystem"}),
            Methods(calls));
  EXPECT_EQ((std::vector<RecordedValue>{RecordedValue::Text(L"tracking-profile")}),
            calls[0].arguments)
      << "the configured value goes on as the product gave it";
  ASSERT_EQ(2u, calls[1].arguments.size());
  EXPECT_EQ(RecordedValue::Text(L"closeman"), calls[1].arguments[0]);
  EXPECT_EQ(VT_DISPATCH, calls[1].arguments[1].type);
  EXPECT_EQ((std::map<std::wstring, RecordedValue>{
                {L"campaignid", RecordedValue::Number(VT_I4, 42)},
                {L"resource", RecordedValue::Text(L"summer-campaign.html")}}),
            calls[1].parameters);
  EXPECT_TRUE(calls[2].arguments.empty());
  EXPECT_EQ(trackingReferences, tracking->References()) << "every reference given back";
  EXPECT_EQ(mapReferences, map->References());
  EXPECT_EQ(contextReferences, context->References());
}

TEST_F(UsageTrackerTest, MissingPiecesDropEventsQuietly) {
  const struct Case {
    const char* name;
    bool trackingService;
    bool configObject;
    bool configItem;
    HRESULT initializeResult;
    bool stringMap;
    std::vector<std::wstring> methods;
    VARTYPE parameterType;  // of the event sent, if any
  } cases[] = {
      {"no tracking service", false, true, true, S_OK, true, {}, VT_EMPTY},
      {"no configuration object", true, false, true, S_OK, true, {}, VT_EMPTY},
      {"no configured value", true, true, false, S_OK, true, {}, VT_EMPTY},
      {"tracking system refuses", true, true, true, E_FAIL, true, {L"InitializeTrackingSystem"}, VT_EMPTY},
      {"tracking system warns", true, true, true, S_FALSE, true,
       {L"InitializeTrackingSystem", L"SendEventTrack", L"UninitializeTrackingSystem"}, VT_DISPATCH},
      {"no string map", true, true, true, S_OK, false,
       {L"InitializeTrackingSystem", L"SendEventTrack", L"UninitializeTrackingSystem"}, VT_EMPTY},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* product = new testbed::ApplicationContext;
    auto* events = new testbed::TrackingEvents;
    auto* settings = new testbed::TrackingConfig;
    if (c.configItem) settings->SetNumber(kTrackingConfigItem, 1);
    events->SetInitializeResult(c.initializeResult);
    if (c.trackingService) product->Register(progid::TrackingEvents, events);
    if (c.configObject) product->Register(progid::Config, settings);
    if (c.stringMap) product->Register(progid::StringMap, map);
    {
      UsageTracker tracker(product);
      tracker.Initialize();
      tracker.SendEvent(tracking_event::CloseAutomatic, 7, L"r");
    }
    const auto calls = events->Calls();
    EXPECT_EQ(c.methods, Methods(calls));
    if (calls.size() > 1) {
      ASSERT_EQ(2u, calls[1].arguments.size());
      EXPECT_EQ(RecordedValue::Text(L"closeau"), calls[1].arguments[0]);
      EXPECT_EQ(c.parameterType, calls[1].arguments[1].type);
    }
    EXPECT_TRUE(sim->Questions().empty());
    product->Release();
    settings->Release();
    events->Release();
  }
}

TEST_F(UsageTrackerTest, EventsBeforeInitializeAreDropped) {
  UsageTracker tracker(context);
  tracker.SendEvent(tracking_event::CloseManual, 1, L"r");
  EXPECT_TRUE(tracking->Calls().empty());
  EXPECT_TRUE(context->Lookups().empty());
}

TEST_F(UsageTrackerTest, NotificationGivesTheCampaignAndResource) {
  testbed::Notification campaign, bare;
  campaign.SetNumber(key::CampaignID, 1234).SetText(key::ResourceDescr, std::wstring(300, L'r'));
  const struct {
    const char* name;
    IUINotification* notification;
    std::map<std::wstring, RecordedValue> parameters;
  } cases[] = {
      {"campaign", &campaign,
       {{L"campaignid", RecordedValue::Number(VT_I4, 1234)},
        {L"resource", RecordedValue::Text(std::wstring(259, L'r'))}}},
      {"no values: campaign 0, no resource", &bare,
       {{L"campaignid", RecordedValue::Number(VT_I4, 0)}, {L"resource", RecordedValue::Text(L"")}}},
  };
  UsageTracker tracker(context);
  tracker.Initialize();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tracker.SendEvent(tracking_event::CloseAutomatic, c.notification);
    ASSERT_EQ(L"SendEventTrack", tracking->Calls().back().method);
    EXPECT_EQ(c.parameters, tracking->Calls().back().parameters);
  }
  const std::size_t sent = tracking->Calls().size();
  tracker.SendEvent(tracking_event::CloseAutomatic, nullptr);
  EXPECT_EQ(sent, tracking->Calls().size()) << "no notification, no event";
}

}  // namespace
}  // namespace kxua
