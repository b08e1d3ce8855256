#include "model/services.h"

#include "model/automation.h"

namespace kxua {

ComPtr<IDispatch> LookUpObject(IZYMApplicationContext* context, const std::wstring& progId) {
  if (context == nullptr) return {};
  BString name(progId);
  ComPtr<IDispatch> object;
  if (FAILED(context->Get(name.Get(), object.Receive()))) return {};
  return object;
}

}  // namespace kxua
