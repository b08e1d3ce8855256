// The COM types of the product contract. On Windows they are the system's own;
// elsewhere a small subset with the same layout rules and semantics stands in, so
// that the core compiles unchanged on both targets. Only what the library and the
// stand-in product use is declared.
#pragma once

#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <ole2.h>

// The library names its own operations after what they do; the A/W macros of the
// system headers would rename them. Platform code calls the W functions directly.
#undef CreateWindow
#undef DispatchMessage
#undef DrawText
#undef GetClassName
#undef GetMessage
#undef GetObject
#undef LoadLibrary
#undef MessageBox
#undef PostMessage
#undef RegisterWindowMessage
#undef SendMessage

#else  // !_WIN32

#include <cstddef>
#include <cstdint>

#define STDMETHODCALLTYPE

typedef std::int32_t HRESULT;
typedef std::uint32_t ULONG;
typedef std::int32_t LONG;
typedef std::uint32_t DWORD;
typedef std::uint16_t WORD;
typedef std::uint16_t USHORT;
typedef std::int16_t SHORT;
typedef std::uint8_t BYTE;
typedef unsigned int UINT;
typedef int INT;
typedef std::int64_t LONGLONG;
typedef std::uint64_t ULONGLONG;
typedef DWORD LCID;
typedef LONG DISPID;
typedef wchar_t OLECHAR;
typedef OLECHAR* LPOLESTR;
typedef OLECHAR* BSTR;
typedef SHORT VARIANT_BOOL;
typedef USHORT VARTYPE;

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
typedef GUID IID;
typedef GUID CLSID;
typedef const GUID& REFIID;
typedef const GUID& REFCLSID;

inline bool operator==(const GUID& a, const GUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}
inline bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }

#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
constexpr HRESULT DISP_E_BADVARTYPE = static_cast<HRESULT>(0x80020008u);

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum VARENUM : VARTYPE {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_I1 = 16,
  VT_UI1 = 17,
  VT_UI2 = 18,
  VT_UI4 = 19,
  VT_I8 = 20,
  VT_UI8 = 21,
  VT_INT = 22,
  VT_UINT = 23,
  VT_ARRAY = 0x2000,
};

struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;
};

struct VARIANT;

// Only the slot layout matters to the library: it never calls these four.
struct IDispatch : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, void** info) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count,
                                                  LCID lcid, DISPID* ids) = 0;
  virtual HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                           void* params, VARIANT* result, void* exception,
                                           UINT* argError) = 0;

 protected:
  ~IDispatch() = default;
};

typedef int BOOL;

struct IClassFactory : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) = 0;
  virtual HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) = 0;

 protected:
  ~IClassFactory() = default;
};

struct SAFEARRAYBOUND {
  ULONG cElements;
  LONG lLbound;
};

struct SAFEARRAY {
  USHORT cDims;
  USHORT fFeatures;
  ULONG cbElements;
  ULONG cLocks;
  void* pvData;
  SAFEARRAYBOUND rgsabound[1];
};

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    LONGLONG llVal;
    ULONGLONG ullVal;
    LONG lVal;
    ULONG ulVal;
    INT intVal;
    UINT uintVal;
    SHORT iVal;
    BYTE bVal;
    VARIANT_BOOL boolVal;
    HRESULT scode;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    SAFEARRAY* parray;
  };
};
typedef VARIANT VARIANTARG;

// The OLE automation runtime subset (BSTR, VARIANT, one-dimensional byte SAFEARRAY).
// A BSTR points at its characters; its byte length is stored just before them and a
// terminating zero follows them. A null BSTR is the empty string.
BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

void VariantInit(VARIANT* value);
HRESULT VariantClear(VARIANT* value);
HRESULT VariantCopy(VARIANT* destination, const VARIANT* source);

// Only element type VT_UI1 is supported; other types yield null.
SAFEARRAY* SafeArrayCreateVector(VARTYPE type, LONG lowerBound, ULONG count);
HRESULT SafeArrayDestroy(SAFEARRAY* array);
HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* array);

#endif  // _WIN32

namespace kxua {

// The interface id of a COM interface type; specialised next to each interface.
// Using an interface without one does not compile.
template <class Interface>
struct InterfaceId;

template <>
struct InterfaceId<IUnknown> {
  static constexpr GUID value = {0x00000000, 0x0000, 0x0000,
                                 {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
};

template <>
struct InterfaceId<IDispatch> {
  static constexpr GUID value = {0x00020400, 0x0000, 0x0000,
                                 {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
};

template <>
struct InterfaceId<IClassFactory> {
  static constexpr GUID value = {0x00000001, 0x0000, 0x0000,
                                 {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
};

template <class Interface>
constexpr const GUID& IidOf() {
  return InterfaceId<Interface>::value;
}

}  // namespace kxua
