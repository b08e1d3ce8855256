// The stand-in product's alerts manager: three lists of pending alerts, safe to fill
// from any thread, with the signals the product gives the library's callback.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "kxua/alerts.h"
#include "testbed/notification.h"

namespace kxua::testbed {

// One pending alert: its notifications, to which more may be added while shown.
class AlertSource final : public IUIAlertSource {
 public:
  AlertSource() = default;
  explicit AlertSource(std::shared_ptr<Notification> first) { Add(std::move(first)); }

  void Add(std::shared_ptr<Notification> notification);
  std::shared_ptr<Notification> At(std::size_t index) const;

  std::uint32_t KXUA_PRODUCT_CALL Count() override;
  std::int32_t KXUA_PRODUCT_CALL Reserved1() override { return -1; }
  IUINotification* KXUA_PRODUCT_CALL Item(const std::uint32_t& index) override;

 private:
  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<Notification>> notifications_;
};

// How the product tells the library about a change.
enum class Signal {
  None,
  NewAlert,       // OnNewAlert: only from the thread of the run
  AlertsChanged,  // OnAlertsChanged: from any thread
};

class AlertsManager final : public IUIAlertsManager {
 public:
  // Queues an alert at the end of `list` and signals the registered callback.
  std::shared_ptr<AlertSource> Add(std::int32_t list, std::shared_ptr<Notification> notification,
                                   Signal signal = Signal::NewAlert);
  // Adds a notification to the pending alert of ListNotifications (one paging
  // alert collects them), or queues a new one.
  std::shared_ptr<AlertSource> AddNotification(std::shared_ptr<Notification> notification,
                                               Signal signal = Signal::AlertsChanged);

  // Fault injection: counts are reported but GetAlert delivers nothing.
  void SetDeliverNothing(bool deliverNothing);

  struct Removal {
    std::int32_t list;
    std::shared_ptr<AlertSource> source;
  };
  std::vector<Removal> Removals() const;
  // Removals().size(), without copying them.
  std::size_t RemovalCount() const;
  // Every SetCallBack argument in order (null for unregister).
  std::vector<IUIAlertsManagerCallBack*> CallBackHistory() const;
  IUIAlertsManagerCallBack* CallBack() const;
  std::size_t Pending(std::int32_t list) const;
  // How often the library asked for the total: once per check of the queue.
  int TotalCountCalls() const;

  std::int32_t KXUA_PRODUCT_CALL GetTotalCount(std::uint32_t& count) override;
  std::int32_t KXUA_PRODUCT_CALL GetCount(const std::int32_t& list, std::uint32_t& count) override;
  std::int32_t KXUA_PRODUCT_CALL GetAlert(const std::int32_t& list, const std::int32_t& index,
                                          IUIAlertSource*& source) override;
  std::int32_t KXUA_PRODUCT_CALL Reserved3() override { return -1; }
  std::int32_t KXUA_PRODUCT_CALL RemoveAlert(const std::int32_t& list,
                                             const std::int32_t& index) override;
  std::int32_t KXUA_PRODUCT_CALL SetCallBack(IUIAlertsManagerCallBack* callback) override;

 private:
  static constexpr std::int32_t kLists = 3;
  static bool ValidList(std::int32_t list) { return list >= 0 && list < kLists; }
  void Notify(Signal signal);

  mutable std::mutex mutex_;
  std::deque<std::shared_ptr<AlertSource>> lists_[kLists];
  std::vector<Removal> removals_;
  std::vector<IUIAlertsManagerCallBack*> callBackHistory_;
  IUIAlertsManagerCallBack* callBack_ = nullptr;
  bool deliverNothing_ = false;
  int totalCountCalls_ = 0;
};

}  // namespace kxua::testbed
