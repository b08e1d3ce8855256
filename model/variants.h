// Owning variants filled with the values that by-value automation arguments carry.
#pragma once

#include <cstdint>
#include <string>

#include "model/automation.h"

namespace kxua {

inline void SetText(Variant& variant, const std::wstring& text) {
  VARIANT* value = variant.Receive();
  value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (value->bstrVal != nullptr) value->vt = VT_BSTR;
}

inline void SetInt32(Variant& variant, std::int32_t number) {
  VARIANT* value = variant.Receive();
  value->vt = VT_I4;
  value->lVal = number;
}

inline void SetInt(Variant& variant, int number) {
  VARIANT* value = variant.Receive();
  value->vt = VT_INT;
  value->intVal = number;
}

// Takes its own reference to `object`, given back when the variant is cleared.
inline void SetObject(Variant& variant, IDispatch* object) {
  VARIANT* value = variant.Receive();
  if (object != nullptr) object->AddRef();
  value->vt = VT_DISPATCH;
  value->pdispVal = object;
}

}  // namespace kxua
