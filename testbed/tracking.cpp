#include "testbed/tracking.h"

namespace kxua::testbed {

std::vector<TrackingEvents::Call> TrackingEvents::Calls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return calls_;
}

void TrackingEvents::Add(Call call) {
  std::lock_guard<std::mutex> lock(mutex_);
  calls_.push_back(std::move(call));
}

HRESULT TrackingEvents::InitializeTrackingSystem(VARIANT configuration) {
  Add({L"InitializeTrackingSystem", {Record(configuration)}, {}});
  return initializeResult_;
}

HRESULT TrackingEvents::UninitializeTrackingSystem() {
  Add({L"UninitializeTrackingSystem", {}, {}});
  return S_OK;
}

HRESULT TrackingEvents::SendEventTrack(VARIANT eventName, VARIANT parameters) {
  Call call{L"SendEventTrack", {Record(eventName), Record(parameters)}, {}};
  if (parameters.vt == VT_DISPATCH && parameters.pdispVal != nullptr) {
    IZYMStringMap* map = nullptr;
    if (SUCCEEDED(parameters.pdispVal->QueryInterface(IidOf<IZYMStringMap>(),
                                                      reinterpret_cast<void**>(&map)))) {
      call.parameters = static_cast<StringMap*>(map)->Items();
      map->Release();
    }
  }
  Add(std::move(call));
  return S_OK;
}

HRESULT TrackingConfig::GetConfigValue(LONG item, VARIANT* value) {
  if (value == nullptr) return E_POINTER;
  VariantInit(value);
  auto it = items_.find(item);
  if (it == items_.end()) return E_INVALIDARG;
  if (it->second.type == VT_BSTR) {
    value->vt = VT_BSTR;
    value->bstrVal = SysAllocStringLen(it->second.text.data(),
                                       static_cast<UINT>(it->second.text.size()));
  } else if (it->second.type == VT_BOOL) {
    value->vt = VT_BOOL;
    value->boolVal = it->second.number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    value->vt = VT_I4;
    value->lVal = static_cast<LONG>(it->second.number);
  }
  return S_OK;
}

}  // namespace kxua::testbed
