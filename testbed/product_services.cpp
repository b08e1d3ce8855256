#include "testbed/product_services.h"

namespace kxua::testbed {

HRESULT ProductInfo::GetProductVersionType(VARIANT* type) {
  if (type == nullptr) return E_POINTER;
  VariantInit(type);
  type->vt = answerType_;
  if (answerType_ == VT_UI4)
    type->ulVal = versionType_;
  else
    type->lVal = static_cast<LONG>(versionType_);
  return S_OK;
}

void Config::Set(LONG item, Value value) {
  std::lock_guard<std::mutex> lock(mutex_);
  items_[item] = std::move(value);
}

HRESULT Config::GetConfigValue(LONG item, VARIANT* value) {
  if (value == nullptr) return E_POINTER;
  VariantInit(value);
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = items_.find(item);
  if (it == items_.end()) return E_INVALIDARG;
  if (const bool* flag = std::get_if<bool>(&it->second)) {
    value->vt = VT_BOOL;
    value->boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (const std::uint32_t* number = std::get_if<std::uint32_t>(&it->second)) {
    value->vt = VT_UI4;
    value->ulVal = *number;
  } else {
    const std::wstring& text = std::get<std::wstring>(it->second);
    value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (value->bstrVal == nullptr) return E_OUTOFMEMORY;
    value->vt = VT_BSTR;
  }
  return S_OK;
}

}  // namespace kxua::testbed
