// A counted reference to a COM interface. Queries go through the failure report, so
// a failed query asks the user and otherwise leaves the reference empty.
#pragma once

#include <utility>

#include "kxua/com.h"
#include "model/automation_error.h"
#include "model/failure_report.h"

namespace kxua {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference to `object`.
  explicit ComPtr(T* object) : p_(object) {
    if (p_ != nullptr) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  // Adopts a reference that the caller already owns (an out parameter's result).
  static ComPtr Adopt(T* object) {
    ComPtr result;
    result.p_ = object;
    return result;
  }

  // Queries `source` for T; empty when `source` is null or does not offer T (the
  // latter is reported).
  template <class U>
  static ComPtr Query(U* source) {
    ComPtr result;
    if (source != nullptr)
      KXUA_HRCHECK(source->QueryInterface(IidOf<T>(), reinterpret_cast<void**>(&result.p_)));
    return result;
  }

  void Reset() {
    if (p_ != nullptr) std::exchange(p_, nullptr)->Release();
  }
  // For out parameters: empties the reference and lends its slot.
  T** Receive() {
    Reset();
    return &p_;
  }

  T* Get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Dereferencing an empty reference is reported; it never goes on to a null call.
  T* operator->() const {
    if (p_ == nullptr) ThrowEmpty();
    return p_;
  }

 private:
  [[noreturn]] static void ThrowEmpty() {
    ReportAssertion("ComPtr is not empty", __FILE__, __LINE__);
    throw AutomationError(E_POINTER, L"empty interface reference");
  }

  T* p_ = nullptr;
};

}  // namespace kxua
