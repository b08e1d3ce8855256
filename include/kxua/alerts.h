// The product's alert objects: plain abstract classes (not COM: no QueryInterface,
// no reference counting) whose virtual operations sit in a fixed slot order. The
// product implements them; the library only calls them and never creates, copies
// or frees one. A pointer stays valid while the alert it belongs to is pending.
//
// Every operation uses the stdcall convention, which passes `this` on the stack
// like every other argument, so the slot layout does not depend on which compiler
// built either side. On x86_64 Windows there is one calling convention and stdcall
// means just that one; the slot order is the same on both widths. Arguments are
// passed by address (references here).
#pragma once

#include <cstddef>
#include <cstdint>

#include "kxua/com.h"

#ifdef _WIN32
#define KXUA_PRODUCT_CALL __stdcall
#else
#define KXUA_PRODUCT_CALL
#endif

namespace kxua {

// List ids of the alerts manager, in the order in which they are served.
enum ListId : std::int32_t {
  ListNotifications = 0,  // notifications that one paging frame shows together
  ListAlerts = 1,         // single alerts, every ask alert among them; served first
  ListCampaigns = 2,      // proactive campaign alerts; served last
};

// Response codes written through IUINotification::SetResponse.
enum Response : std::int32_t {
  ResponseNone = 0,  // no answer, or expired
  ResponseNeutralize = 1,
  ResponseExclude = 2,
  ResponseAllow = 4,
  ResponseDeny = 5,
  ResponseRestartNow = 6,
};

// The longest text value a notification holds, terminator not counted. GetText takes
// no capacity, so readers hold buffers of this size.
inline constexpr std::size_t kLongestProductText = 65535;

// One alert: the notification values of one alert kind.
class IUINotification {
 public:
  // Each returns 0 on success and leaves the output untouched otherwise, so callers
  // preset the output with its default. GetText copies the value with its
  // terminating zero; no capacity is passed.
  virtual std::int32_t KXUA_PRODUCT_CALL GetText(const wchar_t* key, wchar_t* buffer) = 0;
  virtual std::int32_t KXUA_PRODUCT_CALL GetNumber(const wchar_t* key, std::int32_t& value) = 0;
  virtual std::int32_t KXUA_PRODUCT_CALL GetNumber64(const wchar_t* key, std::uint64_t& value) = 0;
  // A flag is one byte: zero is false, anything else true.
  virtual std::int32_t KXUA_PRODUCT_CALL GetFlag(const wchar_t* key, std::uint8_t& value) = 0;
  virtual std::int32_t KXUA_PRODUCT_CALL Reserved4() = 0;  // part of the layout; never called
  virtual std::int32_t KXUA_PRODUCT_CALL SetResponse(const std::int32_t& response) = 0;

 protected:
  ~IUINotification() = default;
};

// The alert source: the notifications of one pending alert.
class IUIAlertSource {
 public:
  virtual std::uint32_t KXUA_PRODUCT_CALL Count() = 0;
  virtual std::int32_t KXUA_PRODUCT_CALL Reserved1() = 0;  // part of the layout; never called
  // Null when the index is out of range.
  virtual IUINotification* KXUA_PRODUCT_CALL Item(const std::uint32_t& index) = 0;

 protected:
  ~IUIAlertSource() = default;
};

// Implemented by the library's host window. OnAlertsChanged only posts a window
// message and may be called from any thread; OnNewAlert starts a timer and belongs
// on the thread that runs KXUA_Initialize. Both return 0.
class IUIAlertsManagerCallBack {
 public:
  virtual std::int32_t KXUA_PRODUCT_CALL OnNewAlert() = 0;
  virtual std::int32_t KXUA_PRODUCT_CALL OnAlertsChanged() = 0;

 protected:
  ~IUIAlertsManagerCallBack() = default;
};

// The product's alerts manager: the pending alerts in three lists. The library only
// inspects the alert pointer that GetAlert returns, never the result codes.
class IUIAlertsManager {
 public:
  virtual std::int32_t KXUA_PRODUCT_CALL GetTotalCount(std::uint32_t& count) = 0;
  virtual std::int32_t KXUA_PRODUCT_CALL GetCount(const std::int32_t& list,
                                                  std::uint32_t& count) = 0;
  // The library always asks index 0, the oldest pending alert of the list.
  virtual std::int32_t KXUA_PRODUCT_CALL GetAlert(const std::int32_t& list,
                                                  const std::int32_t& index,
                                                  IUIAlertSource*& source) = 0;
  virtual std::int32_t KXUA_PRODUCT_CALL Reserved3() = 0;  // part of the layout; never called
  // The product reads the answer from the alert's notification at this point.
  virtual std::int32_t KXUA_PRODUCT_CALL RemoveAlert(const std::int32_t& list,
                                                     const std::int32_t& index) = 0;
  // Null unregisters.
  virtual std::int32_t KXUA_PRODUCT_CALL SetCallBack(IUIAlertsManagerCallBack* callback) = 0;

 protected:
  ~IUIAlertsManager() = default;
};

// Each object is one pointer to its table of operations and nothing else, on both
// widths; the values it shares are of fixed width, texts UTF-16 on Windows.
static_assert(sizeof(IUINotification) == sizeof(void*));
static_assert(sizeof(IUIAlertSource) == sizeof(void*));
static_assert(sizeof(IUIAlertsManagerCallBack) == sizeof(void*));
static_assert(sizeof(IUIAlertsManager) == sizeof(void*));
static_assert(sizeof(ListId) == 4 && sizeof(Response) == 4);
#ifdef _WIN32
static_assert(sizeof(wchar_t) == 2);
#endif

}  // namespace kxua
