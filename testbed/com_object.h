// The reference counting and interface queries of the stand-in product's COM
// objects.
#pragma once

#include <atomic>
#include <type_traits>

#include "kxua/com.h"

namespace kxua::testbed {

template <class... Interfaces>
class ComObject : public Interfaces... {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (iid == IidOf<IUnknown>() || (kDispatch && iid == IidOf<IDispatch>()))
      *object = static_cast<First*>(this);
    else
      (TryInterface<Interfaces>(iid, object) || ...);
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  // The current count, for tests that check that every reference was given back.
  ULONG References() const { return references_; }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

 private:
  template <class I, class...>
  struct FirstOf {
    using type = I;
  };
  using First = typename FirstOf<Interfaces...>::type;
  static constexpr bool kDispatch = std::is_base_of_v<IDispatch, First>;

  template <class I>
  bool TryInterface(REFIID iid, void** object) {
    if (iid != IidOf<I>()) return false;
    *object = static_cast<I*>(this);
    return true;
  }

  std::atomic<ULONG> references_{1};
};

// An automation object: IDispatch's own methods are not used across this contract.
template <class... Interfaces>
class DispatchObject : public ComObject<Interfaces...> {
#ifdef _WIN32
  using ITypeInfoPointer = ITypeInfo**;
  using DispParamsPointer = DISPPARAMS*;
  using ExcepInfoPointer = EXCEPINFO*;
#else
  using ITypeInfoPointer = void**;
  using DispParamsPointer = void*;
  using ExcepInfoPointer = void*;
#endif

 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count != nullptr) *count = 0;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfoPointer) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DispParamsPointer, VARIANT*,
                                   ExcepInfoPointer, UINT*) override {
    return E_NOTIMPL;
  }

 protected:
  DispatchObject() = default;
  ~DispatchObject() override = default;
};

}  // namespace kxua::testbed
