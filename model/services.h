// Look-ups of the product's service objects in the application context. Every
// failure (no context, a negative result, an empty object, a failed query) yields
// an empty reference, and the feature concerned does nothing.
#pragma once

#include <string>

#include "kxua/services.h"
#include "model/com_ptr.h"

namespace kxua {

ComPtr<IDispatch> LookUpObject(IZYMApplicationContext* context, const std::wstring& progId);

template <class Interface>
ComPtr<Interface> LookUp(IZYMApplicationContext* context, const std::wstring& progId) {
  return ComPtr<Interface>::Query(LookUpObject(context, progId).Get());
}

}  // namespace kxua
