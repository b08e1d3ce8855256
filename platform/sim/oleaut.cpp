// The OLE automation runtime subset for targets without one: BSTR, VARIANT and
// one-dimensional byte SAFEARRAY, with the system's semantics.
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "kxua/com.h"

namespace {

// The byte length sits in front of the characters, as on the system.
struct BstrHeader {
  std::uint32_t bytes;
};

BstrHeader* HeaderOf(BSTR text) {
  return reinterpret_cast<BstrHeader*>(reinterpret_cast<char*>(text) - sizeof(OLECHAR));
}

// The header is padded to one character so that the characters stay aligned.
static_assert(sizeof(OLECHAR) >= sizeof(BstrHeader), "header must fit in one character");

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  if (length > (0x7FFFFFFFu / sizeof(OLECHAR)) - 2) return nullptr;
  auto* block = static_cast<OLECHAR*>(std::malloc((length + 2) * sizeof(OLECHAR)));
  if (block == nullptr) return nullptr;
  BSTR result = block + 1;
  HeaderOf(result)->bytes = static_cast<std::uint32_t>(length * sizeof(OLECHAR));
  if (text != nullptr)
    std::memcpy(result, text, length * sizeof(OLECHAR));
  else
    std::memset(result, 0, length * sizeof(OLECHAR));
  result[length] = 0;
  return result;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(std::wcslen(text)));
}

void SysFreeString(BSTR text) {
  if (text != nullptr) std::free(text - 1);
}

UINT SysStringLen(BSTR text) {
  return text == nullptr ? 0 : HeaderOf(text)->bytes / sizeof(OLECHAR);
}

void VariantInit(VARIANT* value) {
  std::memset(value, 0, sizeof(*value));
  value->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* value) {
  if (value == nullptr) return E_INVALIDARG;
  switch (value->vt) {
    case VT_BSTR: SysFreeString(value->bstrVal); break;
    case VT_DISPATCH:
      if (value->pdispVal != nullptr) value->pdispVal->Release();
      break;
    case VT_UNKNOWN:
      if (value->punkVal != nullptr) value->punkVal->Release();
      break;
    case VT_ARRAY | VT_UI1: {
      const HRESULT hr = SafeArrayDestroy(value->parray);
      if (FAILED(hr)) return hr;  // still locked: the variant keeps it
      break;
    }
    default: break;
  }
  VariantInit(value);
  return S_OK;
}

HRESULT VariantCopy(VARIANT* destination, const VARIANT* source) {
  if (destination == nullptr || source == nullptr) return E_INVALIDARG;
  if (destination == source) return S_OK;
  VARIANT copy = *source;
  switch (source->vt) {
    case VT_BSTR:
      if (source->bstrVal != nullptr) {
        copy.bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        if (copy.bstrVal == nullptr) return E_OUTOFMEMORY;
      }
      break;
    case VT_DISPATCH:
      if (copy.pdispVal != nullptr) copy.pdispVal->AddRef();
      break;
    case VT_UNKNOWN:
      if (copy.punkVal != nullptr) copy.punkVal->AddRef();
      break;
    case VT_ARRAY | VT_UI1: {
      if (source->parray == nullptr) break;
      const ULONG count = source->parray->rgsabound[0].cElements;
      copy.parray = SafeArrayCreateVector(VT_UI1, source->parray->rgsabound[0].lLbound, count);
      if (copy.parray == nullptr) return E_OUTOFMEMORY;
      if (count != 0) std::memcpy(copy.parray->pvData, source->parray->pvData, count);
      break;
    }
    default: break;
  }
  const HRESULT cleared = VariantClear(destination);
  if (FAILED(cleared)) {
    VariantClear(&copy);
    return cleared;
  }
  *destination = copy;
  return S_OK;
}

SAFEARRAY* SafeArrayCreateVector(VARTYPE type, LONG lowerBound, ULONG count) {
  if (type != VT_UI1) return nullptr;
  auto* array = static_cast<SAFEARRAY*>(std::calloc(1, sizeof(SAFEARRAY)));
  if (array == nullptr) return nullptr;
  array->pvData = std::calloc(count == 0 ? 1 : count, 1);
  if (array->pvData == nullptr) {
    std::free(array);
    return nullptr;
  }
  array->cDims = 1;
  array->cbElements = 1;
  array->rgsabound[0] = {count, lowerBound};
  return array;
}

HRESULT SafeArrayDestroy(SAFEARRAY* array) {
  if (array == nullptr) return S_OK;
  if (array->cLocks != 0) return static_cast<HRESULT>(0x8002000Du);  // DISP_E_ARRAYISLOCKED
  std::free(array->pvData);
  std::free(array);
  return S_OK;
}

HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data) {
  if (array == nullptr || data == nullptr) return E_INVALIDARG;
  ++array->cLocks;
  *data = array->pvData;
  return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* array) {
  if (array == nullptr || array->cLocks == 0) return E_UNEXPECTED;
  --array->cLocks;
  return S_OK;
}
