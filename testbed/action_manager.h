// The stand-in product's action manager, which records every request, and the
// action objects that notifications name.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "kxua/services.h"
#include "testbed/com_object.h"
#include "testbed/recorded_value.h"

namespace kxua::testbed {

// An action object ("Zym.ExtendedAction", or one registered for an alert).
class ActionObject final : public DispatchObject<IZYMExtendedAction> {
 public:
  explicit ActionObject(std::wstring name = std::wstring()) : name_(std::move(name)) {}
  const std::wstring& Name() const { return name_; }
  std::map<std::wstring, RecordedValue> Items() const { return items_.Items(); }

  HRESULT STDMETHODCALLTYPE SetItem(BSTR name, VARIANT value) override {
    items_.Set(name, value);
    return S_OK;
  }

 private:
  ~ActionObject() override = default;
  std::wstring name_;
  RecordedItems items_;
};

class ActionManager final : public DispatchObject<IUAAction> {
 public:
  struct Request {
    std::wstring action;     // the action name
    bool actionIsNull;       // a null BSTR rather than an empty one
    RecordedValue argument;
    std::wstring objectName;                           // of an ActionObject argument
    std::map<std::wstring, RecordedValue> objectItems;  // its items when it came
  };
  std::vector<Request> Requests() const;

  // The demo's opt-in: folders asked for are really shown, through the platform's
  // shell. Off by default, so that tests and scenario runs touch nothing.
  void SetOpensFolders(bool opens) { opensFolders_ = opens; }

  HRESULT STDMETHODCALLTYPE ExecuteAction(BSTR actionName, VARIANT argument,
                                          VARIANT* result) override;

 private:
  ~ActionManager() override = default;
  mutable std::mutex mutex_;
  std::vector<Request> requests_;
  std::atomic<bool> opensFolders_{false};
};

}  // namespace kxua::testbed
