#include "model/product_info.h"

#include "model/branding_file.h"
#include "model/services.h"

namespace kxua {

namespace {

ProductInfoManager*& InstanceSlot() {
  static ProductInfoManager* instance = nullptr;
  return instance;
}

Variant ToVariant(const PropertyValue& value) {
  Variant result;
  VARIANT& v = *result.Receive();
  if (const bool* flag = std::get_if<bool>(&value)) {
    v.vt = VT_BOOL;
    v.boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (const std::wstring* text = std::get_if<std::wstring>(&value)) {
    v.bstrVal = SysAllocStringLen(text->data(), static_cast<UINT>(text->size()));
    if (v.bstrVal != nullptr) v.vt = VT_BSTR;
  } else if (const std::uint32_t* number = std::get_if<std::uint32_t>(&value)) {
    v.vt = VT_UI4;
    v.ulVal = *number;
  }
  return result;
}

}  // namespace

ProductInfoManager& ProductInfoManager::Instance() {
  ProductInfoManager*& instance = InstanceSlot();
  if (instance == nullptr) instance = new ProductInfoManager;
  return *instance;
}

void ProductInfoManager::ResetForTests() {
  delete InstanceSlot();
  InstanceSlot() = nullptr;
}

bool ProductInfoManager::Load(const std::wstring& whiteLabel, IUnknown* hostContext,
                              const std::wstring& contextName) {
  loaded_ = false;
  BrandingFile file = LoadBrandingFile(kFileName, whiteLabel);
  path_ = file.path;
  tables_ = file.document ? ReadProductInfo(*file.document) : ProductInfoTables();
  if (!file.document) return false;
  const HRESULT hr = utils_.Initialize(
      contextName.empty() ? CZYMUtils::kConsoleClient : contextName, hostContext);
  loaded_ = SUCCEEDED(hr);
  return loaded_;
}

std::wstring ProductInfoManager::InstalledVersionType() {
  auto info = LookUp<ICCGUIProductInfo>(utils_.Context(), progid::ProductInfo);
  if (!info) return {};
  Variant type;
  if (FAILED(info->GetProductVersionType(type.Receive())) || type.Get().vt != VT_UI4) return {};
  return std::to_wstring(type.Get().ulVal);
}

Variant ProductInfoManager::GetProperty(const std::wstring& name, const std::wstring& version) {
  if (!loaded_) return {};
  const std::wstring chosen = version.empty() ? InstalledVersionType() : version;
  for (const std::wstring& candidate : {chosen, std::wstring(kDefaultVersion)}) {
    auto it = tables_.properties.find({candidate, name});
    if (it != tables_.properties.end() && !std::holds_alternative<std::monostate>(it->second))
      return ToVariant(it->second);
  }
  return {};
}

std::optional<bool> ProductFlag(const wchar_t* name) {
  ProductInfoManager& info = ProductInfoManager::Instance();
  if (!info.IsLoaded()) info.Load(std::wstring(), nullptr, std::wstring());
  return AsBoolean(info.GetProperty(name).Get());
}

}  // namespace kxua
