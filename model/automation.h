// Owning wrappers for the automation runtime's strings and variants, so that every
// BSTR and VARIANT is freed after the call that used it.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "kxua/com.h"

namespace kxua {

class BString {
 public:
  BString() = default;
  explicit BString(const std::wstring& text)
      : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  BString(const BString&) = delete;
  BString& operator=(const BString&) = delete;
  BString(BString&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  ~BString() { SysFreeString(text_); }

  BSTR Get() const { return text_; }
  // For out parameters.
  BSTR* Receive() {
    SysFreeString(std::exchange(text_, nullptr));
    return &text_;
  }
  std::wstring ToString() const { return text_ == nullptr ? std::wstring() : std::wstring(text_, SysStringLen(text_)); }

 private:
  BSTR text_ = nullptr;
};

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  // Takes over what `other` holds, leaving it empty.
  Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  ~Variant() { VariantClear(&value_); }

  VARIANT* Receive() {
    VariantClear(&value_);
    return &value_;
  }
  const VARIANT& Get() const { return value_; }

  // A variant lending `object` for a by-value argument; the caller keeps ownership.
  static VARIANT Borrow(IDispatch* object) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_DISPATCH;
    v.pdispVal = object;
    return v;
  }

 private:
  VARIANT value_;
};

// A boolean variant's value; nothing for any other type or a value that is neither
// true (-1) nor false (0).
inline std::optional<bool> AsBoolean(const VARIANT& value) {
  if (value.vt != VT_BOOL) return std::nullopt;
  if (value.boolVal == VARIANT_TRUE) return true;
  if (value.boolVal == VARIANT_FALSE) return false;
  return std::nullopt;
}

}  // namespace kxua
