#include "model/usage_tracker.h"

#include "kxua/values.h"
#include "model/notification.h"
#include "model/services.h"
#include "model/variants.h"
#include "model/zym_utils.h"

namespace kxua {

UsageTracker::UsageTracker(IUnknown* hostContext) : utils_(std::make_shared<CZYMUtils>()) {
  utils_->Initialize(CZYMUtils::kConsoleClient, hostContext);
}

UsageTracker::~UsageTracker() {
  if (trackingEvents_ && initialized_) trackingEvents_->UninitializeTrackingSystem();
  trackingEvents_.Reset();  // before the context that served it
  utils_.reset();
}

void UsageTracker::Initialize() {
  if (!utils_) return;
  trackingEvents_ = LookUp<ICCGUITrackingEvts>(utils_->Context(), progid::TrackingEvents);
  if (!trackingEvents_) return;
  auto config = LookUp<ICCGUIConfig>(utils_->Context(), progid::Config);
  if (!config) return;
  Variant value;
  if (FAILED(config->GetConfigValue(kTrackingConfigItem, value.Receive()))) return;
  initialized_ = SUCCEEDED(trackingEvents_->InitializeTrackingSystem(value.Get()));
}

void UsageTracker::SendEvent(const std::wstring& name, std::int32_t campaignId,
                             const std::wstring& resource) {
  if (!trackingEvents_ || !initialized_) return;
  Variant event;
  SetText(event, name);
  Variant parameters;
  // Without a parameter bag the event still goes, with empty parameters.
  if (auto map = LookUp<IZYMStringMap>(utils_->Context(), progid::StringMap)) {
    Variant campaign, shown;
    SetInt32(campaign, campaignId);
    SetText(shown, resource);
    map->SetItem(BString(L"campaignid").Get(), campaign.Get());
    map->SetItem(BString(L"resource").Get(), shown.Get());
    SetObject(parameters, map.Get());
  }
  trackingEvents_->SendEventTrack(event.Get(), parameters.Get());
}

void UsageTracker::SendEvent(const std::wstring& name, IUINotification* notification) {
  if (notification == nullptr) return;
  SendEvent(name, ReadNumber(notification, key::CampaignID, 0),
            ReadText(notification, key::ResourceDescr, kText));
}

}  // namespace kxua
