// Usage events of campaign alerts, sent to the product's tracking service when an
// alert closes, with the campaign and the resource it showed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kxua/alerts.h"
#include "kxua/services.h"
#include "model/com_ptr.h"

namespace kxua {

class CZYMUtils;

namespace tracking_event {
inline constexpr wchar_t CloseAutomatic[] = L"closeau";  // the viewing time ran out
inline constexpr wchar_t CloseManual[] = L"closeman";    // the user closed the alert
}  // namespace tracking_event

// One per campaign alert. Every failure drops events silently.
class UsageTracker {
 public:
  // Reaches the product through its own CZYMUtils attached to `hostContext`.
  explicit UsageTracker(IUnknown* hostContext);
  // Stops the tracking system if this tracker started it.
  ~UsageTracker();
  UsageTracker(const UsageTracker&) = delete;
  UsageTracker& operator=(const UsageTracker&) = delete;

  // Connects to the tracking service and starts its tracking system with the
  // product's configured value; without either, events are dropped.
  void Initialize();
  // One event with its parameter bag; dropped unless Initialize succeeded.
  void SendEvent(const std::wstring& name, std::int32_t campaignId, const std::wstring& resource);
  // The event for the campaign `notification` describes; none without a notification.
  void SendEvent(const std::wstring& name, IUINotification* notification);

 private:
  std::shared_ptr<CZYMUtils> utils_;
  ComPtr<ICCGUITrackingEvts> trackingEvents_;
  bool initialized_ = false;
};

}  // namespace kxua
