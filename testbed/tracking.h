// The stand-in product's usage tracking: the tracking service, which records every
// call, the string map that carries an event's parameters, and the one
// configuration value the tracking system starts with.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "kxua/services.h"
#include "testbed/com_object.h"
#include "testbed/recorded_value.h"

namespace kxua::testbed {

// "Zym.StringMap".
class StringMap final : public DispatchObject<IZYMStringMap> {
 public:
  std::map<std::wstring, RecordedValue> Items() const { return items_.Items(); }

  HRESULT STDMETHODCALLTYPE SetItem(BSTR key, VARIANT value) override {
    items_.Set(key, value);
    return S_OK;
  }

 private:
  ~StringMap() override = default;
  RecordedItems items_;
};

// "KXCCGUIUTILS.TrackingEvents".
class TrackingEvents final : public DispatchObject<ICCGUITrackingEvts> {
 public:
  struct Call {
    std::wstring method;
    std::vector<RecordedValue> arguments;
    // The items of a StringMap argument, as they stood at the call.
    std::map<std::wstring, RecordedValue> parameters;
  };
  std::vector<Call> Calls() const;
  // What InitializeTrackingSystem answers; S_OK unless set.
  void SetInitializeResult(HRESULT result) { initializeResult_ = result; }

  HRESULT STDMETHODCALLTYPE InitializeTrackingSystem(VARIANT configuration) override;
  HRESULT STDMETHODCALLTYPE UninitializeTrackingSystem() override;
  HRESULT STDMETHODCALLTYPE SendEventTrack(VARIANT eventName, VARIANT parameters) override;

 private:
  ~TrackingEvents() override = default;
  void Add(Call call);

  mutable std::mutex mutex_;
  std::vector<Call> calls_;
  HRESULT initializeResult_ = S_OK;
};

// "KXCCGUIUtils.Config", as far as tracking reads it: the configured items, each a
// number or a text; any other item is a failure.
class TrackingConfig final : public DispatchObject<ICCGUIConfig> {
 public:
  void SetNumber(LONG item, std::int32_t value) { items_[item] = RecordedValue::Number(VT_I4, value); }
  void SetText(LONG item, const std::wstring& value) { items_[item] = RecordedValue::Text(value); }
  void SetFlag(LONG item, bool value) { items_[item] = RecordedValue::Number(VT_BOOL, value ? 1 : 0); }
  // The item is unknown again.
  void Remove(LONG item) { items_.erase(item); }

  HRESULT STDMETHODCALLTYPE GetConfigValue(LONG item, VARIANT* value) override;

 private:
  ~TrackingConfig() override = default;
  std::map<LONG, RecordedValue> items_;
};

}  // namespace kxua::testbed
