// The whole stand-in product that the demo and the end-to-end tests run the
// library against: its alerts manager and an application context serving the
// translator (with the product's texts in its language), the action manager, the
// prepared action "Zym.ExtendedAction" and the usage tracking service.
#pragma once

#include <string>

#include "testbed/action_manager.h"
#include "testbed/alerts_manager.h"
#include "testbed/application_context.h"
#include "testbed/tracking.h"
#include "testbed/translator.h"

namespace kxua::testbed {

class Product {
 public:
  // The value of the tracking system's configuration item.
  static constexpr std::int32_t kTrackingProfile = 1;

  explicit Product(const std::wstring& language = L"eng");
  ~Product();
  Product(const Product&) = delete;
  Product& operator=(const Product&) = delete;

  AlertsManager& Manager() { return manager_; }
  // The product's own reference; callers add theirs.
  ApplicationContext* Context() { return context_; }
  ActionManager& Actions() { return *actions_; }
  TrackingEvents& Tracking() { return *tracking_; }
  // The product's configuration ("KXCCGUIUtils.Config").
  TrackingConfig& Config() { return *config_; }
  Dictionary& Texts() { return *dictionary_; }
  const std::wstring& Language() const { return language_; }

 private:
  std::wstring language_;
  AlertsManager manager_;
  ApplicationContext* context_;
  Dictionary* dictionary_;
  ActionManager* actions_;
  TrackingEvents* tracking_;
  TrackingConfig* config_;
};

}  // namespace kxua::testbed
