// The stand-in automation runtime: lengths, ownership on copy and clear, and the
// byte array's lock. Leaks and double frees show under the sanitizer build.
#include <gtest/gtest.h>

#include <cstring>

#include "kxua/com.h"

namespace kxua {
namespace {

constexpr HRESULT kArrayIsLocked = static_cast<HRESULT>(0x8002000Du);

TEST(Bstr, EmbeddedZerosKeepTheLength) {
  const OLECHAR text[] = {L'a', 0, L'b', 0};
  BSTR s = SysAllocStringLen(text, 4);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(SysStringLen(s), 4u);
  EXPECT_EQ(std::memcmp(s, text, sizeof(text)), 0);
  EXPECT_EQ(s[4], 0);  // still terminated for callers that treat it as a C string
  SysFreeString(s);
}

TEST(Bstr, NullTextGivesZerosOfTheLengthAndNullIsEmpty) {
  BSTR s = SysAllocStringLen(nullptr, 3);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(SysStringLen(s), 3u);
  EXPECT_EQ(s[0], 0);
  EXPECT_EQ(s[2], 0);
  SysFreeString(s);

  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);
}

// An IDispatch that only counts references.
class CountedDispatch final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, void*, VARIANT*, void*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  ULONG refs = 1;
};

VARIANT BstrVariant(const OLECHAR* text, UINT length) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(text, length);
  return v;
}

TEST(Variant, CopyOfABstrIsDeep) {
  const OLECHAR text[] = {L'x', 0, L'y'};
  VARIANT source = BstrVariant(text, 3);
  VARIANT copy;
  VariantInit(&copy);

  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  ASSERT_EQ(copy.vt, VT_BSTR);
  EXPECT_NE(copy.bstrVal, source.bstrVal);
  EXPECT_EQ(VariantClear(&source), S_OK);
  EXPECT_EQ(SysStringLen(copy.bstrVal), 3u);  // readable after the source is gone
  EXPECT_EQ(std::memcmp(copy.bstrVal, text, sizeof(text)), 0);
  VariantClear(&copy);
}

TEST(Variant, CopyOntoItselfKeepsTheValue) {
  VARIANT v = BstrVariant(L"abc", 3);
  EXPECT_EQ(VariantCopy(&v, &v), S_OK);
  ASSERT_EQ(v.vt, VT_BSTR);
  EXPECT_EQ(SysStringLen(v.bstrVal), 3u);
  VariantClear(&v);
}

TEST(Variant, CopyOfADispatchAddsAReferenceThatClearReleases) {
  CountedDispatch object;
  VARIANT source;
  VariantInit(&source);
  source.vt = VT_DISPATCH;
  source.pdispVal = &object;
  object.AddRef();  // the source's own reference

  VARIANT copy;
  VariantInit(&copy);
  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  EXPECT_EQ(copy.pdispVal, &object);
  EXPECT_EQ(object.refs, 3u);

  EXPECT_EQ(VariantClear(&copy), S_OK);
  EXPECT_EQ(copy.vt, VT_EMPTY);
  EXPECT_EQ(object.refs, 2u);
  VariantClear(&source);
  EXPECT_EQ(object.refs, 1u);
}

TEST(Variant, CopyReleasesWhatTheDestinationHeld) {
  CountedDispatch held;
  VARIANT number;
  VariantInit(&number);
  number.vt = VT_I4;
  number.lVal = 5;

  // Over a string: the old string must be freed (a leak shows under the sanitizer).
  VARIANT destination = BstrVariant(L"old", 3);
  ASSERT_EQ(VariantCopy(&destination, &number), S_OK);
  EXPECT_EQ(destination.vt, VT_I4);
  EXPECT_EQ(destination.lVal, 5);

  // Over an object: its reference must be given back.
  held.AddRef();
  destination.vt = VT_DISPATCH;
  destination.pdispVal = &held;
  ASSERT_EQ(VariantCopy(&destination, &number), S_OK);
  EXPECT_EQ(held.refs, 1u);
  EXPECT_EQ(destination.vt, VT_I4);
}

TEST(SafeArray, ByteVectorLifecycleAndLock) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, 4);
  ASSERT_NE(array, nullptr);
  EXPECT_EQ(array->cDims, 1u);
  EXPECT_EQ(array->rgsabound[0].cElements, 4u);

  void* data = nullptr;
  ASSERT_EQ(SafeArrayAccessData(array, &data), S_OK);
  ASSERT_NE(data, nullptr);
  std::memset(data, 0xAB, 4);

  // Destroying it now would free memory a caller is still using.
  EXPECT_EQ(SafeArrayDestroy(array), kArrayIsLocked);
  EXPECT_EQ(static_cast<BYTE*>(data)[3], 0xAB);

  EXPECT_EQ(SafeArrayUnaccessData(array), S_OK);
  EXPECT_EQ(SafeArrayUnaccessData(array), E_UNEXPECTED);  // unbalanced
  EXPECT_EQ(SafeArrayDestroy(array), S_OK);

  SAFEARRAY* empty = SafeArrayCreateVector(VT_UI1, 0, 0);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(SafeArrayDestroy(empty), S_OK);
}

TEST(SafeArray, OnlyBytesAreSupported) {
  for (VARTYPE type : {VT_I4, VT_BSTR, VT_VARIANT, VT_UI2}) {
    SCOPED_TRACE(type);
    EXPECT_EQ(SafeArrayCreateVector(type, 0, 4), nullptr);
  }
}

}  // namespace
}  // namespace kxua
