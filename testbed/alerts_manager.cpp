#include "testbed/alerts_manager.h"

namespace kxua::testbed {

void AlertSource::Add(std::shared_ptr<Notification> notification) {
  std::lock_guard<std::mutex> lock(mutex_);
  notifications_.push_back(std::move(notification));
}

std::shared_ptr<Notification> AlertSource::At(std::size_t index) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return index < notifications_.size() ? notifications_[index] : nullptr;
}

std::uint32_t AlertSource::Count() {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<std::uint32_t>(notifications_.size());
}

IUINotification* AlertSource::Item(const std::uint32_t& index) {
  std::lock_guard<std::mutex> lock(mutex_);
  return index < notifications_.size() ? notifications_[index].get() : nullptr;
}

std::shared_ptr<AlertSource> AlertsManager::Add(std::int32_t list,
                                                std::shared_ptr<Notification> notification,
                                                Signal signal) {
  auto source = std::make_shared<AlertSource>(std::move(notification));
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ValidList(list)) return nullptr;
    lists_[list].push_back(source);
  }
  Notify(signal);
  return source;
}

std::shared_ptr<AlertSource> AlertsManager::AddNotification(
    std::shared_ptr<Notification> notification, Signal signal) {
  std::shared_ptr<AlertSource> source;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto& list = lists_[ListNotifications];
    if (list.empty()) list.push_back(std::make_shared<AlertSource>());
    source = list.back();
  }
  source->Add(std::move(notification));
  Notify(signal);
  return source;
}

void AlertsManager::Notify(Signal signal) {
  // The callback is called outside the lock: the library calls back into us.
  IUIAlertsManagerCallBack* callBack = CallBack();
  if (callBack == nullptr) return;
  if (signal == Signal::NewAlert) callBack->OnNewAlert();
  if (signal == Signal::AlertsChanged) callBack->OnAlertsChanged();
}

void AlertsManager::SetDeliverNothing(bool deliverNothing) {
  std::lock_guard<std::mutex> lock(mutex_);
  deliverNothing_ = deliverNothing;
}

std::vector<AlertsManager::Removal> AlertsManager::Removals() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return removals_;
}

std::size_t AlertsManager::RemovalCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return removals_.size();
}

std::vector<IUIAlertsManagerCallBack*> AlertsManager::CallBackHistory() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return callBackHistory_;
}

IUIAlertsManagerCallBack* AlertsManager::CallBack() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return callBack_;
}

std::size_t AlertsManager::Pending(std::int32_t list) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return ValidList(list) ? lists_[list].size() : 0;
}

int AlertsManager::TotalCountCalls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return totalCountCalls_;
}

std::int32_t AlertsManager::GetTotalCount(std::uint32_t& count) {
  std::lock_guard<std::mutex> lock(mutex_);
  ++totalCountCalls_;
  count = 0;
  for (const auto& list : lists_) count += static_cast<std::uint32_t>(list.size());
  return 0;
}

std::int32_t AlertsManager::GetCount(const std::int32_t& list, std::uint32_t& count) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!ValidList(list)) return -1;
  count = static_cast<std::uint32_t>(lists_[list].size());
  return 0;
}

std::int32_t AlertsManager::GetAlert(const std::int32_t& list, const std::int32_t& index,
                                     IUIAlertSource*& source) {
  std::lock_guard<std::mutex> lock(mutex_);
  source = nullptr;
  if (deliverNothing_ || !ValidList(list) || index < 0 ||
      static_cast<std::size_t>(index) >= lists_[list].size())
    return -1;
  source = lists_[list][static_cast<std::size_t>(index)].get();
  return 0;
}

std::int32_t AlertsManager::RemoveAlert(const std::int32_t& list, const std::int32_t& index) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!ValidList(list) || index < 0 || static_cast<std::size_t>(index) >= lists_[list].size())
    return -1;
  auto it = lists_[list].begin() + index;
  removals_.push_back({list, *it});  // kept alive: the product reads its answer now
  lists_[list].erase(it);
  return 0;
}

std::int32_t AlertsManager::SetCallBack(IUIAlertsManagerCallBack* callback) {
  std::lock_guard<std::mutex> lock(mutex_);
  callBack_ = callback;
  callBackHistory_.push_back(callback);
  return 0;
}

}  // namespace kxua::testbed
